// The forgiving single-pass XML parser and the load pipeline (read, normalise to UTF-8, parse).
#ifndef VELMORA_XMLPARSER_H
#define VELMORA_XMLPARSER_H
#include "DataBuffer.h"
#include "TreeNode.h"

class LogBase;

class PercentCallback
{
public:
    virtual ~PercentCallback() {}
    virtual void Percent(unsigned long value1, unsigned long value2, int percent, long* abort) = 0;
};

class PercentTracker
{
public:
    PercentTracker() : m_total(0), m_done(0), m_value1(0), m_value2(0), m_callback(nullptr), m_lastPercent(-1)
    {
    }
    virtual ~PercentTracker() {}
    int GetPercent() const;
    void ReportPosition(unsigned long position);
    void Add(unsigned long amount);
    void Finish();
    void Start(unsigned long total);

    unsigned long m_total;
    unsigned long m_done;
    unsigned long m_value1;
    unsigned long m_value2;
    PercentCallback* m_callback;

private:
    void Notify();
    int m_lastPercent;
};

class ParseEngine
{
public:
    explicit ParseEngine(const DataBuffer& bytes);
    explicit ParseEngine(const char* text);
    // Reads the buffer's bytes where they stand instead of a copy of them: a NUL is written just
    // after the last byte (the buffer's length stays), and the buffer must not change while the
    // engine reads it.
    enum InPlace
    {
        kInPlace
    };
    ParseEngine(DataBuffer& bytes, InPlace);
    virtual ~ParseEngine() {}

    char Current() const { return m_text[m_pos]; }
    bool AtEnd() const { return m_text[m_pos] == 0; }
    unsigned long Position() const { return m_pos; }
    unsigned long Length() const { return m_length; }
    // Moves on by n bytes that the caller has seen to hold no NUL.
    void Skip(unsigned long n) { m_pos += n; }
    const char* Rest() const { return m_text + m_pos; }
    void Advance()
    {
        if (m_text[m_pos])
            m_pos++;
    }
    void SkipWhite();
    void SkipTo(char c);
    bool SeekCloseBeforeOpen(char close, char open);
    void CollectUntilAny(const char* set, StringBuffer& out);
    void CollectUntil(char c, StringBuffer& out);
    bool CollectNested(char open, char close, int depth, StringBuffer& out);
    bool CollectThrough(const char* text, StringBuffer& out);
    bool SkipPast(const char* text);
    bool StartsWith(const char* text) const;       // exact bytes
    bool StartsWithNoCase(const char* text) const; // ASCII letters folded

private:
    StringBuffer m_copy;
    const char* m_text;
    unsigned long m_pos;
    unsigned long m_length;
};

namespace XmlLoader
{
bool LoadFile(const char* utf8Path, LogBase* log, PercentTracker* tracker, TreeNode** root);
bool ReadAndNormalise(const char* utf8Path, DataBuffer& bytes, LogBase* log);
bool NormaliseToUtf8(DataBuffer& bytes, LogBase* log);
bool Parse(ParseEngine& engine, LogBase* log, PercentTracker* tracker, TreeNode** root);
} // namespace XmlLoader

#endif // VELMORA_XMLPARSER_H
