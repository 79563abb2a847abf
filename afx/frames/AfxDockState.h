// CDockState and CControlBarInfo: a frame's arrangement of control bars, kept in an archive or
// in the application's profile.
#ifndef VELMORA_AFXDOCKSTATE_H
#define VELMORA_AFXDOCKSTATE_H

#include "afx.h"
#include "afxcoll.h"

class CControlBar;
class CDockState;

class CControlBarInfo
{
public:
    // Implementation
    CControlBarInfo();

    // Attributes
    UINT m_nBarID;     // the bar's control id
    BOOL m_bVisible;   // visibility of the bar
    BOOL m_bFloating;  // in a floating frame
    BOOL m_bHorz;      // laid out horizontally when floating
    BOOL m_bDockBar;   // the record of a dock bar: m_arrBarID holds its rows
    CPoint m_pointPos; // docked: top left in the dock bar; floating: the frame's top left
    UINT m_nMRUWidth;  // the width of a floating dynamic bar
    BOOL m_bDocking;   // the bar can dock (it has a dock context)
    UINT m_uMRUDockID;
    CRect m_rectMRUDockPos;
    DWORD m_dwMRUFloatStyle;
    CPoint m_ptMRUFloatPos;

    CPtrArray m_arrBarID; // the bar ids of a dock bar's rows, 0 ending each row
    CControlBar* m_pBar;  // the bar, while the state is taken or applied

    void Serialize(CArchive& ar, CDockState* pDockState);
    // The "%s-Bar%d" section of the profile.
    BOOL LoadState(LPCTSTR lpszProfileName, int nIndex, CDockState* pDockState);
    BOOL SaveState(LPCTSTR lpszProfileName, int nIndex);
};

class CDockState : public CObject
{
    DECLARE_SERIAL(CDockState)
public:
    // Construction
    CDockState();

    // Attributes
    CPtrArray m_arrBarInfo; // CControlBarInfo*, owned

    // Operations
    void LoadState(LPCTSTR lpszProfileName);
    void SaveState(LPCTSTR lpszProfileName);
    void Clear(); // deletes the bar records
    DWORD GetVersion();

    // Implementation
public:
    virtual ~CDockState();
    virtual void Serialize(CArchive& ar);

    // The screen the state was taken on; positions are scaled to this screen when it differs.
    BOOL m_bScaling;
    CRect m_rectDevice;
    CRect m_rectClip;
    CSize m_sizeLogical;
    DWORD m_dwVersion;

    CSize GetScreenSize();
    void SetScreenSize(CSize& size);
    void ScalePoint(CPoint& pt);
    void ScaleRectPos(CRect& rect);
};

#endif // VELMORA_AFXDOCKSTATE_H
