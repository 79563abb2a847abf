// The two-line text of a countdown or event timer, and the counting that each display pass does.
#ifndef VELMORA_TIMERTEXT_H
#define VELMORA_TIMERTEXT_H

#include <afx.h>
#include <afxdisp.h>

class CClock;

struct CTimerText
{
    CString strText;   // name, line feed, span line
    CString strWidest; // the longer line (the name when both are equally long)
    int nLines;
    BOOL bEnded; // the timer reached its end in this pass: hand it to the reminders
};

// One display pass of a timer (clock type 1 or 2): builds its text and advances its state. localNow
// is the current time in the timer's zone. Only the once-a-second tick passes bCount: a running
// countdown then loses one second and may end. Other passes (paints, previews) just show the time
// left, since a countdown stepped by every repaint would finish early.
CTimerText RenderTimerPass(CClock& timer, const COleDateTime& localNow, BOOL bCount);

// "%d Days," for a span of one or more whole days (sign dropped), else empty; then the span's
// hours, minutes and seconds as "HH:MM:SS" without sign.
CString FormatTimerSpan(const COleDateTimeSpan& span);

#endif // VELMORA_TIMERTEXT_H
