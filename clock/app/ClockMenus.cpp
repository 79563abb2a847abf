// Menu adjustments by command id; positions are used only where the menu has no id to go by.
#include "ClockMenus.h"

#include "resource.h"

namespace
{
int FindPosition(HMENU hMenu, UINT nID)
{
    int nCount = ::GetMenuItemCount(hMenu);
    for (int i = 0; i < nCount; i++)
        if (::GetMenuItemID(hMenu, i) == nID)
            return i;
    return -1;
}

void Remove(HMENU hMenu, UINT nID)
{
    ::DeleteMenu(hMenu, nID, MF_BYCOMMAND);
}

void Rename(HMENU hMenu, UINT nID, LPCSTR lpszText)
{
    ::ModifyMenuA(hMenu, nID, MF_BYCOMMAND | MF_STRING, nID, lpszText);
}

void RemoveAgentItems(HMENU hMenu, const BOOL bCharLoaded, const BOOL bCharVisible)
{
    if (!bCharLoaded)
    {
        Remove(hMenu, ID_SAY_TIME);
        Remove(hMenu, ID_MUTE_AGENT);
        Remove(hMenu, ID_SHOW_AGENT);
        Remove(hMenu, ID_HIDE_AGENT);
        return;
    }
    Remove(hMenu, bCharVisible ? ID_SHOW_AGENT : ID_HIDE_AGENT);
}

} // namespace

void AdjustClockMenu(HMENU hPopup, const CClockMenuState& state)
{
    // The separator that closes the timer group goes with the group; find it while it is there.
    int nAmend = FindPosition(hPopup, ID_AMEND_TIMER);
    BOOL bDropTimerGroup = !state.bOverClock || state.nClockType == 0;
    if (bDropTimerGroup && nAmend >= 0)
        ::DeleteMenu(hPopup, nAmend + 1, MF_BYPOSITION);

    if (state.bOverClock)
    {
        ::SetMenuDefaultItem(hPopup, ID_HIDE_CLOCK, FALSE);
        if (state.nClockType == 0)
        {
            Remove(hPopup, ID_STOP_COUNTDOWN);
            Remove(hPopup, ID_START_COUNTDOWN);
            Remove(hPopup, ID_PAUSE_COUNTDOWN);
            Remove(hPopup, ID_RESUME_COUNTDOWN);
            Remove(hPopup, ID_AMEND_TIMER);
        }
        else
        {
            if (state.nClockType == 1)
            {
                switch (state.nTimerState)
                {
                case 1:
                    Remove(hPopup, ID_START_COUNTDOWN);
                    Remove(hPopup, ID_PAUSE_COUNTDOWN);
                    break;
                case 2:
                    Remove(hPopup, ID_START_COUNTDOWN);
                    Remove(hPopup, ID_RESUME_COUNTDOWN);
                    break;
                default:
                    Remove(hPopup, ID_STOP_COUNTDOWN);
                    Remove(hPopup, ID_PAUSE_COUNTDOWN);
                    Remove(hPopup, ID_RESUME_COUNTDOWN);
                    break;
                }
            }
            else
            {
                Remove(hPopup, ID_STOP_COUNTDOWN);
                Remove(hPopup, ID_START_COUNTDOWN);
                Remove(hPopup, ID_PAUSE_COUNTDOWN);
                Remove(hPopup, ID_RESUME_COUNTDOWN);
            }
            Rename(hPopup, ID_DELETE_CLOCK, "Delete Timer");
            Rename(hPopup, ID_CTX_CONFIGURE, "Configure Timer");
        }
    }
    else
    {
        Remove(hPopup, ID_STOP_COUNTDOWN);
        Remove(hPopup, ID_START_COUNTDOWN);
        Remove(hPopup, ID_PAUSE_COUNTDOWN);
        Remove(hPopup, ID_RESUME_COUNTDOWN);
        Remove(hPopup, ID_AMEND_TIMER);
        Remove(hPopup, ID_DELETE_CLOCK);
        Remove(hPopup, ID_CTX_CONFIGURE);
    }

    if (state.nClockCount <= 1)
        ::EnableMenuItem(hPopup, ID_DELETE_CLOCK, MF_BYCOMMAND | MF_GRAYED);

    if (state.bCharLoaded)
    {
        if (state.bCharMuted)
            ::EnableMenuItem(hPopup, ID_SAY_TIME, MF_BYCOMMAND | MF_GRAYED);
        ::CheckMenuItem(hPopup, ID_MUTE_AGENT, MF_BYCOMMAND | (state.bCharMuted ? MF_CHECKED : MF_UNCHECKED));
    }
    RemoveAgentItems(hPopup, state.bCharLoaded, state.bCharVisible);
}

void AdjustTrayMenu(HMENU hPopup, const CTrayMenuState& state)
{
    if (state.bClockHidden)
        ::ModifyMenuA(hPopup, 1, MF_BYPOSITION | MF_STRING | MF_GRAYED, 1, "Hide Clock");

    if (state.bCharLoaded)
    {
        if (state.bCharMuted && !state.bAgentMissing)
            ::EnableMenuItem(hPopup, ID_SAY_TIME, MF_BYCOMMAND | MF_GRAYED);
    }
    RemoveAgentItems(hPopup, state.bCharLoaded, state.bCharVisible);

    ::ModifyMenuA(hPopup, ID_AUTO_HIDE,
                  MF_BYCOMMAND | MF_STRING | (state.bAutoHide ? MF_CHECKED : MF_UNCHECKED), ID_AUTO_HIDE,
                  "Auto Hide");
    if (state.bCharLoaded)
        ::ModifyMenuA(hPopup, ID_MUTE_AGENT,
                      MF_BYCOMMAND | MF_STRING | (state.bCharMuted ? MF_CHECKED : MF_UNCHECKED),
                      ID_MUTE_AGENT, "Mute Agent");
    ::SetMenuDefaultItem(hPopup, 0, TRUE);
}
