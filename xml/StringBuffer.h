// StringBuffer: the library's growable NUL-terminated 8-bit string, and its case-insensitive search.
#ifndef VELMORA_STRINGBUFFER_H
#define VELMORA_STRINGBUFFER_H
#include "Containers.h"
#include <string.h>

class StringBuffer : public CorvitaObject
{
public:
    StringBuffer(const StringBuffer&) = delete;
    StringBuffer& operator=(const StringBuffer&) = delete;
    // Construction
    StringBuffer();
    explicit StringBuffer(const char* text);
    StringBuffer(const void* bytes, int count, int growBy);
    explicit StringBuffer(int capacity);
    // Starts in storage that the caller provides and keeps alive for the buffer's lifetime; the buffer
    // never frees it, and a text that outgrows it moves to memory of its own.
    enum ExternalStorage
    {
        kExternalStorage
    };
    StringBuffer(ExternalStorage, char* storage, int capacity, int growBy);
    ~StringBuffer() override;

    // Attributes
    const char* GetString() const
    {
        Check();
        return m_data ? m_data : "";
    }
    char* GetBuffer()
    {
        Check();
        return m_data;
    }
    int GetLength() const
    {
        Check();
        return m_length;
    }
    int GetCapacity() const
    {
        Check();
        return m_capacity;
    }
    int GetGrowBy() const
    {
        Check();
        return m_growBy;
    }
    bool IsValid() const { return m_marker == 0xAA; }

    // Operations
    void Clear()
    {
        Check();
        m_length = 0;
        if (m_data)
            m_data[0] = 0;
    }
    bool SetString(const char* text);
    bool AppendChar(char c)
    {
        Check();
        if (!m_data || m_length + 1 >= m_capacity)
            return AppendCharSlow(c);
        m_data[m_length++] = c;
        m_data[m_length] = 0;
        return true;
    }
    bool Append(const char* text);
    bool AppendBytes(const void* bytes, int count)
    {
        // A few bytes that fit are copied here, without a call: tags, names and short texts.
        Check();
        if (!bytes || count <= 0 || count > 64 || !m_data || m_length + count >= m_capacity)
            return AppendBytesSlow(bytes, count);
        CopyFew(m_data + m_length, static_cast<const char*>(bytes), count);
        m_length += count;
        m_data[m_length] = 0;
        return true;
    }
    bool AppendBuffer(const StringBuffer& other);
    bool Prepend(const char* text);
    bool AppendInt(int value);
    void AppendErrorText(DWORD error);
    void AppendLastErrorText();
    void Trim();
    void RemoveChar(char c);
    void RemoveCharFrom(char c, int start);
    void ReplaceChar(char from, char to);
    int ReplaceAll(const char* find, const char* replace);
    void ToLower();
    void EscapeMarkup();        // & < > "
    void EscapeMarkupNoQuote(); // & < >
    void DropLast(int n);
    void RemoveRange(int index, int n);
    bool Equals(const char* text) const;
    bool EqualsNoCase(const char* text) const;
    bool Is7Bit() const;
    void Shrink();
    // Splits at any byte of delims; pieces are new StringBuffers appended to out (owned by the caller).
    void Split(ExtPtrArray& out, const char* delims, bool quotes, bool backslash) const;
    // Recomputes the length from the first NUL, after the bytes were written through GetBuffer.
    void SyncLength();

private:
    void Check() const { VXML_CHECK(m_marker == 0xAA, "StringBuffer used after destruction"); }
    bool Grow(int newCapacity, bool adaptStep);
    bool AppendCharSlow(char c);
    bool AppendBytesSlow(const void* bytes, int count);
    // Copies 1 to 64 bytes; the ranges may overlap.
    static void CopyFew(char* to, const char* from, int n)
    {
        if (n > 16)
        {
            if (from < to + n && to < from + n)
            {
                memmove(to, from, (size_t)n);
                return;
            }
            // Eight bytes at a time, the last eight ending where the text ends.
            for (int i = 0; i < n - 8; i += 8)
            {
                unsigned long long a;
                memcpy(&a, from + i, 8);
                memcpy(to + i, &a, 8);
            }
            unsigned long long b;
            memcpy(&b, from + n - 8, 8);
            memcpy(to + n - 8, &b, 8);
        }
        else if (n >= 8)
        {
            // Every byte is read before any is written.
            unsigned long long a, b;
            memcpy(&a, from, 8);
            memcpy(&b, from + n - 8, 8);
            memcpy(to, &a, 8);
            memcpy(to + n - 8, &b, 8);
        }
        else if (n >= 4)
        {
            unsigned int a, b;
            memcpy(&a, from, 4);
            memcpy(&b, from + n - 4, 4);
            memcpy(to, &a, 4);
            memcpy(to + n - 4, &b, 4);
        }
        else
        {
            char a = from[0], b = from[n / 2], c = from[n - 1];
            to[0] = a;
            to[n / 2] = b;
            to[n - 1] = c;
        }
    }

    void ReleaseData();

    unsigned char m_marker;
    bool m_external; // m_data is the caller's storage
    char* m_data;
    int m_capacity;
    int m_length;
    int m_growBy;
};

// First place in haystack where needle occurs, only ASCII a-z folded; null when absent or either is empty.
const char* StrStrNoCase(const char* haystack, const char* needle);

#endif // VELMORA_STRINGBUFFER_H
