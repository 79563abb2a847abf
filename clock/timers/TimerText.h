// The two-line text of a countdown or event timer, and the once-a-second counting that moves it.
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
};

// Starts a countdown from its full interval; the next tick shows that value before counting.
void StartCountdown(CClock& timer);

// The clock tick's step of a timer (clock type 1 or 2), before anything is drawn. localNow is the
// current time in the timer's zone. A running countdown loses one second per tick (the first tick
// after its start shows the start value instead); the tick that brings it to 00:00:00 completes it,
// so that 00:00:00 shows once, and the next tick stops it with its interval back. An event timer
// completes once its time has come. TRUE when the timer reached its end in this step: hand it to
// the reminders. Nothing else moves a timer: paints and previews come at any rate and only read it.
BOOL AdvanceTimer(CClock& timer, const COleDateTime& localNow);

// What a timer shows at localNow, the current time in its zone.
CTimerText FormatTimerText(const CClock& timer, const COleDateTime& localNow);

// "%d Days," for a span of one or more whole days (sign dropped), else empty; then the span's
// hours, minutes and seconds as "HH:MM:SS" without sign.
CString FormatTimerSpan(const COleDateTimeSpan& span);

#endif // VELMORA_TIMERTEXT_H
