// XString: text in three forms, converted on demand through the library's own engine.
#include "XString.h"
#include "EncodingConvert.h"
#include <string.h>

XString::XString() : m_ansiState(0), m_utf16Valid(true), m_ansiValid(true), m_utf8Valid(true)
{
    static const unsigned char zero[2] = {0, 0};
    m_utf16.Append(zero, 2);
}

XString::~XString() {}

void XString::Clear()
{
    static const unsigned char zero[2] = {0, 0};
    m_utf16.Clear();
    m_utf16.Append(zero, 2);
    m_ansi.Clear();
    m_utf8.Clear();
    m_utf16Valid = m_ansiValid = m_utf8Valid = true;
    m_ansiState = 0;
}

void XString::SetFromAnsi(const char* text)
{
    Clear();
    if (!text || !*text)
        return;
    m_ansi.Append(text);
    m_utf16Valid = m_utf8Valid = false;
    m_ansiState = 1;
}

void XString::SetFromUtf8(const char* text)
{
    Clear();
    if (!text || !*text)
        return;
    m_utf8.Append(text);
    m_utf16Valid = m_ansiValid = false;
}

void XString::SetFromUtf16(const wchar_t* text)
{
    Clear();
    if (!text || !*text)
        return;
    m_utf16.Clear();
    m_utf16.AppendUtf16(text);
    m_utf8Valid = m_ansiValid = false;
}

static void TextFromBytes(StringBuffer& target, const DataBuffer& bytes)
{
    target.Clear();
    target.AppendBytes(bytes.GetData(), (int)bytes.GetSize());
}

bool XString::MakeAnsi()
{
    if (m_ansiValid)
        return true;
    DataBuffer out;
    EncodingConvert conv;
    if (m_utf8Valid)
        conv.Convert(65001, GetACP(), reinterpret_cast<const unsigned char*>(m_utf8.GetString()),
                     m_utf8.GetLength(), out);
    else if (m_utf16Valid)
        conv.Convert(1200, GetACP(), m_utf16.GetData(), m_utf16.GetSize() >= 2 ? m_utf16.GetSize() - 2 : 0,
                     out);
    else
    {
        Clear();
        return false;
    }
    TextFromBytes(m_ansi, out);
    m_ansiValid = true;
    return true;
}

bool XString::MakeUtf8()
{
    if (m_utf8Valid)
        return true;
    DataBuffer out;
    EncodingConvert conv;
    if (m_ansiValid)
        conv.Convert(GetACP(), 65001, reinterpret_cast<const unsigned char*>(m_ansi.GetString()),
                     m_ansi.GetLength(), out);
    else if (m_utf16Valid)
        conv.Convert(1200, 65001, m_utf16.GetData(), m_utf16.GetSize() >= 2 ? m_utf16.GetSize() - 2 : 0, out);
    else
    {
        Clear();
        return false;
    }
    TextFromBytes(m_utf8, out);
    m_utf8Valid = true;
    return true;
}

bool XString::MakeUtf16()
{
    if (m_utf16Valid)
        return true;
    DataBuffer out;
    EncodingConvert conv;
    if (m_utf8Valid)
        conv.Convert(65001, 1200, reinterpret_cast<const unsigned char*>(m_utf8.GetString()),
                     m_utf8.GetLength(), out);
    else if (m_ansiValid)
        conv.Convert(GetACP(), 1200, reinterpret_cast<const unsigned char*>(m_ansi.GetString()),
                     m_ansi.GetLength(), out);
    else
    {
        Clear();
        return false;
    }
    static const unsigned char zero[2] = {0, 0};
    out.Append(zero, 2);
    m_utf16.TakeFrom(out);
    m_utf16Valid = true;
    return true;
}

const char* XString::GetAnsi()
{
    MakeAnsi();
    return m_ansi.GetString();
}

const char* XString::GetUtf8()
{
    MakeUtf8();
    return m_utf8.GetString();
}

const wchar_t* XString::GetUtf16()
{
    static const wchar_t empty[1] = {0};
    MakeUtf16();
    const wchar_t* p = reinterpret_cast<const wchar_t*>(m_utf16.GetData());
    return p ? p : empty;
}

int XString::GetUtf16Length()
{
    if (m_ansiValid)
        return m_ansi.GetLength();
    MakeUtf16();
    return m_utf16.GetSize() >= 2 ? (int)(m_utf16.GetSize() - 2) / 2 : 0;
}

bool XString::IsAnsiExact()
{
    if (m_ansiState)
        return m_ansiState == 1;
    if (!m_utf16Valid && !m_utf8Valid)
        return true;
    DataBuffer out;
    EncodingConvert conv;
    bool ok;
    if (m_utf16Valid)
        ok = conv.Convert(1200, GetACP(), m_utf16.GetData(),
                          m_utf16.GetSize() >= 2 ? m_utf16.GetSize() - 2 : 0, out);
    else
        ok = conv.Convert(65001, GetACP(), reinterpret_cast<const unsigned char*>(m_utf8.GetString()),
                          m_utf8.GetLength(), out);
    TextFromBytes(m_ansi, out);
    m_ansiValid = true;
    m_ansiState = ok ? 1 : 2;
    return ok;
}
