// CClockGdiCache: the fonts and background brushes the clocks are drawn with, made once and kept
// while the window lives, so that a tick draws with them instead of making and deleting one of each
// for every clock every second. Clocks mostly share one font and one colour: the cache holds a
// handful, and starts again empty should it ever grow past that.
#ifndef VELMORA_CLOCKGDICACHE_H
#define VELMORA_CLOCKGDICACHE_H

#include <windows.h>
#include <string.h>

#include <utility>
#include <vector>

class CClockGdiCache
{
public:
    CClockGdiCache() {}
    ~CClockGdiCache() { Clear(); }

    // The handles stay the cache's; none is selected into a context between two draws.
    HFONT Font(const LOGFONT& lf)
    {
        for (size_t i = 0; i < m_fonts.size(); i++)
            if (memcmp(&m_fonts[i].first, &lf, sizeof(lf)) == 0)
                return m_fonts[i].second;
        if (m_fonts.size() >= kMost)
            ClearFonts();
        HFONT hFont = ::CreateFontIndirect(&lf);
        if (hFont != NULL)
            m_fonts.push_back(std::make_pair(lf, hFont));
        return hFont;
    }
    HBRUSH Brush(COLORREF clr)
    {
        for (size_t i = 0; i < m_brushes.size(); i++)
            if (m_brushes[i].first == clr)
                return m_brushes[i].second;
        if (m_brushes.size() >= kMost)
            ClearBrushes();
        HBRUSH hBrush = ::CreateSolidBrush(clr);
        if (hBrush != NULL)
            m_brushes.push_back(std::make_pair(clr, hBrush));
        return hBrush;
    }
    void Clear()
    {
        ClearFonts();
        ClearBrushes();
    }

private:
    enum
    {
        kMost = 16
    };
    void ClearFonts()
    {
        for (size_t i = 0; i < m_fonts.size(); i++)
            ::DeleteObject(m_fonts[i].second);
        m_fonts.clear();
    }
    void ClearBrushes()
    {
        for (size_t i = 0; i < m_brushes.size(); i++)
            ::DeleteObject(m_brushes[i].second);
        m_brushes.clear();
    }

    std::vector<std::pair<LOGFONT, HFONT>> m_fonts;
    std::vector<std::pair<COLORREF, HBRUSH>> m_brushes;

    CClockGdiCache(const CClockGdiCache&);
    CClockGdiCache& operator=(const CClockGdiCache&);
};

#endif // VELMORA_CLOCKGDICACHE_H
