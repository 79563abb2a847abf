// StringBuffer: the library's growable NUL-terminated 8-bit string, and its case-insensitive search.
#ifndef VELMORA_STRINGBUFFER_H
#define VELMORA_STRINGBUFFER_H
#include "Containers.h"

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
    const char* GetString() const;
    char* GetBuffer();
    int GetLength() const;
    int GetCapacity() const;
    int GetGrowBy() const;
    bool IsValid() const { return m_marker == 0xAA; }

    // Operations
    void Clear();
    bool SetString(const char* text);
    bool AppendChar(char c);
    bool Append(const char* text);
    bool AppendBytes(const void* bytes, int count);
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
    void Check() const;
    bool Grow(int newCapacity, bool adaptStep);

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
