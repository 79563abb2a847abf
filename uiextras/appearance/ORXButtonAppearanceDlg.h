// CORXButtonAppearanceDlg: the Button Appearance dialog, which decides in customise mode how one
// tool-bar or menu button looks (image, text or both, its text, its default or a user-defined
// image) and writes the choice into the button on OK; and the provider through which the tool bars
// open it.
#ifndef VELMORA_ORXBUTTONAPPEARANCEDLG_H
#define VELMORA_ORXBUTTONAPPEARANCEDLG_H

#include <afxwin.h>
#include <afxext.h>

#include "ORXButtonsList.h"
#include "ORXExtrasHooks.h"

class CORXToolbarButton;
class CORXToolbarImageList;
class CORXUserTool;

class CORXButtonAppearanceDlg : public CDialog
{
    // Construction
public:
    CORXButtonAppearanceDlg(CORXToolbarButton* pButton, CORXToolbarImageList* pImages, CWnd* pParent = NULL,
                            int iStartImage = 0, BOOL bMenuMode = FALSE);
    virtual ~CORXButtonAppearanceDlg();

    enum
    {
        IDD = 16132
    };

    // Attributes
public:
    int GetSelectedImage() const { return m_iSelImage; }
    BOOL IsImageOn() const { return m_bImage; }
    BOOL IsTextOn() const { return m_bText; }
    BOOL IsUserImageChosen() const { return m_bUserImage; }
    const CRect& GetDefaultImageRect() const { return m_rectDefaultImage; }

    // Implementation
protected:
    virtual void DoDataExchange(CDataExchange* pDX);
    virtual BOOL OnInitDialog();
    virtual void OnOK();

    void RebuildImageList();
    void EnableControls();
    // The editor chosen for a button image (the open customise sheet's, else the Edit Button Image
    // dialog): FALSE when the user cancelled.
    BOOL EditImage(CBitmap& bitmap, int nBitsPerPixel);
    int GetDefaultImage() const;

    afx_msg void OnImageOnly();
    afx_msg void OnTextOnly();
    afx_msg void OnImageAndText();
    afx_msg void OnUserImage();
    afx_msg void OnDefaultImage();
    afx_msg void OnImagesList();
    afx_msg void OnNewImage();
    afx_msg void OnEditImage();
    afx_msg void OnPaint();
    DECLARE_MESSAGE_MAP()

    CButton m_wndDefaultImageRadio;
    CButton m_wndUserImageRadio;
    CStatic m_wndDefaultImageArea;
    CEdit m_wndButtonText;
    CButton m_wndAddImage;
    CORXButtonsList m_wndButtonList;
    CButton m_wndEditImage;
    CString m_strButtonText;
    CString m_strButtonDescr;
    CORXToolbarButton* m_pButton;
    CORXToolbarImageList* m_pImages;
    int m_iStartImage;
    CObList m_Buttons;
    int m_iSelImage;
    BOOL m_bImage;
    BOOL m_bText;
    BOOL m_bMenuMode;
    BOOL m_bUserImage;
    CRect m_rectDefaultImage;
    CString m_strAccel;
    CORXUserTool* m_pUserTool;
};

// Offers the dialog to the tool bars while it lives: "&Button Appearance...", a new menu button and a
// dropped command without an image open it.
class CORXButtonAppearanceProvider : public CORXButtonAppearance
{
public:
    CORXButtonAppearanceProvider();
    virtual ~CORXButtonAppearanceProvider();
    virtual INT_PTR DoButtonAppearance(CORXToolbarButton* pButton, CORXToolbarImageList* pUserImages,
                                       CWnd* pBar, int iStartImage, BOOL bMenuMode);
};

#endif // VELMORA_ORXBUTTONAPPEARANCEDLG_H
