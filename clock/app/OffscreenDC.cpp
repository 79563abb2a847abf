// COffscreenDC: callers draw in the target's own coordinates; a printing target is drawn directly.
#include "OffscreenDC.h"

COffscreenDC::COffscreenDC(CDC* pDC, const CRect& rect, CDC* pKeptDC)
    : m_pDC(pDC), m_pOldBitmap(NULL), m_rect(rect), m_bMemDC(!pDC->IsPrinting()),
      m_bKeptDC(m_bMemDC && pKeptDC != NULL && pKeptDC->GetSafeHdc() != NULL)
{
    if (m_bMemDC)
    {
        if (m_bKeptDC)
            Attach(pKeptDC->GetSafeHdc());
        else
            CreateCompatibleDC(pDC);
        pDC->LPtoDP(&m_rect);
        m_bitmap.CreateCompatibleBitmap(pDC, m_rect.Width(), m_rect.Height());
        m_pOldBitmap = SelectObject(&m_bitmap);
        SetMapMode(pDC->GetMapMode());
        pDC->DPtoLP(&m_rect);
        SetWindowOrg(m_rect.left, m_rect.top);
    }
    else
    {
        Attach(pDC->GetSafeHdc());
    }
}

COffscreenDC::~COffscreenDC()
{
    if (m_bMemDC)
    {
        m_pDC->BitBlt(m_rect.left, m_rect.top, m_rect.Width(), m_rect.Height(), this, m_rect.left, m_rect.top,
                      SRCCOPY);
        SelectObject(m_pOldBitmap);
        if (m_bKeptDC)
            Detach();
    }
    else
    {
        // The target's context is borrowed: it must not be deleted with this object.
        Detach();
    }
}
