// CORXOutlookLayout: where the page buttons, the shortcuts and the two scroll buttons of a shortcut
// bar go, and how far one scroll step moves: plain arithmetic on sizes, apart from any window.
#ifndef VELMORA_ORXOUTLOOKLAYOUT_H
#define VELMORA_ORXOUTLOOKLAYOUT_H

#include <afxwin.h>

#include <vector>

class CORXOutlookLayout
{
    // Construction
public:
    CORXOutlookLayout();

    // What the layout is given
public:
    CRect m_rectClient;
    BOOL m_bHorz;                     // shortcuts run left to right (a bar docked at the top or bottom)
    int m_nPages;                     // pages of the bar
    int m_iActivePage;                // index of the active page, -1 none
    int m_nPageButtonsShown;          // how many page buttons have room (the first ones); the rest are off
    int m_nPageButtonExtent;          // height of one page button
    int m_nSpacing;                   // gap before each shortcut
    CSize m_sizeScrollButton;         // each of the two scroll buttons
    std::vector<CSize> m_arShortcuts; // the shown shortcuts' sizes, in their order
    int m_iFirstVisible;              // the first shortcut scrolled into view

    // What it answers
public:
    std::vector<CRect> m_arPageRects; // one per page, empty for a page whose button has no room
    CRect m_rectShortcutArea;         // between the page buttons
    std::vector<CRect> m_arShortcutRects;
    int m_nScrollPos; // pixels the shortcuts are moved back by
    BOOL m_bCanScrollDown;
    CRect m_rectScrollUp;   // empty while there is nothing to scroll back to
    CRect m_rectScrollDown; // empty while every shortcut after the first visible one fits

    // Operations
public:
    // Lays everything out; the first visible shortcut is first brought into the shortcuts' range.
    void Calculate();
    // How many shortcuts one page step moves: those that fit in the shortcut area, measured by the
    // first visible one, never fewer than 1 (also when the area or the shortcut has no extent).
    int GetPageStep() const;
    // The first visible index after a step of nStep shortcuts (negative: back, never below 0).
    // Stepping forward needs something cut off below; a step that would reach past the last
    // shortcut stops at the first index from which the last one shows whole.
    int StepTarget(int nStep) const;
    // The first visible index that fills the area best when the bar grew: the lowest index from
    // which the last shortcut still ends inside the area, never above the current one.
    int ScrollBackTarget() const;

    // Implementation
protected:
    int Extent(const CSize& size) const { return m_bHorz ? size.cx : size.cy; }
    int AreaExtent() const { return m_bHorz ? m_rectShortcutArea.Width() : m_rectShortcutArea.Height(); }
    // The extent the shortcuts from index iFirst to the last take, with their gaps.
    int ExtentFrom(int iFirst) const;
};

#endif // VELMORA_ORXOUTLOOKLAYOUT_H
