// CORXToolbarControlButton: the base of the tool-bar buttons that host a control on their bar (an
// edit box, a combo box): the style and width of the control, and the hot and focused face that
// the control's keys, focus and mouse moves give the button. CORXHostedCtrl: such a control, which
// hands those to its button.
#ifndef VELMORA_ORXTOOLBARCONTROLBUTTON_H
#define VELMORA_ORXTOOLBARCONTROLBUTTON_H

#include "ORXToolbarButton.h"

#include <afxcmn.h>

class CORXToolbarControlButton : public CORXToolbarButton
{
    DECLARE_DYNAMIC(CORXToolbarControlButton)

    // Construction
public:
    CORXToolbarControlButton(DWORD dwStyle, int iWidth);
    CORXToolbarControlButton(UINT uiID, int iImage, DWORD dwStyle, int iWidth);

    // What the hosted controls hand over; pField is the control that had the message.
public:
    // TRUE when the key was consumed.
    virtual BOOL PreTranslateKey(MSG* pMsg, CWnd* pField) = 0;
    // hwndOld: the window that had the focus before the control took it.
    void OnFieldFocus(BOOL bSet, HWND hwndOld = NULL);
    void OnFieldMouseMove(CWnd* pField);
    void OnFieldMouseLeave();

    // Attributes
public:
    int GetWidth() const { return m_iWidth; }

    // Implementation
protected:
    // The control the bar holds for the button (NULL while there is none), and whether the button
    // kind draws its controls flat.
    virtual CWnd* GetControl() const = 0;
    virtual BOOL IsFlat() const = 0;
    CWnd* GetBar() const;
    void RedrawFace();
    // Esc: the focus goes back to the window that had it before the button's controls took it, or
    // to the bar's frame when that window is gone.
    void GiveFocusBack();
    // The button's label under its control, whose bottom on the bar is yControlBottom.
    void DrawTextBelow(CDC* pDC, const CRect& rect, int yControlBottom, BOOL bDisabled);
    // The sunken field at the right of a row of the customise lists; the field's rectangle.
    CRect DrawCustomizeField(CDC* pDC, const CRect& rect);

public:
    DWORD m_dwStyle;

protected:
    int m_iWidth;
    BOOL m_bIsHotEdit;
    HWND m_hwndLastFocus; // the window outside the bar that had the focus before
};

template <class TControl> class CORXHostedCtrl : public TControl
{
public:
    explicit CORXHostedCtrl(CORXToolbarControlButton& button) : m_button(button) {}
    virtual BOOL PreTranslateMessage(MSG* pMsg)
    {
        if (m_button.PreTranslateKey(pMsg, this))
            return TRUE;
        return TControl::PreTranslateMessage(pMsg);
    }

protected:
    // The control does what it does with each message first; the button then follows.
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
    {
        LRESULT lResult = TControl::WindowProc(message, wParam, lParam);
        switch (message)
        {
        case WM_SETFOCUS:
            m_button.OnFieldFocus(TRUE, (HWND)wParam);
            break;
        case WM_KILLFOCUS:
            m_button.OnFieldFocus(FALSE);
            break;
        case WM_MOUSEMOVE:
            m_button.OnFieldMouseMove(this);
            break;
        case WM_MOUSELEAVE:
            m_button.OnFieldMouseLeave();
            break;
        }
        return lResult;
    }

    CORXToolbarControlButton& m_button;
};

#endif // VELMORA_ORXTOOLBARCONTROLBUTTON_H
