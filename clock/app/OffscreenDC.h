// COffscreenDC: a drawing context that stands in for a target over one rectangle and copies its
// picture to the target when it goes, so that a window is painted in one step without flicker.
#ifndef VELMORA_OFFSCREENDC_H
#define VELMORA_OFFSCREENDC_H

#include <afxwin.h>

class COffscreenDC : public CDC
{
public:
    // pKeptDC, when given, is a memory context compatible with the target that the caller keeps
    // from one picture to the next and lends for this one, instead of one made and deleted each time.
    COffscreenDC(CDC* pDC, const CRect& rect, CDC* pKeptDC = NULL);
    virtual ~COffscreenDC();

    const CRect& GetRect() const { return m_rect; }

private:
    CDC* m_pDC;
    CBitmap* m_pOldBitmap;
    CBitmap m_bitmap;
    CRect m_rect;
    BOOL m_bMemDC;
    BOOL m_bKeptDC;

    COffscreenDC(const COffscreenDC&);
    COffscreenDC& operator=(const COffscreenDC&);
};

#endif // VELMORA_OFFSCREENDC_H
