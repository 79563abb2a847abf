// The XML parser: one pass, one moving position, repairs instead of failing.
#include "XmlParser.h"
#include "ActivityLog.h"
#include "Charsets.h"
#include "EncodingConvert.h"
#include <ctype.h>
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
    : m_copy((int)bytes.GetSize() + 1), m_text(nullptr), m_pos(0), m_length(0)
{
    m_copy.AppendBytes(bytes.GetData(), (int)bytes.GetSize());
    m_text = m_copy.GetString();
    m_length = (unsigned long)m_copy.GetLength();
}

ParseEngine::ParseEngine(const char* text) : m_copy(text), m_text(nullptr), m_pos(0), m_length(0)
{
    m_text = m_copy.GetString();
    m_length = (unsigned long)m_copy.GetLength();
}

ParseEngine::ParseEngine(DataBuffer& bytes, InPlace)
    : m_copy(StringBuffer::kExternalStorage, nullptr, 0, 0), m_text(""), m_pos(0), m_length(0)
{
    unsigned long n = bytes.GetSize();
    if (!n || (int)n < 0)
        return;
    if (bytes.AppendByte(0))
    {
        bytes.DropLast(1);
        m_text = reinterpret_cast<const char*>(bytes.GetData());
        m_length = n;
        return;
    }
    // No room for the NUL: the engine reads a copy, as it would otherwise.
    m_copy.AppendBytes(bytes.GetData(), (int)n);
    m_text = m_copy.GetString();
    m_length = (unsigned long)m_copy.GetLength();
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
    // The sets of the parser are white space and punctuation, all below 64: one bit each in two
    // words, the NUL that ends the text among them.
    unsigned int low = 1, high = 0;
    bool small = true;
    for (const char* s = set; *s; s++)
    {
        unsigned char c = (unsigned char)*s;
        if (c >= 64)
            small = false;
        else if (c < 32)
            low |= 1u << c;
        else
            high |= 1u << (c - 32);
    }
    if (small)
    {
        for (;; m_pos++)
        {
            unsigned char c = (unsigned char)m_text[m_pos];
            if (c < 64 && (((c < 32 ? low : high) >> (c & 31)) & 1))
                break;
        }
    }
    else
    {
        for (char c; (c = m_text[m_pos]) != 0; m_pos++)
        {
            const char* s = set;
            while (*s && *s != c)
                s++;
            if (*s)
                break;
        }
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
    ParseEngine engine(bytes, ParseEngine::kInPlace);
    bool result = Parse(engine, log, tracker, root);
    if (root && *root)
    {
        char storage[64];
        StringBuffer encoding(StringBuffer::kExternalStorage, storage, sizeof storage, 0);
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
    // it ends at the first NUL byte; it stops at the declaration, which opens the text.
    const char* text = (const char*)p;
    const char* limit = text + n;
    const char* decl = nullptr;
    for (const char* h = text; h < limit && *h; h++)
        if (*h == '<' && limit - h >= 5 && h[1] == '?' && (h[2] | 0x20) == 'x' && (h[3] | 0x20) == 'm' &&
            (h[4] | 0x20) == 'l')
        {
            decl = h;
            break;
        }
    if (!decl)
        return true;
    const char* close = decl;
    while (close < limit && *close && *close != '>')
        close++;
    if (close == limit || *close != '>')
        return true;
    // The declaration without its spaces, lowercased; a short one is made on the stack.
    char local[256];
    StringBuffer heapCopy(StringBuffer::kExternalStorage, nullptr, 0, 0);
    char* declaration = local;
    if (close - decl >= (int)sizeof(local))
    {
        heapCopy.AppendBytes(decl, (int)(close - decl));
        declaration = heapCopy.GetBuffer();
        if (!declaration)
            return true;
    }
    int length = 0;
    for (const char* c = decl; c < close; c++)
    {
        unsigned char b = (unsigned char)*c;
        if (b == ' ')
            continue;
        declaration[length++] = (char)(b >= 'A' && b <= 'Z' ? b + 32 : (b >= 0x80 ? tolower(b) : b));
    }
    declaration[length] = 0;
    const char* enc = strstr(declaration, "encoding=\"");
    if (!enc)
        return true;
    enc += 10;
    const char* quote = strchr(enc, '"');
    if (!quote)
        return true;
    // The name is already lowercased, so "utf-8" in any case reads "utf-8" here.
    if (quote == enc || ((quote - enc) == 5 && strncmp(enc, "utf-8", 5) == 0))
        return true;
    StringBuffer name(enc, (int)(quote - enc), 0);
    if (!IsKnownCharset(name.GetString()))
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
    if (!p || from < 0 || from > text.GetLength())
        return;
    char* r = p + from;
    while (*r && *r != '&')
        r++;
    if (!*r)
        return;
    char* w = r;
    bool replaced = false;
    while (*r)
    {
        if (*r == '&')
        {
            // The bytes are compared one by one and the comparison stops at the first that
            // differs, so nothing past the text's NUL is read.
            char c = 0;
            int length = 0;
            if (r[1] == 'l' && r[2] == 't' && r[3] == ';')
                c = '<', length = 4;
            else if (r[1] == 'g' && r[2] == 't' && r[3] == ';')
                c = '>', length = 4;
            else if (r[1] == 'a' && r[2] == 'p' && r[3] == 'o' && r[4] == 's' && r[5] == ';')
                c = '\'', length = 6;
            else if (r[1] == 'q' && r[2] == 'u' && r[3] == 'o' && r[4] == 't' && r[5] == ';')
                c = '"', length = 6;
            else if (r[1] == 'a' && r[2] == 'm' && r[3] == 'p' && r[4] == ';')
                c = '&', length = 5;
            if (length)
            {
                *w++ = c;
                r += length;
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
// RemoveChar, with no call when the byte does not occur (names and tags seldom hold one).
inline void RemoveCharIfAny(StringBuffer& text, char c)
{
    const char* p = text.GetString();
    for (int i = 0, n = text.GetLength(); i < n; i++)
        if (p[i] == c)
        {
            text.RemoveCharFrom(c, i);
            return;
        }
}

struct ParseState
{
    TreeNode* open = nullptr;
    TreeNode* finished = nullptr;
    TreeNode* declaration = nullptr;
    // The scratch texts start in storage of their own, so a parse makes no heap block for them
    // unless a text outgrows it.
    char dtdStorage[2000];
    char tagStorage[200];
    char attrNameStorage[200];
    char attrValueStorage[200];
    StringBuffer dtd{StringBuffer::kExternalStorage, dtdStorage, 2000, 2000};
    StringBuffer tag{StringBuffer::kExternalStorage, tagStorage, 200, 200};
    StringBuffer attrName{StringBuffer::kExternalStorage, attrNameStorage, 200, 200};
    StringBuffer attrValue{StringBuffer::kExternalStorage, attrValueStorage, 200, 200};

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
    RemoveCharIfAny(s.tag, '<');
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
        RemoveCharIfAny(s.attrName, '"');
        RemoveCharIfAny(s.attrName, '\'');
        RemoveCharIfAny(s.attrName, '<');
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
            if (e.Current() == '<' && e.Rest()[1] == '!' && e.StartsWith("<![CDATA["))
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
                // A run of text up to the next tag, noting on the way whether it holds an entity.
                const char* begin = e.Rest();
                unsigned long length = 0;
                bool ampersand = false;
                for (char c; (c = begin[length]) != 0 && c != '<'; length++)
                    ampersand |= c == '&';
                e.Skip(length);
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
                        if (content->AppendBytes(begin, (int)length) && ampersand)
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
