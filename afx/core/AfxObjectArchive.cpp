// Persistent forms of run-time classes and times, kept apart from the classes themselves so
// that programs which never archive do not pull in the archive code.
#include "afx.h"
#include "AfxArchive.h"

// The framework limits stored class names; a longer one can only come from a damaged file.
static const UINT kMaxClassName = 64;

void CRuntimeClass::Store(CArchive& ar) const
{
    WORD nLen = (WORD)lstrlenA(m_lpszClassName);
    ar << (WORD)m_wSchema << nLen;
    ar.Write(m_lpszClassName, nLen);
}

CRuntimeClass* PASCAL CRuntimeClass::Load(CArchive& ar, UINT* pwSchemaNum)
{
    WORD wTemp, nLen;
    ar >> wTemp >> nLen;
    if (pwSchemaNum != NULL)
        *pwSchemaNum = wTemp;
    char szClassName[kMaxClassName + 1];
    if (nLen >= kMaxClassName || ar.Read(szClassName, nLen) != nLen)
        return NULL;
    szClassName[nLen] = '\0';
    return CRuntimeClass::FromName(szClassName);
}

// A time is stored as the signed 32-bit seconds a 32-bit time_t holds, whatever width this
// build's time_t has: read back, it is widened with its sign, so a time before 1970 (or the
// invalid -1) reads as the same time in every build.
CArchive& AFXAPI operator<<(CArchive& ar, CTime time)
{
    return ar << (DWORD)time.m_time;
}

CArchive& AFXAPI operator>>(CArchive& ar, CTime& rtime)
{
    LONG l;
    ar >> l;
    rtime.m_time = (time_t)l;
    return ar;
}

CArchive& AFXAPI operator<<(CArchive& ar, CTimeSpan timeSpan)
{
    return ar << (LONG)timeSpan.m_timeSpan;
}

CArchive& AFXAPI operator>>(CArchive& ar, CTimeSpan& rtimeSpan)
{
    LONG l;
    ar >> l;
    rtimeSpan.m_timeSpan = (time_t)l;
    return ar;
}
