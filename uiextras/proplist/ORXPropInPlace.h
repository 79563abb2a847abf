// CORXPropInPlace: the edit or drop-down list over a row's value while it is edited. Enter keeps
// the text, Escape drops it, and a focus that goes elsewhere keeps what was typed.
#ifndef VELMORA_ORXPROPINPLACE_H
#define VELMORA_ORXPROPINPLACE_H

#include <afxwin.h>

class CORXProp;

class CORXPropInPlace : public CWnd
{
public:
    explicit CORXPropInPlace(CORXProp* pProp, BOOL bInnerEdit = FALSE);
    virtual ~CORXPropInPlace();

    // The edit inside a drop-down list that takes typing hears the same keys.
    void AttachComboEdit();
    // The window that holds the text: this edit, or the edit inside the list.
    HWND GetEditHwnd() const;

protected:
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    BOOL OnKey(UINT nChar);
    // Alt+Down, which comes as a system key: TRUE when the list took it.
    BOOL OnAltDown(LPARAM lParam);
    void OnLoseFocus(HWND hWndNew);

    CORXProp* m_pProp;
    BOOL m_bInnerEdit;
    CORXPropInPlace* m_pInnerEdit;
};

#endif // VELMORA_ORXPROPINPLACE_H
