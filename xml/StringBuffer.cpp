// StringBuffer: growable NUL-terminated 8-bit text.
#include "StringBuffer.h"
#include <ctype.h>
#include <limits.h>
#include <new>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

static const int kDefaultGrowBy = 200;
static const int kMaxGrowBy = 500000;

static char* AllocText(int capacity)
{
    char* p = static_cast<char*>(malloc(capacity > 0 ? capacity : 1));
    if (p)
        p[0] = 0;
    return p;
}

StringBuffer::StringBuffer()
    : m_marker(0xAA), m_external(false), m_data(nullptr), m_capacity(0), m_length(0), m_growBy(kDefaultGrowBy)
{
    m_data = AllocText(kDefaultGrowBy);
    m_capacity = m_data ? kDefaultGrowBy : 0;
}

StringBuffer::StringBuffer(const char* text)
    : m_marker(0xAA), m_external(false), m_data(nullptr), m_capacity(0), m_length(0), m_growBy(kDefaultGrowBy)
{
    int n = text ? (int)strlen(text) : 0;
    int capacity = text ? n + 1 : 4;
    m_data = AllocText(capacity);
    if (!m_data)
        return;
    m_capacity = capacity;
    if (n)
        memcpy(m_data, text, n + 1);
    m_length = n;
}

StringBuffer::StringBuffer(const void* bytes, int count, int growBy)
    : m_marker(0xAA), m_external(false), m_data(nullptr), m_capacity(0), m_length(0),
      m_growBy(growBy > 0 ? growBy : kDefaultGrowBy)
{
    if (count < 0 || !bytes)
        count = 0;
    m_data = AllocText(count + 1);
    if (!m_data)
        return;
    m_capacity = count + 1;
    memcpy(m_data, bytes, count);
    m_data[count] = 0;
    m_length = count;
}

StringBuffer::StringBuffer(int capacity)
    : m_marker(0xAA), m_external(false), m_data(nullptr), m_capacity(0), m_length(0),
      m_growBy(capacity > 0 ? capacity : kDefaultGrowBy)
{
    int c = capacity > 0 ? capacity : kDefaultGrowBy;
    m_data = AllocText(c);
    m_capacity = m_data ? c : 0;
}

StringBuffer::StringBuffer(ExternalStorage, char* storage, int capacity, int growBy)
    : m_marker(0xAA), m_external(storage != nullptr), m_data(storage), m_capacity(storage ? capacity : 0),
      m_length(0), m_growBy(growBy > 0 ? growBy : kDefaultGrowBy)
{
    if (m_data && m_capacity > 0)
        m_data[0] = 0;
    else
        m_external = false, m_data = nullptr, m_capacity = 0;
}

void StringBuffer::ReleaseData()
{
    if (!m_external)
        free(m_data);
    m_external = false;
    m_data = nullptr;
}

StringBuffer::~StringBuffer()
{
    Check();
    m_marker = 0;
    ReleaseData();
    m_data = reinterpret_cast<char*>(0xDDDDDDDD);
    m_capacity = m_length = m_growBy = (int)0xDDDDDDDD;
}

bool StringBuffer::Grow(int newCapacity, bool adaptStep)
{
    char* p = static_cast<char*>(malloc(newCapacity));
    if (!p)
        return false;
    if (m_data)
        memcpy(p, m_data, m_length + 1);
    else
        p[0] = 0;
    ReleaseData();
    m_data = p;
    m_capacity = newCapacity;
    if (adaptStep && m_growBy < newCapacity && m_growBy < kMaxGrowBy)
    {
        m_growBy = newCapacity / 2;
        if (m_growBy > kMaxGrowBy)
            m_growBy = kMaxGrowBy;
    }
    return true;
}

bool StringBuffer::SetString(const char* text)
{
    Check();
    // The source may lie inside this buffer, so it is copied before the buffer is touched.
    StringBuffer copy(text);
    if (text && copy.GetLength() != (int)strlen(text))
        return false;
    Clear();
    return Append(copy.GetString());
}

// The slow paths of the inline appends: growth, and copies of more than a few bytes.
bool StringBuffer::AppendCharSlow(char c)
{
    Check();
    if (!m_data || m_length + 1 >= m_capacity)
    {
        if (m_length > INT_MAX - m_growBy - 2 || !Grow(m_growBy + m_length + 1, true))
            return false;
    }
    m_data[m_length++] = c;
    m_data[m_length] = 0;
    return true;
}

bool StringBuffer::Append(const char* text)
{
    Check();
    if (!text || !*text)
    {
        if (m_data)
            m_data[m_length] = 0;
        return true;
    }
    size_t n = strlen(text);
    if (n > (size_t)(INT_MAX / 2))
        return false;
    if (!m_data || m_length + (int)n >= m_capacity)
    {
        if (m_length > INT_MAX - m_growBy - (int)n - 2 || !Grow(m_growBy + m_length + (int)n + 1, true))
            return false;
    }
    memcpy(m_data + m_length, text, n);
    m_length += (int)n;
    m_data[m_length] = 0;
    return true;
}

bool StringBuffer::AppendBytesSlow(const void* bytes, int count)
{
    Check();
    if (!bytes || count <= 0)
        return true;
    if (!m_data || m_length + count >= m_capacity)
    {
        if (m_length > INT_MAX - m_growBy - count - 2 || !Grow(m_growBy + m_length + count, true))
            return false;
    }
    memmove(m_data + m_length, bytes, count);
    m_length += count;
    m_data[m_length] = 0;
    return true;
}

bool StringBuffer::AppendBuffer(const StringBuffer& other)
{
    return AppendBytes(other.GetString(), other.GetLength());
}

bool StringBuffer::Prepend(const char* text)
{
    Check();
    if (!text || !*text)
        return true;
    int n = (int)strlen(text);
    if (!m_data || m_length + n >= m_capacity)
    {
        if (m_length > INT_MAX - m_growBy - n - 2 || !Grow(m_growBy + m_length + n + 1, false))
            return false;
    }
    memmove(m_data + n, m_data, m_length + 1);
    memcpy(m_data, text, n);
    m_length += n;
    return true;
}

bool StringBuffer::AppendInt(int value)
{
    char text[20];
    sprintf(text, "%d", value);
    return Append(text);
}

void StringBuffer::AppendErrorText(DWORD error)
{
    Check();
    char* text = nullptr;
    DWORD n = FormatMessageA(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
        error, MAKELANGID(LANG_NEUTRAL, SUBLANG_DEFAULT), reinterpret_cast<char*>(&text), 0, nullptr);
    if (n && text)
    {
        Append(text);
        Trim();
    }
    if (text)
        LocalFree(text);
}

void StringBuffer::AppendLastErrorText()
{
    AppendErrorText(GetLastError());
}

static bool IsBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

void StringBuffer::Trim()
{
    Check();
    if (!m_data)
        return;
    m_length = (int)strlen(m_data);
    int end = m_length;
    while (end > 0 && IsBlank(m_data[end - 1]))
        end--;
    int start = 0;
    while (start < end && IsBlank(m_data[start]))
        start++;
    memmove(m_data, m_data + start, end - start);
    m_length = end - start;
    m_data[m_length] = 0;
}

void StringBuffer::RemoveCharFrom(char c, int start)
{
    Check();
    if (!m_data || start < 0 || start >= m_length)
        return;
    int w = start;
    for (int r = start; r < m_length; r++)
        if (m_data[r] != c)
            m_data[w++] = m_data[r];
    m_length = w;
    m_data[m_length] = 0;
}

void StringBuffer::RemoveChar(char c)
{
    RemoveCharFrom(c, 0);
}

void StringBuffer::ReplaceChar(char from, char to)
{
    Check();
    for (int i = 0; i < m_length; i++)
        if (m_data[i] == from)
            m_data[i] = to;
}

int StringBuffer::ReplaceAll(const char* find, const char* replace)
{
    Check();
    if (!find || !*find || !m_data)
        return 0;
    if (!replace)
        replace = "";
    size_t findLen = strlen(find), replLen = strlen(replace);
    // Count first so the result block is sized from the result itself.
    int count = 0;
    for (const char* p = m_data; (p = strstr(p, find)) != nullptr; p += findLen)
        count++;
    if (!count)
        return 0;
    long long newLen = (long long)m_length + (long long)count * ((long long)replLen - (long long)findLen);
    if (newLen < 0 || newLen > INT_MAX - 2)
        return 0;
    int capacity = (int)newLen + 1;
    char* out = static_cast<char*>(malloc(capacity));
    if (!out)
        return 0;
    char* w = out;
    const char* r = m_data;
    for (const char* p; (p = strstr(r, find)) != nullptr; r = p + findLen)
    {
        memcpy(w, r, p - r);
        w += p - r;
        memcpy(w, replace, replLen);
        w += replLen;
    }
    size_t rest = strlen(r);
    memcpy(w, r, rest);
    w += rest;
    *w = 0;
    ReleaseData();
    m_data = out;
    m_capacity = capacity;
    m_length = (int)(w - out);
    return count;
}

void StringBuffer::ToLower()
{
    Check();
    for (int i = 0; i < m_length; i++)
        m_data[i] = (char)tolower((unsigned char)m_data[i]);
}

void StringBuffer::EscapeMarkupNoQuote()
{
    ReplaceAll("&", "&amp;");
    ReplaceAll("<", "&lt;");
    ReplaceAll(">", "&gt;");
}

void StringBuffer::EscapeMarkup()
{
    EscapeMarkupNoQuote();
    ReplaceAll("\"", "&quot;");
}

void StringBuffer::DropLast(int n)
{
    Check();
    if (n <= 0 || !m_data)
        return;
    m_length = n >= m_length ? 0 : m_length - n;
    m_data[m_length] = 0;
}

void StringBuffer::RemoveRange(int index, int n)
{
    Check();
    if (index < 0 || n <= 0 || index > m_length || n > m_length - index)
        return;
    memmove(m_data + index, m_data + index + n, m_length - index - n + 1);
    m_length -= n;
}

bool StringBuffer::Equals(const char* text) const
{
    Check();
    if (!text)
        return m_length == 0;
    return strcmp(GetString(), text) == 0;
}

bool StringBuffer::EqualsNoCase(const char* text) const
{
    Check();
    if (!text)
        return m_length == 0;
    return _stricmp(GetString(), text) == 0;
}

bool StringBuffer::Is7Bit() const
{
    Check();
    for (int i = 0; i < m_length; i++)
        if ((unsigned char)m_data[i] >= 0x80)
            return false;
    return true;
}

void StringBuffer::Shrink()
{
    Check();
    if (!m_data || m_external || m_capacity - (m_length + 1) <= 4)
        return;
    char* p = static_cast<char*>(realloc(m_data, m_length + 1));
    if (p)
    {
        m_data = p;
        m_capacity = m_length + 1;
    }
}

void StringBuffer::SyncLength()
{
    Check();
    if (m_data)
    {
        m_data[m_capacity - 1] = 0;
        m_length = (int)strlen(m_data);
    }
}

void StringBuffer::Split(ExtPtrArray& out, const char* delims, bool quotes, bool backslash) const
{
    Check();
    if (!m_length || !delims)
        return;
    StringBuffer* piece = new (std::nothrow) StringBuffer();
    if (!piece)
        return;
    bool inQuotes = false;
    for (int i = 0; i < m_length; i++)
    {
        char c = m_data[i];
        if (backslash && c == '\\' && i + 1 < m_length)
        {
            piece->AppendChar(c);
            piece->AppendChar(m_data[++i]);
            continue;
        }
        if (quotes && c == '"')
        {
            inQuotes = !inQuotes;
            piece->AppendChar(c);
            continue;
        }
        if (!inQuotes && strchr(delims, c) && c)
        {
            piece->Shrink();
            out.Append(piece);
            piece = new (std::nothrow) StringBuffer();
            if (!piece)
                return;
            continue;
        }
        piece->AppendChar(c);
    }
    out.Append(piece);
}

static inline unsigned char FoldAscii(unsigned char c)
{
    return (c >= 'a' && c <= 'z') ? (unsigned char)(c - 32) : c;
}

const char* StrStrNoCase(const char* haystack, const char* needle)
{
    if (!haystack || !needle || !*haystack || !*needle)
        return nullptr;
    for (const char* h = haystack; *h; h++)
    {
        const unsigned char* a = reinterpret_cast<const unsigned char*>(h);
        const unsigned char* b = reinterpret_cast<const unsigned char*>(needle);
        while (*a && *b && FoldAscii(*a) == FoldAscii(*b))
        {
            a++;
            b++;
        }
        if (!*b)
            return h;
        if (!*a)
            return nullptr;
    }
    return nullptr;
}
