// CMenu: handle maps and the members that are more than one call.
#include "AfxMenu.h"
#include "AfxGdi.h"
#include "AfxThreadState.h"

IMPLEMENT_DYNCREATE(CMenu, CObject)

namespace
{

CMenu* NewTempMenu(HMENU hMenu)
{
    CMenu* pMenu = new CMenu;
    pMenu->m_hMenu = hMenu;
    return pMenu;
}

// Someone else's menu: forgotten so that the destructor leaves it alone.
void ForgetMenu(CMenu* pMenu)
{
    pMenu->m_hMenu = NULL;
}

CHandleMap<HMENU, CMenu>& MenuMap()
{
    AFX_THREAD_STATE* pState = AfxGetThreadState();
    if (pState->m_pmapHMENU == NULL)
        pState->m_pmapHMENU = pState->AddHandleMap(new CHandleMap<HMENU, CMenu>(NewTempMenu, ForgetMenu));
    return *pState->m_pmapHMENU;
}

// Never inlined nor analysed across calls: a call through a null object pointer lets the compiler
// assume the pointer is set, which would delete the very test this function exists for.
__attribute__((noipa)) HMENU SafeMenu(const CMenu* pMenu)
{
    return pMenu == NULL ? NULL : pMenu->m_hMenu;
}

} // namespace

CMenu::CMenu() : m_hMenu(NULL) {}

CMenu::~CMenu()
{
    DestroyMenu();
}

CMenu::operator HMENU() const
{
    return SafeMenu(this);
}

HMENU CMenu::GetSafeHmenu() const
{
    return SafeMenu(this);
}

CMenu* PASCAL CMenu::FromHandle(HMENU hMenu)
{
    return MenuMap().FromHandle(hMenu);
}

void PASCAL CMenu::DeleteTempMap()
{
    MenuMap().DeleteTemp();
}

BOOL CMenu::Attach(HMENU hMenu)
{
    if (hMenu == NULL)
        return FALSE;
    ASSERT(m_hMenu == NULL);
    m_hMenu = hMenu;
    MenuMap().SetPermanent(hMenu, this);
    return TRUE;
}

HMENU CMenu::Detach()
{
    HMENU hMenu = m_hMenu;
    if (hMenu != NULL)
        MenuMap().RemoveHandle(hMenu, this);
    m_hMenu = NULL;
    return hMenu;
}

BOOL CMenu::CreateMenu()
{
    return Attach(::CreateMenu());
}

BOOL CMenu::CreatePopupMenu()
{
    return Attach(::CreatePopupMenu());
}

BOOL CMenu::LoadMenu(LPCTSTR lpszResourceName)
{
    HINSTANCE hInst = AfxFindResourceHandle(lpszResourceName, RT_MENU);
    return Attach(::LoadMenu(hInst, lpszResourceName));
}

BOOL CMenu::LoadMenuIndirect(const void* lpMenuTemplate)
{
    return Attach(::LoadMenuIndirect(lpMenuTemplate));
}

BOOL CMenu::DestroyMenu()
{
    if (m_hMenu == NULL)
        return FALSE;
    return ::DestroyMenu(Detach());
}

BOOL CMenu::AppendMenu(UINT nFlags, UINT_PTR nIDNewItem, const CBitmap* pBmp)
{
    return ::AppendMenu(m_hMenu, nFlags | MF_BITMAP, nIDNewItem, (LPCTSTR)pBmp->GetSafeHandle());
}

BOOL CMenu::InsertMenu(UINT nPosition, UINT nFlags, UINT_PTR nIDNewItem, const CBitmap* pBmp)
{
    return ::InsertMenu(m_hMenu, nPosition, nFlags | MF_BITMAP, nIDNewItem, (LPCTSTR)pBmp->GetSafeHandle());
}

BOOL CMenu::ModifyMenu(UINT nPosition, UINT nFlags, UINT_PTR nIDNewItem, const CBitmap* pBmp)
{
    return ::ModifyMenu(m_hMenu, nPosition, nFlags | MF_BITMAP, nIDNewItem, (LPCTSTR)pBmp->GetSafeHandle());
}

BOOL CMenu::SetMenuItemBitmaps(UINT nPosition, UINT nFlags, const CBitmap* pBmpUnchecked,
                               const CBitmap* pBmpChecked)
{
    return ::SetMenuItemBitmaps(m_hMenu, nPosition, nFlags, (HBITMAP)pBmpUnchecked->GetSafeHandle(),
                                (HBITMAP)pBmpChecked->GetSafeHandle());
}

int CMenu::GetMenuString(UINT nIDItem, CString& rString, UINT nFlags) const
{
    // Ask for the length first: item texts have no fixed limit.
    int nLen = ::GetMenuString(m_hMenu, nIDItem, NULL, 0, nFlags);
    if (nLen <= 0)
    {
        rString.Empty();
        return 0;
    }
    int nResult = ::GetMenuString(m_hMenu, nIDItem, rString.GetBuffer(nLen + 1), nLen + 1, nFlags);
    rString.ReleaseBuffer();
    return nResult;
}

void CMenu::DrawItem(LPDRAWITEMSTRUCT)
{
    // Classes with owner-drawn items override this.
}

void CMenu::MeasureItem(LPMEASUREITEMSTRUCT) {}
