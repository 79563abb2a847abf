// The texts and the schedule of the speaking clock: quiet hours, the voice tags put in front of
// every alternative of a text, the spoken date and time, and the minutes at which the clock speaks.
#ifndef VELMORA_SPEECHTEXT_H
#define VELMORA_SPEECHTEXT_H

#include <afx.h>
#include <afxdisp.h>

// What quiet hours do to speech ("QuietType"); outside them the result is always quietNone.
enum
{
    quietNone = 0,
    quietWhisper = 1,
    quietSilent = 2
};

// TRUE when the time of day of dtNow lies within [start, end]; a start later than the end spans
// midnight. Only the hours and minutes of start and end count.
BOOL IsQuietTime(const COleDateTime& dtNow, const COleDateTime& dtStart, const COleDateTime& dtEnd);

// The whisper tag for a whispering or silent quiet result, else the volume, pitch and speed tags.
CString VoicePrefix(int nQuiet, int nVolume, int nPitch, int nSpeed);

// strPrefix in front of the text and after every '|' of it, so that whichever alternative the
// speech server picks carries the tags. The text is copied as it is, never used as a format.
CString WithAlternatives(const CString& strText, const CString& strPrefix);

// "1st", "2nd", "3rd", "4th" ... "11th" ... "21st".
CString DayOrdinal(int nDay);
// "Wednesday, December 9th, 2026.\Pau=500\"
CString SpokenDate(const COleDateTime& dtNow);
// "3 O'clock.", "3:05.", or with bAmPm "3  PM.", "3:05 PM."
CString SpokenTime(const COleDateTime& dtNow, BOOL bAmPm);

// TRUE when the speaking clock speaks at this minute for "TimeFreq" nFreq.
BOOL MinuteFitsFrequency(int nMinute, int nFreq);

#endif // VELMORA_SPEECHTEXT_H
