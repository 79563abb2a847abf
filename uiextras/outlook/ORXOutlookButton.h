// CORXOutlookButton: a shortcut of the shortcut bar: a large image with its label under it (beside it
// on a bar along a horizontal edge), belonging to one page of the bar.
#ifndef VELMORA_ORXOUTLOOKBUTTON_H
#define VELMORA_ORXOUTLOOKBUTTON_H

#include "ORXToolbarButton.h"

class CORXOutlookBar;

class CORXOutlookButton : public CORXToolbarButton
{
    DECLARE_SERIAL(CORXOutlookButton)

    // Construction
public:
    CORXOutlookButton();
    CORXOutlookButton(UINT uiID, int iImage, LPCTSTR lpszText, int iPageID, BOOL bLocked = TRUE);
    virtual ~CORXOutlookButton();

    // Overridables
public:
    virtual void Serialize(CArchive& ar);
    virtual BOOL CanBeDropped(CWnd* pTarget);
    virtual void CopyFrom(const CORXToolbarButton& src);
    virtual void OnDraw(CDC* pDC, const CRect& rect, CORXToolbarImageList* pImages, BOOL bHorz = TRUE,
                        BOOL bCustomizeMode = FALSE, BOOL bHighlight = FALSE, BOOL bDrawBorder = TRUE,
                        BOOL bGrayDisabledButtons = TRUE);
    virtual SIZE OnCalculateSize(CDC* pDC, const CSize& sizeDefault, BOOL bHorz);
    virtual void OnChangeParentWnd(CWnd* pWndParent);
    virtual BOOL CompareWith(const CObject& other) const;
    virtual void SetImage(int iImage);
    virtual FaceKind GetFaceKind() const { return faceShortcut; }

    // Attributes
public:
    CORXOutlookBar* GetParentBar() const { return m_pWndParentBar; }
    int GetPageID() const { return m_iPageID; }
    void SetPageID(int iPageID) { m_iPageID = iPageID; }
    void SetMinSize(int cx, int cy)
    {
        m_nMinWidth = cx;
        m_nMinHeight = cy;
    }
    BOOL IsCenterText() const { return m_bIsCenterText; }

    // Whether a shortcut being read has its page after the button's fields: as the version that
    // wrote the state says, or as the bar that reads a state of unknown version has found out.
    enum PageField
    {
        PageFieldByVersion,
        PageFieldPresent,
        PageFieldAbsent
    };
    static PageField s_pageFieldOnLoad;

    // Fields
protected:
    CORXOutlookBar* m_pWndParentBar;
    int m_iPageID;
    int m_nMinWidth;
    int m_nMinHeight;
    BOOL m_bIsCenterText;
};

#endif // VELMORA_ORXOUTLOOKBUTTON_H
