// CReBarCtrl: creation and the members that take more than one message.
#include "AfxReBarCtrl.h"

IMPLEMENT_DYNAMIC(CReBarCtrl, CWnd)

CReBarCtrl::~CReBarCtrl()
{
    DestroyWindow();
}

BOOL CReBarCtrl::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    INITCOMMONCONTROLSEX icc = {sizeof(icc), ICC_COOL_CLASSES};
    ::InitCommonControlsEx(&icc);
    return CWnd::Create(REBARCLASSNAME, NULL, dwStyle, rect, pParentWnd, nID);
}

CToolTipCtrl* CReBarCtrl::GetToolTips() const
{
    return (CToolTipCtrl*)CWnd::FromHandle((HWND)::SendMessage(m_hWnd, RB_GETTOOLTIPS, 0, 0L));
}

void CReBarCtrl::SetToolTips(CToolTipCtrl* pToolTip)
{
    ::SendMessage(m_hWnd, RB_SETTOOLTIPS, (WPARAM)pToolTip->GetSafeHwnd(), 0L);
}

CImageList* CReBarCtrl::GetImageList() const
{
    REBARINFO rbi;
    memset(&rbi, 0, sizeof(rbi));
    rbi.cbSize = sizeof(rbi);
    rbi.fMask = RBIM_IMAGELIST;
    if (!GetBarInfo(&rbi) || rbi.himl == NULL)
        return NULL;
    return CImageList::FromHandle(rbi.himl);
}

BOOL CReBarCtrl::SetImageList(CImageList* pImageList)
{
    REBARINFO rbi;
    memset(&rbi, 0, sizeof(rbi));
    rbi.cbSize = sizeof(rbi);
    rbi.fMask = RBIM_IMAGELIST;
    rbi.himl = pImageList != NULL ? pImageList->m_hImageList : NULL;
    return SetBarInfo(&rbi);
}
