// The speaking clock's texts and schedule.
#include "SpeechText.h"

namespace
{
int MinuteOfDay(const COleDateTime& dt)
{
    return dt.GetHour() * 60 + dt.GetMinute();
}
} // namespace

BOOL IsQuietTime(const COleDateTime& dtNow, const COleDateTime& dtStart, const COleDateTime& dtEnd)
{
    long nNow = dtNow.GetHour() * 3600L + dtNow.GetMinute() * 60L + dtNow.GetSecond();
    long nStart = MinuteOfDay(dtStart) * 60L;
    long nEnd = MinuteOfDay(dtEnd) * 60L;
    if (nStart <= nEnd)
        return nNow >= nStart && nNow <= nEnd;
    return nNow >= nStart || nNow <= nEnd;
}

CString VoicePrefix(int nQuiet, int nVolume, int nPitch, int nSpeed)
{
    if (nQuiet == quietWhisper || nQuiet == quietSilent)
    {
        CString strWhisper = _T("\\Chr=@Whisper@\\");
        strWhisper.Replace(_T('@'), _T('"'));
        return strWhisper;
    }
    CString strVolume, strVoice;
    strVolume.Format(_T("\\Vol=%d\\"), nVolume);
    strVoice.Format(_T("\\Pit=%d\\\\Spd=%d\\"), nPitch, nSpeed);
    return strVolume + strVoice;
}

CString WithAlternatives(const CString& strText, const CString& strPrefix)
{
    CString strOut = strPrefix;
    for (int i = 0; i < strText.GetLength(); i++)
    {
        TCHAR ch = strText[i];
        strOut += ch;
        if (ch == _T('|'))
            strOut += strPrefix;
    }
    return strOut;
}

CString DayOrdinal(int nDay)
{
    CString str;
    switch (nDay)
    {
    case 1:
    case 21:
    case 31:
        str.Format(_T("%dst"), nDay);
        break;
    case 2:
    case 22:
        str.Format(_T("%dnd"), nDay);
        break;
    case 3:
    case 23:
        str.Format(_T("%drd"), nDay);
        break;
    default:
        str.Format(_T("%dth"), nDay);
        break;
    }
    return str;
}

CString SpokenDate(const COleDateTime& dtNow)
{
    return dtNow.Format(_T("%A, %B ")) + DayOrdinal(dtNow.GetDay()) + dtNow.Format(_T(", %Y.\\Pau=500\\"));
}

CString SpokenTime(const COleDateTime& dtNow, BOOL bAmPm)
{
    int nHour = dtNow.GetHour();
    int nMinute = dtNow.GetMinute();
    int nHour12 = nHour == 0 ? 12 : (nHour > 12 ? nHour - 12 : nHour);
    LPCTSTR pszAmPm = nHour < 12 ? _T(" AM.") : _T(" PM.");
    CString strTime;
    if (nMinute == 0)
    {
        strTime.Format(_T("%d "), nHour12);
        strTime += bAmPm ? pszAmPm : _T("O'clock.");
    }
    else
    {
        strTime.Format(_T("%d:%0.2d"), nHour12, nMinute);
        strTime += bAmPm ? pszAmPm : _T(".");
    }
    return strTime;
}

BOOL MinuteFitsFrequency(int nMinute, int nFreq)
{
    switch (nFreq)
    {
    case 0:
        return nMinute == 0;
    case 1:
        return nMinute % 30 == 0;
    case 2:
        return nMinute % 15 == 0;
    case 3:
        return nMinute % 10 == 0;
    case 4:
        return nMinute % 5 == 0;
    default:
        return TRUE;
    }
}
