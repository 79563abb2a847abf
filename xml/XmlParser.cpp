// The XML parser: one pass, one moving position, repairs instead of failing.
#include "XmlParser.h"
#include "ActivityLog.h"
#include "Charsets.h"
#include "EncodingConvert.h"
#include <string.h>

// ---------------------------------------------------------------- PercentTracker

int PercentTracker::GetPercent() const
{
    if (m_total == 0)
        return 100;
    unsigned long total = m_total, done = m_done;
    while (total > 1000000)
    {
        total /= 10;
        done /= 10;
    }
    return total ? (int)(done * 100 / total) : 100;
}

void PercentTracker::Notify()
{
    int percent = GetPercent();
    if (percent > m_lastPercent)
    {
        m_lastPercent = percent;
        if (m_callback)
        {
            long abort = 0;
            m_callback->Percent(m_value1, m_value2, percent, &abort);
        }
    }
}

void PercentTracker::Start(unsigned long total)
{
    m_total = total;
    m_done = 0;
    m_lastPercent = GetPercent();
}

void PercentTracker::ReportPosition(unsigned long position)
{
    m_done = position > m_total ? m_total : position;
    Notify();
}

void PercentTracker::Add(unsigned long amount)
{
    m_done = (amount > m_total - m_done) ? m_total : m_done + amount;
    Notify();
}

void PercentTracker::Finish()
{
    Add(m_total - m_done);
}

// ---------------------------------------------------------------- ParseEngine

ParseEngine::ParseEngine(const DataBuffer& bytes)
    : m_copy((int)bytes.GetSize() + 1), m_text(nullptr), m_pos(0)
{
    m_copy.AppendBytes(bytes.GetData(), (int)bytes.GetSize());
    m_text = m_copy.GetString();
}

ParseEngine::ParseEngine(const char* text) : m_copy(text), m_text(nullptr), m_pos(0)
{
    m_text = m_copy.GetString();
}

static inline bool IsWhite(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

void ParseEngine::SkipWhite()
{
    while (IsWhite(m_text[m_pos]))
        m_pos++;
}

void ParseEngine::SkipTo(char c)
{
    while (m_text[m_pos] && m_text[m_pos] != c)
        m_pos++;
}

bool ParseEngine::SeekCloseBeforeOpen(char close, char open)
{
    while (m_text[m_pos])
    {
        if (m_text[m_pos] == close)
            return true;
        if (m_text[m_pos] == open)
            return false;
        m_pos++;
    }
    return true;
}

void ParseEngine::CollectUntilAny(const char* set, StringBuffer& out)
{
    unsigned long start = m_pos;
    for (char c; (c = m_text[m_pos]) != 0; m_pos++)
    {
        // The set is a handful of bytes: compared in the loop, with no call per byte.
        const char* s = set;
        while (*s && *s != c)
            s++;
        if (*s)
            break;
    }
    out.AppendBytes(m_text + start, (int)(m_pos - start));
}

void ParseEngine::CollectUntil(char c, StringBuffer& out)
{
    unsigned long start = m_pos;
    while (m_text[m_pos] && m_text[m_pos] != c)
        m_pos++;
    out.AppendBytes(m_text + start, (int)(m_pos - start));
}

bool ParseEngine::CollectNested(char open, char close, int depth, StringBuffer& out)
{
    while (m_text[m_pos])
    {
        char c = m_text[m_pos++];
        out.AppendChar(c);
        if (c == close)
        {
            if (--depth == 0)
                return true;
        }
        else if (c == open)
            depth++;
    }
    return false;
}

bool ParseEngine::CollectThrough(const char* text, StringBuffer& out)
{
    const char* found = StrStrNoCase(m_text + m_pos, text);
    if (!found)
        return false;
    unsigned long end = (unsigned long)(found - m_text) + (unsigned long)strlen(text);
    out.AppendBytes(m_text + m_pos, (int)(end - m_pos));
    m_pos = end;
    return true;
}

bool ParseEngine::SkipPast(const char* text)
{
    const char* found = strstr(m_text + m_pos, text);
    if (!found)
        return false;
    m_pos = (unsigned long)(found - m_text) + (unsigned long)strlen(text);
    return true;
}

bool ParseEngine::StartsWith(const char* text) const
{
    return strncmp(m_text + m_pos, text, strlen(text)) == 0;
}

bool ParseEngine::StartsWithNoCase(const char* text) const
{
    const char* p = m_text + m_pos;
    for (; *text; text++, p++)
    {
        char a = *p, b = *text;
        if (!a)
            return false;
        if (a >= 'a' && a <= 'z')
            a = (char)(a - 32);
        if (b >= 'a' && b <= 'z')
            b = (char)(b - 32);
        if (a != b)
            return false;
    }
    return true;
}

// ---------------------------------------------------------------- the pipeline

namespace XmlLoader
{
bool LoadFile(const char* utf8Path, LogBase* log, PercentTracker* tracker, TreeNode** root)
{
    if (root)
        *root = nullptr;
    DataBuffer bytes;
    if (!ReadAndNormalise(utf8Path, bytes, log))
        return false;
    ParseEngine engine(bytes);
    bool result = Parse(engine, log, tracker, root);
    if (root && *root)
    {
        StringBuffer encoding;
        bool found = false;
        (*root)->GetEncoding(encoding, found);
        // The text is UTF-8 now. A document declared in any UTF-16 or UTF-32 form is read back as
        // UTF-8 too: those forms are full of NUL bytes, which would cut every 8-bit string short.
        unsigned long declared = found ? CharsetToCodePage(encoding.GetString()) : 0;
        if (declared == 1200 || declared == 1201 || declared == 65005 || declared == 65006)
            (*root)->SetEncoding("utf-8");
    }
    return result;
}

bool ReadAndNormalise(const char* utf8Path, DataBuffer& bytes, LogBase* log)
{
    if (!bytes.LoadFile(utf8Path, log))
        return false;
    return NormaliseToUtf8(bytes, log);
}

static void ReplaceWith(DataBuffer& bytes, DataBuffer& converted)
{
    bytes.TakeFrom(converted);
}

// StrStrNoCase within [text, end), which holds no NUL byte.
static const char* FindNoCase(const char* text, const char* end, const char* needle)
{
    size_t length = strlen(needle);
    for (const char* h = text; (size_t)(end - h) >= length; h++)
    {
        size_t k = 0;
        while (k < length)
        {
            unsigned char a = (unsigned char)h[k], b = (unsigned char)needle[k];
            if (a >= 'a' && a <= 'z')
                a = (unsigned char)(a - 32);
            if (b >= 'a' && b <= 'z')
                b = (unsigned char)(b - 32);
            if (a != b)
                break;
            k++;
        }
        if (k == length)
            return h;
    }
    return nullptr;
}

bool NormaliseToUtf8(DataBuffer& bytes, LogBase* log)
{
    unsigned long n = bytes.GetSize();
    const unsigned char* p = bytes.GetData();
    if (!n || !p)
        return false;
    if (n >= 2 && p[0] == 0xFF && p[1] == 0xFE)
    {
        DataBuffer out;
        EncodingConvert conv;
        conv.Convert(1200, 65001, p, n, out);
        ReplaceWith(bytes, out);
        return true;
    }
    if (n >= 2 && p[0] == 0xFE && p[1] == 0xFF)
    {
        DataBuffer out;
        EncodingConvert conv;
        conv.Convert(1201, 65001, p, n, out);
        ReplaceWith(bytes, out);
        return true;
    }
    if (n >= 3 && p[0] == 0xEF && p[1] == 0xBB && p[2] == 0xBF)
    {
        bytes.RemoveFront(3);
        return true;
    }
    // The search never reads past the file's bytes, and like any search in the text as a string
    // it ends at the first NUL byte.
    const char* text = (const char*)p;
    const char* end = static_cast<const char*>(memchr(text, 0, n));
    if (!end)
        end = text + n;
    const char* decl = FindNoCase(text, end, "<?xml");
    if (!decl)
        return true;
    const char* close = static_cast<const char*>(memchr(decl, '>', (size_t)(end - decl)));
    if (!close)
        return true;
    StringBuffer declaration(decl, (int)(close - decl), 0);
    declaration.RemoveChar(' ');
    declaration.ToLower();
    const char* enc = strstr(declaration.GetString(), "encoding=\"");
    if (!enc)
        return true;
    enc += 10;
    const char* quote = strchr(enc, '"');
    if (!quote)
        return true;
    StringBuffer name(enc, (int)(quote - enc), 0);
    if (name.GetLength() == 0 || !IsKnownCharset(name.GetString()) || name.EqualsNoCase("utf-8"))
        return true;
    unsigned long codePage = CharsetToCodePage(name.GetString());
    // A charset that is recognised but not convertible keeps the document's bytes as they are.
    if (!EncodingConvert::IsConvertible(codePage))
    {
        if (log)
        {
            log->LogError("Character set cannot be converted");
            log->LogData("charset", name.GetString());
        }
        return true;
    }
    DataBuffer out;
    EncodingConvert conv;
    conv.ConvertFromCharset(name.GetString(), 65001, p, n, out);
    ReplaceWith(bytes, out);
    return true;
}

// The five predefined entities, decoded in one pass, in the text from byte from on. The same as
// replacing each entity over that text in turn (in any order, "&amp;" last): every entity starts
// with the only '&' it holds and no replacement makes a letter or ';', so no replacement can make
// or break another match, and none reaches the bytes before from.
static void DecodeEntities(StringBuffer& text, int from = 0)
{
    char* p = text.GetBuffer();
    char* r = p && from >= 0 && from <= text.GetLength() ? strchr(p + from, '&') : nullptr;
    if (!r)
        return;
    static const struct
    {
        const char* name;
        int length;
        char c;
    } kEntities[] = {
        {"&lt;", 4, '<'}, {"&gt;", 4, '>'}, {"&apos;", 6, '\''}, {"&quot;", 6, '"'}, {"&amp;", 5, '&'}};
    char* w = r;
    bool replaced = false;
    while (*r)
    {
        if (*r == '&')
        {
            int k = 0;
            while (k < 5 && strncmp(r, kEntities[k].name, kEntities[k].length) != 0)
                k++;
            if (k < 5)
            {
                *w++ = kEntities[k].c;
                r += kEntities[k].length;
                replaced = true;
                continue;
            }
        }
        *w++ = *r++;
    }
    if (replaced)
        text.DropLast(text.GetLength() - (int)(w - p));
}

namespace
{
struct ParseState
{
    TreeNode* open = nullptr;
    TreeNode* finished = nullptr;
    TreeNode* declaration = nullptr;
    StringBuffer dtd{2000};
    StringBuffer tag{200};
    StringBuffer attrName{200};
    StringBuffer attrValue{200};

    ~ParseState() { delete declaration; }

    void Adopt(TreeNode* root)
    {
        if (declaration)
        {
            root->SetDeclaration(declaration);
            declaration = nullptr;
        }
        root->SetDtdText(dtd.GetString());
    }

    void Close()
    {
        TreeNode* node = open;
        if (!node)
            return;
        if (node->GetParent())
        {
            open = node->GetParent();
            return;
        }
        Adopt(node);
        if (finished && finished != node)
            delete finished;
        finished = node;
        open = nullptr;
    }
};

void ReadDeclaration(ParseEngine& e, ParseState& s)
{
    s.tag.Clear();
    e.CollectUntilAny(" \t\r\n/>", s.tag);
    e.SkipWhite();
    if (e.Current() == '/')
        e.Advance();
    delete s.declaration;
    s.declaration = TreeNode::CreateRoot(s.tag.GetString());
    while (!e.AtEnd() && e.Current() != '>')
    {
        unsigned long before = e.Position();
        s.attrName.Clear();
        s.attrValue.Clear();
        e.CollectUntilAny(" \t\r\n=?>", s.attrName);
        s.attrName.RemoveChar('"');
        e.SkipWhite();
        if (e.Current() == '=')
        {
            e.Advance();
            e.SkipWhite();
            if (e.Current() == '"')
                e.Advance();
            if (e.Current() == '\'')
                e.Advance();
            e.CollectUntilAny("\"'\r\n", s.attrValue);
            s.attrValue.RemoveChar('"');
            DecodeEntities(s.attrValue);
            if (e.Current() == '"')
                e.Advance();
            if (e.Current() == '\'')
                e.Advance();
        }
        if (s.declaration)
            s.declaration->AddAttribute(s.attrName.GetString(), s.attrValue.GetString());
        e.SkipWhite();
        if (e.Current() == '?')
        {
            e.Advance();
            e.SkipWhite();
        }
        // A byte that no rule consumes (a stray quote) is stepped over so the loop always moves on.
        if (e.Position() == before)
            e.Advance();
    }
    if (e.Current() == '>')
        e.Advance();
}

// Returns false when the end of the text was met while reading the tag name.
bool ReadStartTag(ParseEngine& e, ParseState& s)
{
    s.tag.Clear();
    e.CollectUntilAny(" \t\r\n/>", s.tag);
    if (e.AtEnd())
        return false;
    s.tag.RemoveChar('<');
    e.SkipWhite();
    bool empty = false;
    if (e.Current() == '/')
    {
        empty = true;
        e.Advance();
    }
    TreeNode* node =
        s.open ? TreeNode::CreateChild(s.open, s.tag.GetString()) : TreeNode::CreateRoot(s.tag.GetString());
    if (!node)
        return false;
    s.open = node;
    e.SkipWhite();
    while (!e.AtEnd() && e.Current() != '>')
    {
        unsigned long before = e.Position();
        s.attrName.Clear();
        s.attrValue.Clear();
        e.CollectUntilAny(" \t\r\n=/>", s.attrName);
        s.attrName.RemoveChar('"');
        s.attrName.RemoveChar('\'');
        s.attrName.RemoveChar('<');
        e.SkipWhite();
        if (e.Current() == '=')
        {
            e.Advance();
            e.SkipWhite();
            char q = e.Current();
            if (q == '"' || q == '\'')
            {
                e.Advance();
                e.CollectUntil(q, s.attrValue);
            }
            else
                e.CollectUntilAny("\"'", s.attrValue);
            DecodeEntities(s.attrValue);
            if (e.Current() == '"' || e.Current() == '\'')
                e.Advance();
        }
        node->AddAttribute(s.attrName.GetString(), s.attrValue.GetString());
        e.SkipWhite();
        if (e.Current() == '/')
        {
            empty = true;
            e.Advance();
            e.SkipWhite();
        }
        if (e.Position() == before)
            e.Advance();
    }
    if (!e.AtEnd())
        e.Advance();
    if (empty)
        s.Close();
    return true;
}
} // namespace

bool Parse(ParseEngine& e, LogBase* log, PercentTracker* tracker, TreeNode** root)
{
    if (!root)
        return false;
    *root = nullptr;
    if (tracker && e.Length())
        tracker->Start(e.Length());
    else
        tracker = nullptr;
    ParseState s;
    while (!e.AtEnd())
    {
        bool skipText = false;
        if (s.open)
        {
            e.SkipWhite();
            if (e.StartsWith("<![CDATA["))
            {
                for (int i = 0; i < 9; i++)
                    e.Advance();
                StringBuffer* content = s.open->ContentBuffer();
                StringBuffer scratch;
                StringBuffer& target = content ? *content : scratch;
                for (;;)
                {
                    e.CollectUntil(']', target);
                    if (e.AtEnd() || e.StartsWith("]]>"))
                        break;
                    target.AppendChar(']');
                    e.Advance();
                }
                for (int i = 0; i < 3; i++)
                    e.Advance();
                s.open->SetCdata(true);
                e.SkipTo('<');
                if (e.Current() == '<')
                    e.Advance();
                skipText = true;
            }
            else
            {
                // A run of text up to the next tag.
                unsigned long start = e.Position();
                const char* begin = e.Rest();
                e.SkipTo('<');
                unsigned long length = e.Position() - start;
                if (e.Current() == '<')
                    e.Advance();
                while (length && IsWhite(begin[length - 1]))
                    length--;
                if (length)
                {
                    StringBuffer* content = s.open->ContentBuffer((int)length);
                    if (content)
                    {
                        if (content->GetLength())
                            content->AppendChar(' ');
                        // The run is decoded on its own, after the text before it, so that no
                        // replacement can reach into that text.
                        int from = content->GetLength();
                        if (content->AppendBytes(begin, (int)length) && memchr(begin, '&', length))
                            DecodeEntities(*content, from);
                    }
                }
                skipText = true;
            }
        }
        else
        {
            e.SkipWhite();
            if (e.AtEnd())
                break;
            e.SkipTo('<');
        }
        if (!skipText && e.Current() == '<')
            e.Advance();

        char c = e.Current();
        e.SkipWhite();
        if (e.AtEnd())
            break;
        if (c == '!')
        {
            if (e.StartsWithNoCase("!--"))
            {
                if (!e.SkipPast("-->"))
                {
                    if (log)
                        log->LogError("Unclosed comment");
                    break;
                }
            }
            else if (e.StartsWith("![CDATA["))
            {
                // A section that does not open an element's text is skipped whole, so none of its
                // bytes turn up later as text.
                if (!e.SkipPast("]]>"))
                    break;
            }
            else if (e.StartsWithNoCase("!DOCTYPE"))
            {
                s.dtd.AppendChar('<');
                if (!e.CollectNested('<', '>', 1, s.dtd) && log)
                    log->LogError("Failed to parse DTD");
                s.dtd.AppendChar('\n');
            }
            else
            {
                e.SkipTo('>');
                e.Advance();
            }
        }
        else if (c == '?')
        {
            e.Advance();
            if (e.StartsWithNoCase("xml "))
                ReadDeclaration(e, s);
            else
            {
                s.dtd.AppendChar('<');
                e.CollectThrough("?>", s.dtd);
                s.dtd.AppendChar('\n');
            }
        }
        else if (c == '/')
        {
            if (tracker)
                tracker->ReportPosition(e.Position());
            if (e.SeekCloseBeforeOpen('>', '<'))
                e.Advance();
            else if (log)
            {
                log->LogError("Error in closing tag");
                if (s.open)
                    log->LogData("error_tag", s.open->GetTag() ? s.open->GetTag() : "");
            }
            if (s.open)
                s.Close();
        }
        else
        {
            if (!ReadStartTag(e, s))
                break;
        }
    }
    if (s.finished && s.open && s.open != s.finished)
    {
        TreeNode* top = s.open;
        while (top->GetParent())
            top = top->GetParent();
        if (top != s.finished)
            delete top;
        s.open = nullptr;
    }
    if (!s.finished && s.open)
    {
        TreeNode* top = s.open;
        while (top->GetParent())
            top = top->GetParent();
        s.Adopt(top);
        s.finished = top;
    }
    if (tracker)
        tracker->Finish();
    *root = s.finished;
    return true;
}
} // namespace XmlLoader
