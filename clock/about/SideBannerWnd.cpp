// CSideBannerWnd: attaching to a dialog and the double-buffered painting.
#include "SideBannerWnd.h"

#include <algorithm>

namespace
{
const char kClassName[] = "VZSideBanner";

// Point sizes at the screen's resolution, as a dialog font is made.
HFONT MakeFont(const char* pszFace, int nTenthPoints, BOOL bBold, BOOL bTurned)
{
    HDC hdc = ::GetDC(NULL);
    int nHeight = -::MulDiv(nTenthPoints, ::GetDeviceCaps(hdc, LOGPIXELSY), 720);
    ::ReleaseDC(NULL, hdc);
    return ::CreateFontA(nHeight, 0, bTurned ? 900 : 0, bTurned ? 900 : 0, bBold ? FW_BOLD : FW_NORMAL, FALSE,
                         FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                         DEFAULT_QUALITY, DEFAULT_PITCH | FF_SWISS, pszFace);
}
} // namespace

BEGIN_MESSAGE_MAP(CSideBannerWnd, CWnd)
ON_WM_PAINT()
ON_WM_ERASEBKGND()
END_MESSAGE_MAP()

CSideBannerWnd::CSideBannerWnd()
    : m_nSize(50), m_nSide(SIDE_LEFT), m_nFillStyle(2), m_nEdgeStyle(2),
      m_strTitle(_T("This is the sample title")), m_strCaption(_T("This is the sample caption...")),
      m_nIconMargin(5), m_nTitleMargin(3), m_nCaptionMargin(4), m_nEdgeMargin(10), m_crFirst(0xFFFFFF),
      m_crSecond(0xC08080), m_crEdge(0), m_hIcon(NULL), m_hMsImg(NULL), m_pfnGradientFill(NULL)
{
    WNDCLASSA wc;
    HINSTANCE hInst = AfxGetInstanceHandle();
    if (!::GetClassInfoA(hInst, kClassName, &wc))
    {
        memset(&wc, 0, sizeof(wc));
        wc.style = CS_VREDRAW | CS_HREDRAW | CS_DBLCLKS;
        wc.lpfnWndProc = ::DefWindowProcA;
        wc.hInstance = hInst;
        wc.hCursor = ::LoadCursor(NULL, IDC_ARROW);
        wc.lpszClassName = kClassName;
        ::RegisterClassA(&wc);
    }
    // "Tahoma Bold" is the face's full name; the bold weight finds it where only "Tahoma" exists.
    m_hTitleFont = MakeFont("Tahoma Bold", 110, TRUE, FALSE);
    m_hCaptionFont = MakeFont("Tahoma", 85, FALSE, FALSE);
    m_hTitleFontTurned = MakeFont("Tahoma Bold", 110, TRUE, TRUE);
    m_hCaptionFontTurned = MakeFont("Tahoma", 85, FALSE, TRUE);
    m_hMsImg = ::LoadLibraryA("MSIMG32.DLL");
    if (m_hMsImg != NULL)
        m_pfnGradientFill = reinterpret_cast<PFN_GRADIENTFILL>(
            reinterpret_cast<void (*)()>(::GetProcAddress(m_hMsImg, "GradientFill")));
}

CSideBannerWnd::~CSideBannerWnd()
{
    if (m_hWnd != NULL)
        DestroyWindow();
    HFONT fonts[] = {m_hTitleFont, m_hCaptionFont, m_hTitleFontTurned, m_hCaptionFontTurned};
    for (HFONT h : fonts)
        if (h != NULL)
            ::DeleteObject(h);
    if (m_hMsImg != NULL)
        ::FreeLibrary(m_hMsImg);
}

BOOL CSideBannerWnd::Attach(CWnd* pDialog, int nSide, UINT nID)
{
    if (pDialog == NULL || pDialog->GetSafeHwnd() == NULL)
        return FALSE;
    m_nSide = nSide;
    HWND hDlg = pDialog->GetSafeHwnd();
    BOOL bAcross = nSide == SIDE_LEFT || nSide == SIDE_RIGHT;
    RECT rcWnd;
    ::GetWindowRect(hDlg, &rcWnd);
    ::SetWindowPos(hDlg, NULL, 0, 0, rcWnd.right - rcWnd.left + (bAcross ? m_nSize : 0),
                   rcWnd.bottom - rcWnd.top + (bAcross ? 0 : m_nSize), SWP_NOMOVE | SWP_NOZORDER);
    if (nSide == SIDE_LEFT || nSide == SIDE_TOP)
    {
        int dx = nSide == SIDE_LEFT ? m_nSize : 0;
        int dy = nSide == SIDE_TOP ? m_nSize : 0;
        for (HWND hChild = ::GetWindow(hDlg, GW_CHILD); hChild != NULL;
             hChild = ::GetWindow(hChild, GW_HWNDNEXT))
        {
            RECT rc;
            ::GetWindowRect(hChild, &rc);
            ::MapWindowPoints(NULL, hDlg, (POINT*)&rc, 2);
            ::SetWindowPos(hChild, NULL, rc.left + dx, rc.top + dy, 0, 0,
                           SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        }
    }
    RECT rcClient;
    ::GetClientRect(hDlg, &rcClient);
    RECT rc = rcClient;
    switch (nSide)
    {
    case SIDE_LEFT:
        rc.right = rc.left + m_nSize;
        break;
    case SIDE_RIGHT:
        rc.left = rc.right - m_nSize;
        break;
    case SIDE_BOTTOM:
        rc.top = rc.bottom - m_nSize;
        break;
    default:
        rc.bottom = rc.top + m_nSize;
        break;
    }
    return CreateEx(0, kClassName, _T(""), WS_CHILD | WS_VISIBLE, rc, pDialog, nID);
}

void CSideBannerWnd::Redraw()
{
    if (m_hWnd != NULL)
        Invalidate(FALSE);
}

void CSideBannerWnd::SetTitle(LPCTSTR lpszTitle)
{
    m_strTitle = lpszTitle;
    Redraw();
}

void CSideBannerWnd::SetCaption(LPCTSTR lpszCaption)
{
    m_strCaption = lpszCaption;
    Redraw();
}

void CSideBannerWnd::SetColours(COLORREF crFirst, COLORREF crSecond, COLORREF crEdge)
{
    m_crFirst = crFirst;
    m_crSecond = crSecond;
    m_crEdge = crEdge;
    Redraw();
}

void CSideBannerWnd::SetIcon(HICON hIcon)
{
    m_hIcon = hIcon;
    Redraw();
}

BOOL CSideBannerWnd::OnEraseBkgnd(CDC*)
{
    return TRUE; // painting covers everything
}

void CSideBannerWnd::OnPaint()
{
    PAINTSTRUCT ps;
    HDC hdc = ::BeginPaint(m_hWnd, &ps);
    RECT rc;
    ::GetClientRect(m_hWnd, &rc);
    HDC hMem = ::CreateCompatibleDC(hdc);
    HBITMAP hBmp = ::CreateCompatibleBitmap(hdc, rc.right, rc.bottom);
    HGDIOBJ hOld = ::SelectObject(hMem, hBmp);
    PaintBanner(hMem, rc);
    ::BitBlt(hdc, 0, 0, rc.right, rc.bottom, hMem, 0, 0, SRCCOPY);
    ::SelectObject(hMem, hOld);
    ::DeleteObject(hBmp);
    ::DeleteDC(hMem);
    ::EndPaint(m_hWnd, &ps);
}

void CSideBannerWnd::PaintBanner(HDC hdc, const RECT& rc)
{
    BOOL bAcross = m_nSide == SIDE_LEFT || m_nSide == SIDE_RIGHT;
    // The gradient runs along the banner's length; without GradientFill (or another fill style) the
    // banner is filled with its first colour.
    BOOL bFilled = FALSE;
    if (m_nFillStyle == 2 && m_pfnGradientFill != NULL)
    {
        TRIVERTEX v[2];
        v[0].x = rc.left;
        v[0].y = rc.top;
        v[1].x = rc.right;
        v[1].y = rc.bottom;
        COLORREF cr[2] = {m_crFirst, m_crSecond};
        if (bAcross)
            std::swap(cr[0], cr[1]); // the light end at the top of a standing banner
        for (int i = 0; i < 2; i++)
        {
            v[i].Red = (COLOR16)(GetRValue(cr[i]) << 8);
            v[i].Green = (COLOR16)(GetGValue(cr[i]) << 8);
            v[i].Blue = (COLOR16)(GetBValue(cr[i]) << 8);
            v[i].Alpha = 0;
        }
        GRADIENT_RECT gr = {0, 1};
        bFilled = m_pfnGradientFill(hdc, v, 2, &gr, 1, bAcross ? GRADIENT_FILL_RECT_V : GRADIENT_FILL_RECT_H);
    }
    if (!bFilled)
    {
        HBRUSH hBrush = ::CreateSolidBrush(m_crFirst);
        ::FillRect(hdc, &rc, hBrush);
        ::DeleteObject(hBrush);
    }

    // The edge on the side that faces the dialog.
    HPEN hPen = ::CreatePen(PS_SOLID, 1, m_crEdge);
    HGDIOBJ hOldPen = ::SelectObject(hdc, hPen);
    switch (m_nSide)
    {
    case SIDE_LEFT:
        ::MoveToEx(hdc, rc.right - 1, rc.top, NULL);
        ::LineTo(hdc, rc.right - 1, rc.bottom);
        break;
    case SIDE_RIGHT:
        ::MoveToEx(hdc, rc.left, rc.top, NULL);
        ::LineTo(hdc, rc.left, rc.bottom);
        break;
    case SIDE_BOTTOM:
        ::MoveToEx(hdc, rc.left, rc.top, NULL);
        ::LineTo(hdc, rc.right, rc.top);
        break;
    default:
        ::MoveToEx(hdc, rc.left, rc.bottom - 1, NULL);
        ::LineTo(hdc, rc.right, rc.bottom - 1);
        break;
    }
    ::SelectObject(hdc, hOldPen);
    ::DeleteObject(hPen);

    ::SetBkMode(hdc, TRANSPARENT);
    ::SetTextColor(hdc, 0);
    int nIcon = ::GetSystemMetrics(SM_CXICON);
    if (!bAcross)
    {
        int x = rc.left + m_nEdgeMargin;
        if (m_hIcon != NULL)
        {
            ::DrawIconEx(hdc, rc.right - m_nEdgeMargin - nIcon, rc.top + (rc.bottom - rc.top - nIcon) / 2,
                         m_hIcon, nIcon, nIcon, 0, NULL, DI_NORMAL);
        }
        HGDIOBJ hOldFont = ::SelectObject(hdc, m_hTitleFont);
        TEXTMETRICA tm;
        ::GetTextMetricsA(hdc, &tm);
        int y = rc.top + m_nIconMargin;
        ::TextOutA(hdc, x, y, m_strTitle, m_strTitle.GetLength());
        y += tm.tmHeight + m_nTitleMargin;
        ::SelectObject(hdc, m_hCaptionFont);
        ::TextOutA(hdc, x + m_nCaptionMargin, y, m_strCaption, m_strCaption.GetLength());
        ::SelectObject(hdc, hOldFont);
    }
    else
    {
        // A standing banner reads from bottom to top.
        int y = rc.bottom - m_nEdgeMargin;
        if (m_hIcon != NULL)
            ::DrawIconEx(hdc, rc.left + (rc.right - rc.left - nIcon) / 2, rc.top + m_nEdgeMargin, m_hIcon,
                         nIcon, nIcon, 0, NULL, DI_NORMAL);
        HGDIOBJ hOldFont = ::SelectObject(hdc, m_hTitleFontTurned);
        TEXTMETRICA tm;
        ::GetTextMetricsA(hdc, &tm);
        int x = rc.left + m_nIconMargin;
        ::TextOutA(hdc, x, y, m_strTitle, m_strTitle.GetLength());
        x += tm.tmHeight + m_nTitleMargin;
        ::SelectObject(hdc, m_hCaptionFontTurned);
        ::TextOutA(hdc, x, y - m_nCaptionMargin, m_strCaption, m_strCaption.GetLength());
        ::SelectObject(hdc, hOldFont);
    }
}
