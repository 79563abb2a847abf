// ISO-2022-JP and ISO-2022-KR as byte transformations to and from their table code pages.
#include "Iso2022.h"

namespace
{
const unsigned char ESC = 0x1B, SO = 0x0E, SI = 0x0F;

// Output gathered in a small block so that the target buffer grows in few steps.
class BlockWriter
{
public:
    explicit BlockWriter(DataBuffer& out) : m_out(out), m_used(0) {}
    ~BlockWriter() { Flush(); }
    void Put(unsigned char b)
    {
        if (m_used == sizeof(m_block))
            Flush();
        m_block[m_used++] = b;
    }
    void Flush()
    {
        if (m_used)
            m_out.Append(m_block, m_used);
        m_used = 0;
    }

private:
    DataBuffer& m_out;
    unsigned char m_block[200];
    unsigned long m_used;
};

const unsigned short kKana[63] = {
    0x8142, 0x8175, 0x8176, 0x8141, 0x8145, 0x8392, 0x8340, 0x8342, 0x8344, 0x8346, 0x8348, 0x8383, 0x8385,
    0x8387, 0x8362, 0x815B, 0x8341, 0x8343, 0x8345, 0x8347, 0x8349, 0x834A, 0x834C, 0x834E, 0x8350, 0x8352,
    0x8354, 0x8356, 0x8358, 0x835A, 0x835C, 0x835E, 0x8360, 0x8363, 0x8365, 0x8367, 0x8369, 0x836A, 0x836B,
    0x836C, 0x836D, 0x836E, 0x8371, 0x8374, 0x8377, 0x837A, 0x837D, 0x837E, 0x8380, 0x8381, 0x8382, 0x8384,
    0x8386, 0x8388, 0x8389, 0x838A, 0x838B, 0x838C, 0x838D, 0x838F, 0x8393, 0x814A, 0x814B};

// 0x7F is no trail: its JIS form would be that of 0x80.
bool IsTrail(unsigned char t)
{
    return t >= 0x40 && t <= 0xFC && t != 0x7F;
}

void SjisToJis(unsigned char lead, unsigned char t, unsigned char* j1, unsigned char* j2)
{
    int a = 2 * (lead - (lead < 0xA0 ? 0x70 : 0xB0));
    if (t < 0x9F)
        a -= 1;
    int b = t >= 0x9F ? t - 0x7E : (t > 0x7F ? t - 0x20 : t - 0x1F);
    *j1 = (unsigned char)a;
    *j2 = (unsigned char)b;
}
} // namespace

unsigned short Japanese::HalfwidthKanaToFullwidth(unsigned char b, const unsigned char* next,
                                                  unsigned long nextCount, int* used)
{
    *used = 0;
    if (b < 0xA1 || b > 0xDF)
        return 0;
    unsigned short code = kKana[b - 0xA1];
    if (next && nextCount)
    {
        unsigned char mark = next[0];
        if (mark == 0xDE && (b == 0xB3 || (b >= 0xB6 && b <= 0xC4) || (b >= 0xCA && b <= 0xCE)))
        {
            unsigned char second = (unsigned char)code;
            if ((second >= 0x4A && second <= 0x67) || (second >= 0x6E && second <= 0x7A))
                code++;
            else if (code == 0x8345)
                code = 0x8394;
            *used = 1;
        }
        else if (mark == 0xDF && b >= 0xCA && b <= 0xCE)
        {
            code += 2;
            *used = 1;
        }
    }
    return code;
}

void Japanese::JapaneseDecode(const unsigned char* p, unsigned long n, DataBuffer& out)
{
    if (!p || !n)
        return;
    BlockWriter w(out);
    bool twoByte = false;
    for (unsigned long i = 0; i < n; i++)
    {
        unsigned char c = p[i];
        if (c == ESC)
        {
            if (i + 1 >= n)
                return;
            unsigned char second = p[i + 1];
            if (second == '$' || second == '(')
            {
                if (i + 2 >= n)
                    return;
                unsigned char third = p[i + 2];
                if (second == '$' && (third == 0x40 || third == 'B'))
                    twoByte = true;
                else if (second == '(' && (third == 'B' || third == 'J'))
                    twoByte = false;
                i += 2;
            }
            else
                i += 1;
            continue;
        }
        if (c == 0x0D || c == 0x0A)
        {
            twoByte = false;
            w.Put(c);
            continue;
        }
        if (twoByte)
        {
            if (i + 1 >= n)
                return;
            unsigned char j1 = c, j2 = p[++i];
            w.Put((unsigned char)(((j1 + 1) >> 1) + (j1 < 0x5F ? 0x70 : 0xB0)));
            w.Put((unsigned char)(j2 + ((j1 & 1) == 0 ? 0x7E : (j2 > 0x5F ? 0x20 : 0x1F))));
            continue;
        }
        w.Put(c);
    }
}

void Japanese::JapaneseEncode(const unsigned char* p, unsigned long n, DataBuffer& out)
{
    if (!p || !n)
        return;
    BlockWriter w(out);
    bool kanji = false;
    auto toAscii = [&]() {
        if (kanji)
        {
            w.Put(ESC);
            w.Put('(');
            w.Put('B');
            kanji = false;
        }
    };
    auto toKanji = [&]() {
        if (!kanji)
        {
            w.Put(ESC);
            w.Put('$');
            w.Put('B');
            kanji = true;
        }
    };
    // Whatever has no JIS X 0208 form goes out as it stands between ESC ( B and the next kanji,
    // where the decoder hands every byte but ESC, CR and LF back unchanged.
    for (unsigned long i = 0; i < n; i++)
    {
        unsigned char c = p[i];
        if (c == 0x0D || c == 0x0A)
        {
            toAscii();
            w.Put(c);
        }
        else if ((c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xEF))
        {
            if (i + 1 >= n)
                break;
            unsigned char t = p[i + 1];
            if (!IsTrail(t))
            {
                // The byte after it is a character of its own (a CR, say) and is taken next.
                toAscii();
                w.Put(c);
                continue;
            }
            i++;
            unsigned char j1, j2;
            SjisToJis(c, t, &j1, &j2);
            toKanji();
            w.Put(j1);
            w.Put(j2);
        }
        else if (c >= 0xF0 && c <= 0xFC)
        {
            // User-defined and vendor pairs keep their Shift-JIS bytes; the trail is not read as
            // a lead or a kana byte of its own.
            toAscii();
            w.Put(c);
            if (i + 1 < n && IsTrail(p[i + 1]))
                w.Put(p[++i]);
        }
        else if (c >= 0xA1 && c <= 0xDF)
        {
            int used = 0;
            unsigned short code = HalfwidthKanaToFullwidth(c, p + i + 1, n - i - 1, &used);
            unsigned char j1, j2;
            SjisToJis((unsigned char)(code >> 8), (unsigned char)code, &j1, &j2);
            toKanji();
            w.Put(j1);
            w.Put(j2);
            i += used;
        }
        else
        {
            // ASCII, and the single bytes 0x80, 0xA0 and 0xFD-0xFF.
            toAscii();
            w.Put(c);
        }
    }
    toAscii();
}

void Korean::KoreanDecode(const unsigned char* p, unsigned long n, DataBuffer& out)
{
    if (!p || !n)
        return;
    BlockWriter w(out);
    bool shifted = false;
    for (unsigned long i = 0; i < n; i++)
    {
        unsigned char c = p[i];
        if (c == ESC)
        {
            if (i + 3 < n && p[i + 1] == '$' && p[i + 2] == ')' && p[i + 3] == 'C')
                i += 3;
            continue;
        }
        if (c == SO)
        {
            shifted = true;
            continue;
        }
        if (c == SI)
        {
            shifted = false;
            continue;
        }
        if (shifted)
        {
            if (i + 1 >= n)
                return;
            w.Put((unsigned char)(c + 0x80));
            w.Put((unsigned char)(p[++i] + 0x80));
            continue;
        }
        w.Put(c);
    }
}

void Korean::KoreanEncode(const unsigned char* p, unsigned long n, DataBuffer& out)
{
    if (!p || !n)
        return;
    BlockWriter w(out);
    w.Put(ESC);
    w.Put('$');
    w.Put(')');
    w.Put('C');
    bool shifted = false;
    auto unshift = [&]() {
        if (shifted)
        {
            w.Put(SI);
            shifted = false;
        }
    };
    for (unsigned long i = 0; i < n; i++)
    {
        unsigned char c = p[i];
        if (c < 0x80)
        {
            unshift();
            w.Put(c);
            continue;
        }
        // Lead bytes 0x8E, 0x8F and 0x9B would come out as SO, SI and ESC, and a last byte has no
        // partner: these go out unshifted as they stand, where the decoder hands them back.
        // Code page 949 has single bytes 0x80 and 0xFF too.
        unsigned char k1 = (unsigned char)(c - 0x80);
        if (i + 1 >= n || k1 == SO || k1 == SI || k1 == ESC)
        {
            unshift();
            w.Put(c);
            if (i + 1 < n && p[i + 1] != ESC && p[i + 1] != SO && p[i + 1] != SI)
                w.Put(p[++i]);
            continue;
        }
        // Pairs outside the 94x94 set too: the decoder turns both bytes back.
        unsigned char k2 = (unsigned char)(p[++i] + 0x80);
        if (!shifted)
        {
            w.Put(SO);
            shifted = true;
        }
        w.Put(k1);
        w.Put(k2);
    }
}
