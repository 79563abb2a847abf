// Damaged XML and damaged byte streams, each placed right before a page that may not be read.
#include "ActivityLog.h"
#include "CodePageTables.h"
#include "EncodingConvert.h"
#include "Iso2022.h"
#include "TestUtil.h"
#include "UnicodeForms.h"
#include "XmlParser.h"
#include <gtest/gtest.h>

namespace
{
// A committed area followed by a PAGE_NOACCESS page: input copied to its very end makes any read
// past the input fault at once.
class GuardedArea
{
public:
    GuardedArea()
    {
        SYSTEM_INFO si;
        GetSystemInfo(&si);
        m_page = si.dwPageSize;
        m_base = static_cast<unsigned char*>(
            VirtualAlloc(nullptr, kSize + m_page, MEM_RESERVE | MEM_COMMIT, PAGE_READWRITE));
        DWORD old;
        if (m_base)
            VirtualProtect(m_base + kSize, m_page, PAGE_NOACCESS, &old);
    }
    ~GuardedArea()
    {
        if (m_base)
            VirtualFree(m_base, 0, MEM_RELEASE);
    }
    const unsigned char* Place(const std::string& bytes)
    {
        size_t n = bytes.size() < kSize ? bytes.size() : kSize;
        unsigned char* p = m_base + kSize - n;
        memcpy(p, bytes.data(), n);
        return p;
    }
    bool Ready() const { return m_base != nullptr; }
    static const size_t kSize = 256 * 1024;

private:
    unsigned char* m_base;
    DWORD m_page;
};

class Random
{
public:
    explicit Random(unsigned long long seed) : m_state(seed) {}
    unsigned Next()
    {
        m_state ^= m_state << 13;
        m_state ^= m_state >> 7;
        m_state ^= m_state << 17;
        return (unsigned)(m_state >> 11);
    }
    unsigned Below(unsigned n) { return n ? Next() % n : 0; }

private:
    unsigned long long m_state;
};

std::string Mutate(Random& rng, std::string s)
{
    static const char special[] =
        "<>/?!-=\"'&;[]\x1B\x0E\x0F+-$()BC@J\r\n\t \xFF\xFE\xEF\xBB\xBF\xC3\xE0\xF0\x80\x81\x8E\x00";
    int edits = 1 + (int)rng.Below(6);
    for (int i = 0; i < edits; i++)
    {
        unsigned pos = s.empty() ? 0 : rng.Below((unsigned)s.size());
        switch (rng.Below(6))
        {
        case 0:
            if (!s.empty())
                s[pos] = (char)rng.Below(256);
            break;
        case 1:
            s.insert(s.begin() + pos, special[rng.Below(sizeof(special) - 1)]);
            break;
        case 2:
            s.resize(pos);
            break;
        case 3:
            if (!s.empty())
                s.erase(pos, 1 + rng.Below(8));
            break;
        case 4:
            if (!s.empty())
                s.insert(pos, s.substr(rng.Below((unsigned)s.size()), 1 + rng.Below(16)));
            break;
        default:
            if (!s.empty())
                s[pos] = special[rng.Below(sizeof(special) - 1)];
            break;
        }
    }
    return s;
}

const char* kDocuments[] = {
    "<?xml version=\"1.0\" encoding=\"iso-8859-1\"?>\n<!DOCTYPE r [<!ELEMENT r ANY>]><?pi x?>"
    "<r a=\"1\" b='2' c=3><x>t &amp; &lt;u&gt;</x><y/><!-- c --><z><![CDATA[<raw>]]></z>tail</r>",
    "<?xml version=\"1.0\" encoding=\"shift_jis\"?><r>\x88\x9F\x82\xA0</r>",
    "<?xml version=\"1.0\" encoding=\"utf-7\"?><r>+AOk-</r>",
    "<?xml version=\"1.0\" encoding=\"iso-2022-jp\"?><r>\x1B$B\x30\x21\x1B(B</r>",
    "<?xml version=\"1.0\" encoding=\"iso-2022-kr\"?>\x1B$)C<r>\x0E\x30\x21\x0F</r>",
    "\xFF\xFE<\0r\0>\0\xE9\0<\0/\0r\0>\0",
    "<a><b><c><d>deep</d></c></b></a>",
};

// Source code pages, one of each kind of decoder.
const unsigned long kPages[] = {65001, 1200, 1201, 65000, 65005, 65006, 50220, 50225, 1252,  932,
                                936,   949,  950,  1361,  10001, 51932, 51949, 37,    20105, 28591};
} // namespace

TEST(Robustness, DamagedInputNeverCrashesOrOverReads)
{
    GuardedArea area;
    ASSERT_TRUE(area.Ready());
    const unsigned char* probe = area.Place("abc");
    EXPECT_FALSE(IsBadReadPtr(probe, 3));
    EXPECT_TRUE(IsBadReadPtr(probe + 3, 1));
    Random rng(0x5EEDF00DULL);
    int inputs = 0;
    for (int round = 0; round < 25000; round++)
    {
        std::string doc = Mutate(rng, kDocuments[rng.Below(sizeof(kDocuments) / sizeof(kDocuments[0]))]);
        // The load pipeline on the damaged file bytes: normalisation reads the borrowed, guarded bytes.
        DataBuffer bytes;
        bytes.BorrowBlock(const_cast<unsigned char*>(area.Place(doc)), (unsigned long)doc.size());
        XmlLoader::NormaliseToUtf8(bytes, nullptr);
        ParseEngine engine(bytes);
        TreeNode* root = nullptr;
        Logger log;
        EXPECT_TRUE(XmlLoader::Parse(engine, &log, nullptr, &root));
        EXPECT_LE(engine.Position(), engine.Length());
        if (root)
            root->DeleteTree();
        inputs++;

        // Every decoder and the target encoders on damaged byte streams.
        for (int k = 0; k < 3; k++)
        {
            std::string raw = Mutate(rng, doc);
            const unsigned char* p = area.Place(raw);
            unsigned long n = (unsigned long)raw.size();
            unsigned long from = kPages[rng.Below(sizeof(kPages) / sizeof(kPages[0]))];
            unsigned long to = kPages[rng.Below(sizeof(kPages) / sizeof(kPages[0]))];
            DataBuffer out;
            EncodingConvert conv;
            conv.m_errorAction = rng.Below(4) == 0 ? 7 : 0;
            conv.Convert(from, to, p, n, out);
            conv.Convert(from, 65001, p, n, out);
            Japanese jp;
            Korean kr;
            DataBuffer iso;
            jp.JapaneseDecode(p, n, iso);
            jp.JapaneseEncode(p, n, iso);
            kr.KoreanDecode(p, n, iso);
            kr.KoreanEncode(p, n, iso);
            DataBuffer in;
            in.BorrowBlock(const_cast<unsigned char*>(p), n);
            DataBuffer uni;
            Utf7ToUtf16(in, uni);
            Utf16ToUtf7(in, uni);
            Utf8ToUtf32LE(in, uni);
            Utf32ToUtf8(in, uni);
            Utf8SequenceLength(p, n);
            unsigned long decoded = 0;
            ContentCoding coding;
            free(coding.DecodeBase64(reinterpret_cast<const char*>(p), n, &decoded));
            CorvitaBzip2 bz;
            DataBuffer unpacked;
            bz.Decompress(in, unpacked);
            inputs++;
        }
    }
    EXPECT_GE(inputs, 100000);
}

TEST(Robustness, DamagedTableTextsLoadSafely)
{
    GuardedArea area;
    ASSERT_TRUE(area.Ready());
    Random rng(0x7AB1E5ULL);
    const char* text = GetStoredSingleByteText(1252);
    ASSERT_NE(text, nullptr);
    // A damaged record stream must be read within its bounds.
    ContentCoding coding;
    unsigned long length = 0;
    unsigned char* block = coding.DecodeBase64(text + 1, (unsigned long)strlen(text + 1), &length);
    DataBuffer packed;
    packed.TakeBlock(block, length);
    DataBuffer records;
    CorvitaBzip2().Decompress(packed, records);
    std::string base(reinterpret_cast<const char*>(records.GetData()), records.GetSize());
    int inputs = 0;
    for (int i = 0; i < 80000; i++)
    {
        std::string damaged = Mutate(rng, base.substr(0, 2 + rng.Below((unsigned)base.size())));
        if (damaged.size() < 2)
            continue;
        const unsigned char* p = area.Place(damaged);
        HashConvert map;
        map.SetBucketCount(31);
        if (i & 1)
            EncodingConvert::ReadTableRecords(p + 2, (unsigned long)damaged.size() - 2, &map, (i & 2) != 0);
        else
            EncodingConvert::ReadTableOverlay(p + 2, (unsigned long)damaged.size() - 2, &map);
        inputs++;
    }
    EXPECT_GE(inputs, 76000);
}
