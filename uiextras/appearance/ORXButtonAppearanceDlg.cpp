// CORXButtonAppearanceDlg: the Button Appearance dialog.
#include "ORXButtonAppearanceDlg.h"

#include <algorithm>

#include "ORXCommandManager.h"
#include "ORXGlobalData.h"
#include "ORXImageEditDlg.h"
#include "ORXToolBar.h"
#include "ORXToolbarButton.h"
#include "ORXToolbarImageList.h"
#include "ORXUserToolsManager.h"
#include "uiextras/uiextras_res.h"

namespace
{
// The ground an edited image is drawn on: the grey the images' transparent parts show.
const COLORREF kEditGround = RGB(0xC0, 0xC0, 0xC0);
} // namespace

BEGIN_MESSAGE_MAP(CORXButtonAppearanceDlg, CDialog)
ON_BN_CLICKED(IDC_ORX_IMAGE_ONLY, OnImageOnly)
ON_BN_CLICKED(IDC_ORX_TEXT_ONLY, OnTextOnly)
ON_BN_CLICKED(IDC_ORX_IMAGE_AND_TEXT, OnImageAndText)
ON_BN_CLICKED(IDC_ORX_USER_IMAGE_RADIO, OnUserImage)
ON_BN_CLICKED(IDC_ORX_DEFAULT_IMAGE_RADIO, OnDefaultImage)
ON_BN_CLICKED(IDC_ORX_USER_IMAGES, OnImagesList)
ON_BN_CLICKED(IDC_ORX_NEW_IMAGE, OnNewImage)
ON_BN_CLICKED(IDC_ORX_EDIT_IMAGE, OnEditImage)
ON_WM_PAINT()
END_MESSAGE_MAP()

CORXButtonAppearanceDlg::CORXButtonAppearanceDlg(CORXToolbarButton* pButton, CORXToolbarImageList* pImages,
                                                 CWnd* pParent, int iStartImage, BOOL bMenuMode)
    : CDialog(IDD, pParent), m_pButton(pButton), m_pImages(pImages), m_iStartImage(std::max(0, iStartImage)),
      m_iSelImage(-1), m_bImage(FALSE), m_bText(FALSE), m_bMenuMode(bMenuMode), m_bUserImage(FALSE),
      m_rectDefaultImage(0, 0, 0, 0), m_pUserTool(NULL)
{
    ASSERT(pButton != NULL);
    if (CORXUserToolsManager* pTools = ORXUserToolsManager())
        m_pUserTool = pTools->FindTool(pButton->m_nID);

    if (pButton->m_bUserButton)
        m_bUserImage = TRUE;
    else if (m_pUserTool != NULL)
        m_bUserImage = FALSE;
    else
        m_bUserImage = CORXToolBar::GetDefaultImage(pButton->m_nID) < 0;

    m_iSelImage = pButton->GetImage();

    m_bImage = pButton->m_bImage;
    if (bMenuMode && CORXCommandManager::GetCmdMgr()->IsMenuItemWithoutImage(pButton->m_nID))
        m_bImage = FALSE;
    m_bText = bMenuMode ? TRUE : (pButton->m_bTextBelow ? TRUE : pButton->m_bText);
}

CORXButtonAppearanceDlg::~CORXButtonAppearanceDlg()
{
    while (!m_Buttons.IsEmpty())
        delete m_Buttons.RemoveHead();
}

void CORXButtonAppearanceDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_ORX_DEFAULT_IMAGE_RADIO, m_wndDefaultImageRadio);
    DDX_Control(pDX, IDC_ORX_USER_IMAGE_RADIO, m_wndUserImageRadio);
    DDX_Control(pDX, IDC_ORX_DEFAULT_IMAGE, m_wndDefaultImageArea);
    DDX_Control(pDX, IDC_ORX_BUTTON_TEXT, m_wndButtonText);
    DDX_Control(pDX, IDC_ORX_NEW_IMAGE, m_wndAddImage);
    DDX_Control(pDX, IDC_ORX_USER_IMAGES, m_wndButtonList);
    DDX_Control(pDX, IDC_ORX_EDIT_IMAGE, m_wndEditImage);
    DDX_Text(pDX, IDC_ORX_BUTTON_TEXT, m_strButtonText);
    DDX_Text(pDX, IDC_ORX_BUTTON_DESCRIPTION, m_strButtonDescr);
}

int CORXButtonAppearanceDlg::GetDefaultImage() const
{
    return CORXToolBar::GetDefaultImage(m_pButton->m_nID);
}

BOOL CORXButtonAppearanceDlg::OnInitDialog()
{
    CDialog::OnInitDialog();

    if (m_pImages != NULL)
    {
        m_wndButtonList.SetImages(m_pImages);
        RebuildImageList();
        m_wndButtonList.SelectButton(m_iSelImage);
    }
    else
    {
        m_wndButtonList.EnableWindow(FALSE);
        m_wndUserImageRadio.EnableWindow(FALSE);
        if (m_iSelImage < 0)
        {
            GetDlgItem(IDC_ORX_IMAGE_ONLY)->EnableWindow(FALSE);
            GetDlgItem(IDC_ORX_IMAGE_AND_TEXT)->EnableWindow(FALSE);
        }
    }

    if (!m_bUserImage || m_pButton->IsLocked())
        m_wndDefaultImageRadio.SetCheck(BST_CHECKED);
    else
        m_wndUserImageRadio.SetCheck(BST_CHECKED);

    if (!m_bImage)
    {
        CheckDlgButton(IDC_ORX_TEXT_ONLY, BST_CHECKED);
        m_bText = TRUE;
        m_wndButtonList.EnableWindow(FALSE);
    }
    else if (m_bText)
        CheckDlgButton(IDC_ORX_IMAGE_AND_TEXT, BST_CHECKED);
    else
        CheckDlgButton(IDC_ORX_IMAGE_ONLY, BST_CHECKED);

    int iTab = m_pButton->m_strText.Find(_T('\t'));
    if (iTab >= 0)
    {
        m_strButtonText = m_pButton->m_strText.Left(iTab);
        m_strAccel = m_pButton->m_strText.Mid(iTab + 1);
    }
    else
        m_strButtonText = m_pButton->m_strText;

    CFrameWnd* pFrame = GetParentFrame();
    if (pFrame != NULL)
        pFrame->GetMessageString(m_pButton->m_nID, m_strButtonDescr);

    if (m_bMenuMode)
    {
        GetDlgItem(IDC_ORX_IMAGE_ONLY)->EnableWindow(FALSE);
        if (m_iSelImage < 0)
        {
            GetDlgItem(IDC_ORX_TEXT_ONLY)->EnableWindow(FALSE);
            GetDlgItem(IDC_ORX_IMAGE_AND_TEXT)->EnableWindow(FALSE);
        }
    }
    if (m_pButton->m_bTextBelow)
        GetDlgItem(IDC_ORX_IMAGE_ONLY)->EnableWindow(FALSE);

    m_wndDefaultImageArea.GetClientRect(m_rectDefaultImage);
    m_wndDefaultImageArea.MapWindowPoints(this, m_rectDefaultImage);
    CSize sizeStd = CORXToolBar::GetImages().GetImageSize();
    m_rectDefaultImage.right = m_rectDefaultImage.left + std::min(16, (int)sizeStd.cx);
    m_rectDefaultImage.bottom = m_rectDefaultImage.top + std::min(16, (int)sizeStd.cy);

    EnableControls();
    UpdateData(FALSE);
    return TRUE;
}

void CORXButtonAppearanceDlg::RebuildImageList()
{
    m_wndButtonList.RemoveButtons();
    while (!m_Buttons.IsEmpty())
        delete m_Buttons.RemoveHead();
    if (m_pImages == NULL)
        return;
    for (int iImage = m_iStartImage; iImage < m_pImages->GetCount(); iImage++)
    {
        CORXToolbarButton* pButton = new CORXToolbarButton;
        pButton->SetImage(iImage);
        m_wndButtonList.AddButton(pButton);
        m_Buttons.AddTail(pButton);
    }
    m_wndButtonList.Invalidate();
}

void CORXButtonAppearanceDlg::EnableControls()
{
    const BOOL bLocked = m_pButton->IsLocked();
    const BOOL bReadOnly = m_pImages != NULL && m_pImages->IsReadOnly();
    const BOOL bUserImages = m_pImages != NULL;

    m_wndButtonText.EnableWindow(m_bText && !CORXToolBar::m_bLockTextEdit &&
                                 !(m_bMenuMode && m_pUserTool != NULL));
    const BOOL bList = m_bImage && bUserImages && m_bUserImage && !m_bMenuMode && !bLocked;
    m_wndButtonList.EnableWindow(bList);
    m_wndAddImage.EnableWindow(bList && !bReadOnly);
    m_wndEditImage.EnableWindow(m_bImage && bUserImages && m_iSelImage >= 0 && m_bUserImage && !bReadOnly &&
                                !bLocked);
    m_wndUserImageRadio.EnableWindow(m_bImage && bUserImages && !m_bMenuMode && !bLocked);
    if (m_pUserTool != NULL)
        m_wndDefaultImageRadio.EnableWindow(TRUE);
    else
        m_wndDefaultImageRadio.EnableWindow(m_bImage && GetDefaultImage() >= 0 && !m_bMenuMode && !bLocked);
    InvalidateRect(m_rectDefaultImage, TRUE);
}

void CORXButtonAppearanceDlg::OnImageOnly()
{
    m_bImage = TRUE;
    m_bText = FALSE;
    EnableControls();
}

void CORXButtonAppearanceDlg::OnTextOnly()
{
    m_bImage = FALSE;
    m_bText = TRUE;
    EnableControls();
}

void CORXButtonAppearanceDlg::OnImageAndText()
{
    m_bImage = TRUE;
    m_bText = TRUE;
    EnableControls();
}

void CORXButtonAppearanceDlg::OnUserImage()
{
    m_iSelImage = -1;
    m_bUserImage = TRUE;
    m_wndDefaultImageRadio.SetCheck(BST_UNCHECKED);
    EnableControls();
    m_wndButtonList.SelectButton((CORXToolbarButton*)NULL);
}

void CORXButtonAppearanceDlg::OnDefaultImage()
{
    m_iSelImage = m_pButton->GetImage();
    m_bUserImage = FALSE;
    m_wndUserImageRadio.SetCheck(BST_UNCHECKED);
    EnableControls();
}

void CORXButtonAppearanceDlg::OnImagesList()
{
    CORXToolbarButton* pSelButton = m_wndButtonList.GetSelectedButton();
    m_iSelImage = pSelButton != NULL ? pSelButton->GetImage() : -1;
    m_wndEditImage.EnableWindow(m_iSelImage >= 0 && m_pImages != NULL && !m_pImages->IsReadOnly());
}

BOOL CORXButtonAppearanceDlg::EditImage(CBitmap& bitmap, int nBitsPerPixel)
{
    CORXCustomizeSheet* pSheet = CORXServices::Find<CORXCustomizeSheet>();
    if (pSheet != NULL)
        return pSheet->OnEditToolbarMenuImage(this, bitmap, nBitsPerPixel);
    CORXImageEditDlg dlg(&bitmap, this, nBitsPerPixel);
    return dlg.DoModal() == IDOK;
}

void CORXButtonAppearanceDlg::OnNewImage()
{
    if (m_pImages == NULL)
        return;
    const CSize sizeImage = m_pImages->GetImageSize();
    // The bitmap is this routine's on every path: the image list keeps a copy of an added image.
    CBitmap bitmap;
    {
        CClientDC dcList(&m_wndButtonList);
        if (!bitmap.CreateCompatibleBitmap(&dcList, sizeImage.cx, sizeImage.cy))
        {
            AfxMessageBox(IDS_ORX_CANT_CREATE_IMAGE, MB_OK);
            return;
        }
        CDC dcMem;
        dcMem.CreateCompatibleDC(&dcList);
        CBitmap* pOld = dcMem.SelectObject(&bitmap);
        dcMem.FillRect(CRect(CPoint(0, 0), sizeImage), &globalData.brBarFace);
        dcMem.SelectObject(pOld);
    }
    const int nBitsPerPixel = m_pImages->GetBitsPerPixel();
    if (!EditImage(bitmap, nBitsPerPixel))
        return;
    const int iImage = m_pImages->AddImage((HBITMAP)bitmap.GetSafeHandle());
    if (iImage < 0)
    {
        AfxMessageBox(IDS_ORX_CANT_CREATE_IMAGE, MB_OK);
        return;
    }
    RebuildImageList();
    m_wndButtonList.SelectButton(iImage);
}

void CORXButtonAppearanceDlg::OnEditImage()
{
    if (m_pImages == NULL || m_iSelImage < 0)
        return;
    const CSize sizeImage = m_pImages->GetImageSize();
    CBitmap bitmap;
    {
        CClientDC dcList(&m_wndButtonList);
        if (!bitmap.CreateCompatibleBitmap(&dcList, sizeImage.cx, sizeImage.cy))
        {
            AfxMessageBox(IDS_ORX_CANT_UPDATE_IMAGE, MB_OK);
            return;
        }
        // The image is copied onto the grey its transparent parts stand for, so that they come
        // back as they were.
        const COLORREF clrTransparent = m_pImages->GetTransparentColor();
        if (clrTransparent != kEditGround)
            m_pImages->SetTransparentColor(kEditGround);
        CDC dcMem;
        dcMem.CreateCompatibleDC(&dcList);
        CBitmap* pOld = dcMem.SelectObject(&bitmap);
        dcMem.FillSolidRect(CRect(CPoint(0, 0), sizeImage), kEditGround);
        CORXDrawState ds;
        if (m_pImages->PrepareDrawImage(ds))
        {
            m_pImages->Draw(&dcMem, 0, 0, m_iSelImage);
            m_pImages->EndDrawImage(ds);
        }
        dcMem.SelectObject(pOld);
        if (clrTransparent != kEditGround)
            m_pImages->SetTransparentColor(clrTransparent);
    }
    if (!EditImage(bitmap, m_pImages->GetBitsPerPixel()))
        return;
    if (!m_pImages->UpdateImage(m_iSelImage, (HBITMAP)bitmap.GetSafeHandle()))
    {
        AfxMessageBox(IDS_ORX_CANT_UPDATE_IMAGE, MB_OK);
        return;
    }
    m_wndButtonList.Invalidate();
}

void CORXButtonAppearanceDlg::OnOK()
{
    if (!UpdateData(TRUE))
        return;
    int iImage = -1;
    if (m_bUserImage)
        iImage = m_iSelImage;
    else if (m_pUserTool != NULL)
        iImage = 0;
    else
        iImage = GetDefaultImage();

    if (m_bImage && iImage < 0)
    {
        CString strMessage;
        strMessage.LoadString(IDS_ORX_SELECT_IMAGE);
        MessageBox(strMessage, NULL, MB_OK);
        m_wndButtonList.SetFocus();
        return;
    }
    if (m_bText && m_strButtonText.IsEmpty())
    {
        CString strMessage;
        strMessage.LoadString(IDS_ORX_ENTER_TEXT);
        MessageBox(strMessage, NULL, MB_OK);
        m_wndButtonText.SetFocus();
        return;
    }

    if (!m_pButton->m_bTextBelow)
        m_pButton->m_bText = m_bText;
    if (m_bMenuMode)
        CORXCommandManager::GetCmdMgr()->EnableMenuItemImage(m_pButton->m_nID, m_bImage);
    else
        m_pButton->m_bImage = m_bImage;
    m_pButton->m_bUserButton = m_bUserImage;
    m_pButton->SetImage(iImage);
    m_pButton->m_strText = m_strButtonText;
    if (!m_strAccel.IsEmpty())
        m_pButton->m_strText += _T('\t') + m_strAccel;
    CDialog::OnOK();
}

void CORXButtonAppearanceDlg::OnPaint()
{
    CPaintDC dc(this);
    if (m_rectDefaultImage.IsRectEmpty())
        return;
    if (m_pUserTool != NULL)
    {
        m_pUserTool->DrawToolIcon(&dc, m_rectDefaultImage);
        return;
    }
    if (!m_pButton->IsLocked())
    {
        const int iImage = GetDefaultImage();
        if (iImage < 0 || !m_bImage)
            return;
        CORXToolbarImageList& images = CORXToolBar::GetImages();
        CORXDrawState ds;
        if (images.PrepareDrawImage(ds, m_rectDefaultImage.Size()))
        {
            images.Draw(&dc, m_rectDefaultImage.left, m_rectDefaultImage.top, iImage);
            images.EndDrawImage(ds);
        }
        return;
    }
    // A locked button keeps its images with its bar: it draws itself, image only for the moment.
    CORXToolBar* pBar = DYNAMIC_DOWNCAST(CORXToolBar, GetParent());
    CORXToolbarImageList* pImages = pBar != NULL ? pBar->GetLockedImages() : NULL;
    const BOOL bOldText = m_pButton->m_bText;
    const BOOL bOldImage = m_pButton->m_bImage;
    m_pButton->m_bText = FALSE;
    m_pButton->m_bImage = TRUE;
    CORXDrawState ds;
    if (pImages != NULL && pImages->PrepareDrawImage(ds, m_rectDefaultImage.Size()))
    {
        m_pButton->OnDraw(&dc, m_rectDefaultImage, pImages, TRUE, FALSE, FALSE, FALSE);
        pImages->EndDrawImage(ds);
    }
    m_pButton->m_bText = bOldText;
    m_pButton->m_bImage = bOldImage;
}

/////////////////////////////////////////////////////////////////////////////
// CORXButtonAppearanceProvider

CORXButtonAppearanceProvider::CORXButtonAppearanceProvider()
{
    CORXServices::Register<CORXButtonAppearance>(this);
}

CORXButtonAppearanceProvider::~CORXButtonAppearanceProvider()
{
    CORXServices::Unregister<CORXButtonAppearance>(this);
}

INT_PTR CORXButtonAppearanceProvider::DoButtonAppearance(CORXToolbarButton* pButton,
                                                         CORXToolbarImageList* pUserImages, CWnd* pBar,
                                                         int iStartImage, BOOL bMenuMode)
{
    if (pButton == NULL)
        return IDCANCEL;
    CORXButtonAppearanceDlg dlg(pButton, pUserImages, pBar, iStartImage, bMenuMode);
    return dlg.DoModal();
}
