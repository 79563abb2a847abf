// CORXDialogBar: a sizing bar whose client area is a dialog template.
#ifndef VELMORA_ORXDIALOGBAR_H
#define VELMORA_ORXDIALOGBAR_H

#include "ORXSizingControlBar.h"

class CORXDialogBar : public CORXSizingControlBar
{
    DECLARE_SERIAL(CORXDialogBar)

    // Construction
public:
    CORXDialogBar();
    virtual ~CORXDialogBar();

    // Without bSizing the bar keeps the template's size, as a plain dialog bar does.
    BOOL Create(LPCTSTR lpszWindowName, CWnd* pParentWnd, UINT nIDTemplate, DWORD dwStyle, UINT nID,
                BOOL bHasGripper = TRUE, BOOL bSizing = FALSE);
    BOOL Create(LPCTSTR lpszWindowName, CWnd* pParentWnd, LPCTSTR lpszTemplateName, DWORD dwStyle, UINT nID,
                BOOL bHasGripper = TRUE, BOOL bSizing = FALSE);

    // Attributes
public:
    CSize GetTemplateSize() const { return m_sizeDefault; }
    BOOL IsSizing() const { return m_bAllowSizing; }
    // The template's ActiveX control data, handed to the application's control container.
    void SetOccDialogInfo(void* pOccDialogInfo) { m_pOccDialogInfo = pOccDialogInfo; }

    // The size of a bar that keeps its template: the template plus the borders, the gripper along
    // the bar and an edge across it when a neighbour sits beside it; raised to the minimum.
    static CSize CalcTemplateLayout(CSize sizeTemplate, BOOL bStretch, BOOL bHorz, int cxBorder,
                                    int cyGripper, int cxEdge, BOOL bNeighbour, CSize sizeMin);

    // Overrides
public:
    virtual CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz);
    virtual CSize CalcDynamicLayout(int nLength, DWORD dwMode);

    // Implementation
protected:
    CSize m_sizeDefault;
    BOOL m_bAllowSizing;
    void* m_pOccDialogInfo;

    afx_msg LRESULT HandleInitDialog(WPARAM wParam, LPARAM lParam);
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    DECLARE_MESSAGE_MAP()
};

#endif // VELMORA_ORXDIALOGBAR_H
