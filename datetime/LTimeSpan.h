// CLTimeSpan: a signed span of whole seconds.
#ifndef VELMORA_DATETIME_LTIMESPAN_H
#define VELMORA_DATETIME_LTIMESPAN_H

#include <afx.h>

class CLTimeSpan : public CObject
{
    DECLARE_SERIAL(CLTimeSpan)

public:
    // The most negative count marks an invalid span.
    static const LONGLONG INVALID_SPAN = (LONGLONG)0x8000000000000000ULL;

    // Construction
    CLTimeSpan();
    CLTimeSpan(LONG days, WORD hours, WORD minutes, WORD seconds);
    CLTimeSpan(LONGLONG seconds);
    CLTimeSpan(const CLTimeSpan& other);
    CLTimeSpan& operator=(const CLTimeSpan& other);

    // Attributes
    BOOL IsValid() const { return m_span != INVALID_SPAN; }
    BOOL IsPositive() const { return m_span >= 0; }
    LONGLONG GetTotalSeconds() const { return m_span; }
    LONG GetTotalDays() const;
    WORD GetHours() const;
    WORD GetMinutes() const;
    WORD GetSeconds() const;

    // Operations
    void Set(LONG days, WORD hours, WORD minutes, WORD seconds);
    void SetInvalid() { m_span = INVALID_SPAN; }
    void Negate();
    BOOL operator==(const CLTimeSpan& other) const { return m_span == other.m_span; }
    BOOL operator!=(const CLTimeSpan& other) const { return m_span != other.m_span; }
    // Flags: bit 0 set gives hours and minutes only.
    CString Format(const CString& fmt) const;
    CString Format(DWORD flags = 0) const;

    // Implementation
protected:
    ULONGLONG Magnitude() const;
    LONGLONG m_span;
};

#endif // VELMORA_DATETIME_LTIMESPAN_H
