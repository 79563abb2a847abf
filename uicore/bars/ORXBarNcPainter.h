// CORXBarNcPainter: the non-client area (border and gripper) of a bar, drawn by the visual manager.
#ifndef VELMORA_ORXBARNCPAINTER_H
#define VELMORA_ORXBARNCPAINTER_H

#include <afxwin.h>
#include <afxext.h>

class CORXBarNcPainter
{
public:
    explicit CORXBarNcPainter(CControlBar* pBar) : m_pBar(pBar) {}
    virtual ~CORXBarNcPainter() {}

    void OnNcCalcSize(BOOL bCalcValidRects, NCCALCSIZE_PARAMS* lpncsp);
    void OnNcPaint();
    void OnEraseBackground(CDC* pDC);

protected:
    CControlBar* m_pBar;
};

#endif // VELMORA_ORXBARNCPAINTER_H
