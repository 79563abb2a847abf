// CORXMaskEdit: an edit control that takes input only at the input positions of a fixed template,
// each limited by a mask character and an optional set of valid characters, group by group.
#ifndef VELMORA_ORXMASKEDIT_H
#define VELMORA_ORXMASKEDIT_H

#include <afxwin.h>

class CORXMaskEdit : public CEdit
{
    DECLARE_DYNAMIC(CORXMaskEdit)

    // Construction
public:
    CORXMaskEdit();
    virtual ~CORXMaskEdit();

    // Attributes
public:
    // The mask and the template must be of one length: '_' in the template marks an input position,
    // any other character is a literal. FALSE (nothing changed) when the lengths differ.
    BOOL EnableMask(LPCTSTR lpszMask, LPCTSTR lpszInputTemplate, TCHAR chMaskInputTemplate = _T('_'),
                    LPCTSTR lpszValid = NULL);
    void DisableMask();
    void SetValidChars(LPCTSTR lpszValid = NULL);
    void EnableSelectByGroup(BOOL bEnable = TRUE) { m_bSelectByGroup = bEnable; }

    const CString& GetMask() const { return m_strMask; }
    const CString& GetInputTemplate() const { return m_strInputTemplate; }
    TCHAR GetPromptChar() const { return m_chMaskInputTemplate; }
    const CString& GetValidChars() const { return m_strValid; }
    BOOL IsSelectByGroup() const { return m_bSelectByGroup; }

    // Operations
public:
    BOOL SetValue(LPCTSTR lpszString, BOOL bWithDelimiters = TRUE);
    // The text as shown, literals and prompt characters included; without delimiters only the
    // input positions.
    CString GetValue(BOOL bWithDelimiters = TRUE) const;

    BOOL IsValidChar(TCHAR ch) const;
    BOOL CheckChar(TCHAR ch, int nPos) const;
    // The group at or after (forward) or at or before (backward) a position: its first input
    // position and one past its last; nStart is -1 when there is none.
    void GetGroupBounds(int& nStart, int& nEnd, int nPos = 0, BOOL bForward = TRUE) const;

    // Overridables
public:
    // Whether a character fits a mask character. The base set: 'D' a digit, 'd' a digit or space,
    // '+' a sign or space, 'C' a letter, 'c' a letter or space, 'A' a letter or digit, 'a' a
    // letter, digit or space, '*' any printable character; any other mask character takes nothing.
    virtual BOOL IsMaskedChar(TCHAR chChar, TCHAR chMaskChar) const;

    // Implementation
protected:
    CString m_str;
    CString m_strMask;
    CString m_strInputTemplate;
    TCHAR m_chMaskInputTemplate;
    CString m_strValid;
    BOOL m_bSelectByGroup;
    BOOL m_bPasteProcessing;

    BOOL HasInput() const;
    BOOL IsInputPos(int nPos) const;
    // The end of the run of positions from nPos that share its mask character, up to nGroupEnd.
    int RunEnd(int nPos, int nGroupEnd) const;
    // Replaces positions [nStart, nEnd) of the value and of the window (undoable) by strNew.
    void ReplaceRange(int nStart, int nEnd, const CString& strNew);
    // The characters of strMoved entering [nStart, ...) must fit their new positions.
    BOOL CanPlace(const CString& strMoved, int nStart) const;
    void SelectFirstOrAll();
    void Beep() const { ::MessageBeep((UINT)-1); }
    void SetCaret(int nPos) { SetSel(nPos, nPos); }
    void ScrollCaret() { SendMessage(EM_SCROLLCARET); }

    void OnCharPrintable(TCHAR chChar);
    void OnCharBackspace();
    void OnCharDelete();
    // Removes [nFrom, nFrom + nCount) from its run, moving the run's rest left.
    BOOL RemoveFromRun(int nFrom, int nCount, int nRunEnd);
    // The selection and its group for Delete and Backspace; FALSE when the key was handled here
    // (no mask, or a selection outside one group).
    BOOL BeginRemoval(int& nStart, int& nEnd, int& nGroupStart, int& nGroupEnd);
    // A selection inside its group leaves its run, unless it reaches past the run.
    void RemoveSelection(int nStart, int nEnd, int nGroupEnd);

    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnUpdate();
    afx_msg void OnSetFocus();
    DECLARE_MESSAGE_MAP()
};

#endif // VELMORA_ORXMASKEDIT_H
