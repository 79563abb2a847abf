// XString: one text kept in ANSI, UTF-8 and UTF-16 forms, each made on demand.
#ifndef VELMORA_XSTRING_H
#define VELMORA_XSTRING_H
#include "DataBuffer.h"
#include "StringBuffer.h"

class XString : public CorvitaObject
{
public:
    XString(const XString&) = delete;
    XString& operator=(const XString&) = delete;
    // Construction
    XString();
    ~XString() override;

    // Operations
    void SetFromAnsi(const char* text);
    void SetFromUtf8(const char* text);
    void SetFromUtf16(const wchar_t* text);
    const char* GetAnsi();
    const char* GetUtf8();
    const wchar_t* GetUtf16();
    int GetUtf16Length();
    bool IsAnsiExact();
    void Clear();

private:
    bool MakeAnsi();
    bool MakeUtf8();
    bool MakeUtf16();

    unsigned char m_ansiState; // 0 undecided, 1 exact, 2 not
    bool m_utf16Valid;
    bool m_ansiValid;
    bool m_utf8Valid;
    DataBuffer m_utf16;
    StringBuffer m_ansi;
    StringBuffer m_utf8;
};

#endif // VELMORA_XSTRING_H
