// CORXKeyAssign: an edit control that captures one key combination instead of text and shows its
// name.
#ifndef VELMORA_ORXKEYASSIGN_H
#define VELMORA_ORXKEYASSIGN_H

#include <afxwin.h>
#include <afxcmn.h>

class CORXKeyAssign : public CEdit
{
public:
    CORXKeyAssign();
    virtual ~CORXKeyAssign();

    virtual BOOL PreTranslateMessage(MSG* pMsg);

    // TRUE once a key other than Shift, Ctrl and Alt completed the combination.
    BOOL IsKeyDefined() const { return m_bKeyDefined; }
    const ACCEL& GetAccel() const { return m_accel; }
    void ResetKey();

protected:
    void SetAccelFlag(BYTE bFlag, BOOL bOn);
    void ShowLabel();

    ACCEL m_accel;
    BOOL m_bKeyDefined;
    BOOL m_bFocused;

    afx_msg void OnSetFocus(CWnd* pOldWnd);
    afx_msg void OnKillFocus(CWnd* pNewWnd);
    DECLARE_MESSAGE_MAP()
};

#endif // VELMORA_ORXKEYASSIGN_H
