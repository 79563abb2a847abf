// Stored code-page tables: loading, the process-wide caches and the hashed code map.
#include "CodePageTables.h"
#include "EncodingConvert.h"
#include <bzlib.h>
#include <new>
#include <stdlib.h>
#include <string.h>

// ---------------------------------------------------------------- the table code pages

static const TableCodePage kTablePages[] = {
    {37, false, 269, 283},     {437, false, 269, 283},    {500, false, 269, 283},
    {708, false, 269, 283},    {720, false, 269, 283},    {737, false, 269, 283},
    {775, false, 269, 283},    {850, false, 269, 283},    {852, false, 269, 283},
    {855, false, 269, 283},    {857, false, 269, 283},    {858, false, 269, 283},
    {860, false, 269, 283},    {861, false, 269, 283},    {862, false, 269, 283},
    {863, false, 269, 283},    {864, false, 269, 283},    {865, false, 269, 283},
    {866, false, 269, 283},    {869, false, 269, 283},    {870, false, 269, 283},
    {874, false, 269, 283},    {875, false, 269, 283},    {1026, false, 269, 283},
    {1047, false, 269, 283},   {1140, false, 269, 283},   {1141, false, 269, 283},
    {1142, false, 269, 283},   {1143, false, 269, 283},   {1144, false, 269, 283},
    {1145, false, 269, 283},   {1146, false, 269, 283},   {1147, false, 269, 283},
    {1148, false, 269, 283},   {1149, false, 269, 283},   {1250, false, 269, 283},
    {1251, false, 269, 283},   {1252, false, 269, 283},   {1253, false, 269, 283},
    {1254, false, 269, 283},   {1255, false, 269, 283},   {1256, false, 269, 283},
    {1257, false, 269, 283},   {1258, false, 269, 283},   {10000, false, 269, 283},
    {10004, false, 269, 283},  {10005, false, 269, 283},  {10006, false, 269, 283},
    {10007, false, 269, 283},  {10010, false, 269, 283},  {10017, false, 269, 283},
    {10021, false, 269, 283},  {10029, false, 269, 283},  {10079, false, 269, 283},
    {10081, false, 269, 283},  {10082, false, 269, 283},  {20105, false, 269, 283},
    {20106, false, 269, 283},  {20107, false, 269, 283},  {20108, false, 269, 283},
    {20127, false, 269, 283},  {20261, false, 269, 283},  {20269, false, 269, 283},
    {20273, false, 269, 283},  {20277, false, 269, 283},  {20278, false, 269, 283},
    {20280, false, 269, 283},  {20284, false, 269, 283},  {20285, false, 269, 283},
    {20290, false, 269, 283},  {20297, false, 269, 283},  {20420, false, 269, 283},
    {20423, false, 269, 283},  {20424, false, 269, 283},  {20838, false, 269, 283},
    {20866, false, 269, 283},  {20871, false, 269, 283},  {20880, false, 269, 283},
    {20905, false, 269, 283},  {20924, false, 269, 283},  {21025, false, 269, 283},
    {21866, false, 269, 283},  {28591, false, 269, 283},  {28592, false, 269, 283},
    {28593, false, 269, 283},  {28594, false, 269, 283},  {28595, false, 269, 283},
    {28596, false, 269, 283},  {28597, false, 269, 283},  {28598, false, 269, 283},
    {28599, false, 269, 283},  {28603, false, 269, 283},  {28605, false, 269, 283},
    {38598, false, 269, 283},  {932, true, 7669, 4919},   {936, true, 7649, 7649},
    {949, true, 7669, 7669},   {950, true, 7649, 7649},   {1361, true, 7669, 7669},
    {10001, true, 4919, 4919}, {51932, true, 4919, 4919}, {51936, true, 7649, 7649},
    {51949, true, 7669, 7669},
};
static const int kTablePageCount = (int)(sizeof(kTablePages) / sizeof(kTablePages[0]));

static HashConvert* s_encodeCache[kTablePageCount];
static HashConvert* s_decodeMapCache[kTablePageCount];
static UnicodeLookup* s_decodeLookupCache[kTablePageCount];

static int TableIndex(unsigned long codePage)
{
    for (int i = 0; i < kTablePageCount; i++)
        if (kTablePages[i].codePage == codePage)
            return i;
    return -1;
}

const TableCodePage* FindTableCodePage(unsigned long codePage)
{
    int i = TableIndex(codePage);
    return i < 0 ? nullptr : &kTablePages[i];
}

const TableCodePage* GetTableCodePages(int* count)
{
    *count = kTablePageCount;
    return kTablePages;
}

HashConvert* CachedEncodeTable(unsigned long codePage)
{
    int i = TableIndex(codePage);
    return i < 0 ? nullptr : s_encodeCache[i];
}

HashConvert* CachedDecodeMap(unsigned long codePage)
{
    int i = TableIndex(codePage);
    return i < 0 ? nullptr : s_decodeMapCache[i];
}

UnicodeLookup* CachedDecodeLookup(unsigned long codePage)
{
    int i = TableIndex(codePage);
    return i < 0 ? nullptr : s_decodeLookupCache[i];
}

// ---------------------------------------------------------------- HashConvert

HashConvert::HashConvert() : m_asciiIdentity(false), m_bucketCount(0), m_buckets(nullptr) {}

HashConvert::~HashConvert()
{
    Clear();
}

void HashConvert::SetBucketCount(unsigned long count)
{
    Clear();
    if (!count)
        return;
    m_buckets = static_cast<unsigned char**>(calloc(count, sizeof(unsigned char*)));
    if (m_buckets)
        m_bucketCount = count;
}

void HashConvert::Clear()
{
    for (unsigned long i = 0; i < m_bucketCount; i++)
        free(m_buckets[i]);
    free(m_buckets);
    m_buckets = nullptr;
    m_bucketCount = 0;
}

unsigned long HashConvert::BucketOf(const unsigned char* key, unsigned int keyLen) const
{
    unsigned long word = 0;
    for (unsigned int i = 0; i < keyLen && i < 4; i++)
        word |= (unsigned long)key[i] << (8 * i);
    return word % m_bucketCount;
}

unsigned long HashConvert::BucketLength(unsigned long bucket) const
{
    if (bucket >= m_bucketCount || !m_buckets[bucket])
        return 0;
    const unsigned char* p = m_buckets[bucket];
    unsigned long n = 0;
    while (p[n])
    {
        n += 1 + p[n];
        n += 1 + p[n];
    }
    return n + 1;
}

void HashConvert::Insert(const unsigned char* key, unsigned int keyLen, const unsigned char* value,
                         unsigned int valueLen)
{
    if (!m_bucketCount || !key || keyLen < 1 || keyLen > 255 || valueLen > 255 || (valueLen && !value))
        return;
    unsigned long b = BucketOf(key, keyLen);
    unsigned long old = BucketLength(b);
    unsigned long used = old ? old - 1 : 0;
    unsigned char* block = static_cast<unsigned char*>(malloc(used + keyLen + valueLen + 3));
    if (!block)
        return;
    if (used)
        memcpy(block, m_buckets[b], used);
    unsigned char* w = block + used;
    *w++ = (unsigned char)keyLen;
    memcpy(w, key, keyLen);
    w += keyLen;
    *w++ = (unsigned char)valueLen;
    if (valueLen)
        memcpy(w, value, valueLen);
    w += valueLen;
    *w = 0;
    free(m_buckets[b]);
    m_buckets[b] = block;
}

void HashConvert::Remove(const unsigned char* key, unsigned int keyLen)
{
    if (!m_bucketCount || !key || !keyLen)
        return;
    unsigned long b = BucketOf(key, keyLen);
    if (!m_buckets[b])
        return;
    unsigned long length = BucketLength(b);
    unsigned char* kept = static_cast<unsigned char*>(malloc(length));
    if (!kept)
        return;
    unsigned long w = 0;
    const unsigned char* p = m_buckets[b];
    while (*p)
    {
        unsigned int kl = p[0];
        unsigned int vl = p[1 + kl];
        unsigned int entry = 2 + kl + vl;
        if (!(kl == keyLen && memcmp(p + 1, key, keyLen) == 0))
        {
            memcpy(kept + w, p, entry);
            w += entry;
        }
        p += entry;
    }
    free(m_buckets[b]);
    if (w)
    {
        kept[w] = 0;
        m_buckets[b] = kept;
    }
    else
    {
        free(kept);
        m_buckets[b] = nullptr;
    }
}

void HashConvert::Lookup(const unsigned char* key, unsigned int keyLen, unsigned char* value,
                         unsigned int* valueLen) const
{
    *valueLen = 0;
    if (!m_bucketCount || !key || !keyLen)
        return;
    const unsigned char* p = m_buckets[BucketOf(key, keyLen)];
    if (!p)
        return;
    while (*p)
    {
        unsigned int kl = p[0];
        unsigned int vl = p[1 + kl];
        if (kl == keyLen && memcmp(p + 1, key, keyLen) == 0)
        {
            memcpy(value, p + 2 + kl, vl);
            *valueLen = vl;
            return;
        }
        p += 2 + kl + vl;
    }
}

unsigned int HashConvert::GetMaxKeyLength() const
{
    unsigned int longest = 0;
    for (unsigned long b = 0; b < m_bucketCount; b++)
        for (const unsigned char* p = m_buckets[b]; p && *p; p += 2 + p[0] + p[1 + p[0]])
            if (p[0] > longest)
                longest = p[0];
    return longest;
}

void HashConvert::CopyReversed(HashConvert& target) const
{
    for (unsigned long b = 0; b < m_bucketCount; b++)
    {
        const unsigned char* p = m_buckets[b];
        if (!p)
            continue;
        while (*p)
        {
            unsigned int kl = p[0];
            unsigned int vl = p[1 + kl];
            if (vl)
                target.Insert(p + 2 + kl, vl, p + 1, kl);
            p += 2 + kl + vl;
        }
    }
}

UnicodeLookup::UnicodeLookup()
{
    memset(m_units, 0, sizeof(m_units));
}

void FillUnicodeLookup(const HashConvert& map, UnicodeLookup& lookup)
{
    for (int b = 1; b < 256; b++)
    {
        if (map.m_asciiIdentity && b <= 127)
        {
            lookup.m_units[b] = (unsigned short)b;
            continue;
        }
        unsigned char key = (unsigned char)b, value[256];
        unsigned int length = 0;
        map.Lookup(&key, 1, value, &length);
        lookup.m_units[b] = length == 2 ? (unsigned short)(value[0] | (value[1] << 8)) : 0;
    }
}

// ---------------------------------------------------------------- base64 and the container

unsigned char* ContentCoding::DecodeBase64(const char* text, unsigned long length, unsigned long* outLength)
{
    if (outLength)
        *outLength = 0;
    if (!text || !length || !outLength)
        return nullptr;
    unsigned long room = (length / 4) * 3 + ((length % 4) * 3) / 4 + 4;
    unsigned char* out = static_cast<unsigned char*>(malloc(room));
    if (!out)
        return nullptr;
    unsigned long bits = 0, n = 0;
    int bitCount = 0;
    for (unsigned long i = 0; i < length; i++)
    {
        char c = text[i];
        if (c == '=' || c == 0)
            break;
        int v;
        if (c >= 'A' && c <= 'Z')
            v = c - 'A';
        else if (c >= 'a' && c <= 'z')
            v = c - 'a' + 26;
        else if (c >= '0' && c <= '9')
            v = c - '0' + 52;
        else if (c == '+')
            v = 62;
        else if (c == '/')
            v = 63;
        else
            continue; // line breaks, blanks and any other stray character carry no bits
        bits = (bits << 6) | (unsigned long)v;
        bitCount += 6;
        if (bitCount >= 8)
        {
            bitCount -= 8;
            if (n < room)
                out[n++] = (unsigned char)(bits >> bitCount);
        }
    }
    *outLength = n;
    return out;
}

static const unsigned long kContainerMagic = 0xB394A7E1UL;

bool CorvitaBzip2::Decompress(const DataBuffer& in, DataBuffer& out)
{
    const unsigned char* p = in.GetData();
    unsigned long n = in.GetSize();
    if (!n)
    {
        out.SetSize(0);
        return true;
    }
    if (!p || n < 8)
        return false;
    unsigned long magic = p[0] | (p[1] << 8) | (p[2] << 16) | ((unsigned long)p[3] << 24);
    if (magic != kContainerMagic)
        return false;
    unsigned long stored = p[4] | (p[5] << 8) | (p[6] << 16) | ((unsigned long)p[7] << 24);
    if (stored > 0x10000000UL)
        return false;
    unsigned long room = stored + 20;
    if (!out.EnsureCapacity(room))
        return false;
    out.SetSize(0);
    unsigned int destLen = room;
    int status =
        BZ2_bzBuffToBuffDecompress(reinterpret_cast<char*>(out.GetData()), &destLen,
                                   const_cast<char*>(reinterpret_cast<const char*>(p + 8)), n - 8, 0, 0);
    // A damaged stream yields nothing rather than whatever the decompressor left behind, and says so.
    if (status != BZ_OK)
        destLen = 0;
    out.SetSize(destLen > out.GetCapacity() ? out.GetCapacity() : destLen);
    return status == BZ_OK;
}

// ---------------------------------------------------------------- loading

bool EncodingConvert::LoadTableText(const char* text, HashConvert* map, bool encode)
{
    if (!text || !*text || !map)
        return false;
    bool compressed = text[0] != 'x';
    ContentCoding coding;
    unsigned long length = 0;
    unsigned char* block = coding.DecodeBase64(text + 1, (unsigned long)strlen(text + 1), &length);
    if (!block || !length)
    {
        free(block);
        return false;
    }
    DataBuffer encoded;
    encoded.TakeBlock(block, length);
    DataBuffer records;
    if (compressed)
    {
        CorvitaBzip2 bzip;
        bzip.Decompress(encoded, records);
    }
    else
        records.Append(encoded.GetData(), encoded.GetSize());
    if (!records.GetSize())
        return false;
    const unsigned char* p = records.GetData();
    map->m_asciiIdentity = p[0] == 'a';
    if (records.GetSize() < 2)
        return true;
    if (p[1] == 'd')
    {
        if (encode)
            ReadTableOverlay(p + 2, records.GetSize() - 2, map);
    }
    else
        ReadTableRecords(p + 2, records.GetSize() - 2, map, encode);
    return true;
}

static void InsertPair(HashConvert* map, bool encode, unsigned long code, bool doubleByte,
                       unsigned short unit)
{
    unsigned char codeBytes[2], unitBytes[2] = {(unsigned char)unit, (unsigned char)(unit >> 8)};
    unsigned int codeLen;
    if (doubleByte)
    {
        codeBytes[0] = (unsigned char)(code >> 8);
        codeBytes[1] = (unsigned char)code;
        codeLen = 2;
    }
    else
    {
        codeBytes[0] = (unsigned char)code;
        codeLen = 1;
    }
    if (encode)
        map->Insert(unitBytes, 2, codeBytes, codeLen);
    else
        map->Insert(codeBytes, codeLen, unitBytes, 2);
}

void EncodingConvert::ReadTableRecords(const unsigned char* p, unsigned long size, HashConvert* map,
                                       bool encode)
{
    unsigned long i = 0;
    unsigned long code = 0, unit = 0;
    while (i < size && p[i] != 0)
    {
        if (i + 3 > size)
            return;
        code = (code + p[i]) & 0xFF;
        unit = (unit + (p[i + 1] | (p[i + 2] << 8))) & 0xFFFF;
        InsertPair(map, encode, code, false, (unsigned short)unit);
        i += 3;
    }
    i++;
    code = 0;
    unit = 0;
    while (i + 2 <= size && (p[i] | p[i + 1]) != 0)
    {
        if (i + 4 > size)
            return;
        code = (code + (p[i] | (p[i + 1] << 8))) & 0xFFFF;
        unit = (unit + (p[i + 2] | (p[i + 3] << 8))) & 0xFFFF;
        InsertPair(map, encode, code, true, (unsigned short)unit);
        i += 4;
    }
}

void EncodingConvert::ReadTableOverlay(const unsigned char* p, unsigned long size, HashConvert* map)
{
    unsigned long i = 0;
    while (i + 2 <= size && (p[i] | p[i + 1]) != 0)
    {
        map->Remove(p + i, 2);
        i += 2;
    }
    i += 2;
    while (i < size && p[i] != 0)
    {
        if (i + 3 > size)
            return;
        map->Remove(p + i + 1, 2);
        map->Insert(p + i + 1, 2, p + i, 1);
        i += 3;
    }
    i++;
    while (i + 2 <= size && (p[i] | p[i + 1]) != 0)
    {
        if (i + 4 > size)
            return;
        map->Remove(p + i + 2, 2);
        map->Insert(p + i + 2, 2, p + i, 2);
        i += 4;
    }
}

static void LoadDoubleByteText(unsigned long codePage, HashConvert* map, bool encode)
{
    StringBuffer joined;
    if (JoinStoredDoubleByteText(codePage, joined))
        EncodingConvert::LoadTableText(joined.GetString(), map, encode);
}

static HashConvert* BuildEncodeMap(int index)
{
    const TableCodePage& page = kTablePages[index];
    HashConvert* map = new (std::nothrow) HashConvert();
    if (!map)
        return nullptr;
    s_encodeCache[index] = map;
    map->SetBucketCount(page.encodeBuckets);
    if (!page.doubleByte)
        EncodingConvert::LoadTableText(GetStoredSingleByteText(page.codePage), map, true);
    else
    {
        LoadDoubleByteText(page.codePage, map, true);
        if (page.codePage == 10001)
            EncodingConvert::LoadTableText(GetStoredOverlayText(), map, true);
    }
    return map;
}

void EncodingConvert::EnsureEncodeTable(unsigned long codePage)
{
    int index = TableIndex(codePage);
    if (index < 0 || s_encodeCache[index])
        return;
    BuildEncodeMap(index);
}

void EncodingConvert::EnsureDecodeTable(unsigned long codePage)
{
    int index = TableIndex(codePage);
    if (index < 0)
        return;
    const TableCodePage& page = kTablePages[index];
    if (!page.doubleByte)
    {
        if (s_decodeLookupCache[index])
            return;
        UnicodeLookup* lookup = new (std::nothrow) UnicodeLookup();
        if (!lookup)
            return;
        s_decodeLookupCache[index] = lookup;
        HashConvert temp;
        temp.SetBucketCount(283);
        LoadTableText(GetStoredSingleByteText(codePage), &temp, false);
        FillUnicodeLookup(temp, *lookup);
        return;
    }
    if (s_decodeMapCache[index])
        return;
    if (codePage == 10001)
    {
        HashConvert* encodeMap = s_encodeCache[index] ? s_encodeCache[index] : BuildEncodeMap(index);
        HashConvert* map = new (std::nothrow) HashConvert();
        if (!map)
            return;
        s_decodeMapCache[index] = map;
        map->SetBucketCount(4919);
        if (encodeMap)
            encodeMap->CopyReversed(*map);
        return;
    }
    HashConvert* map = new (std::nothrow) HashConvert();
    if (!map)
        return;
    s_decodeMapCache[index] = map;
    map->SetBucketCount(page.decodeBuckets);
    LoadDoubleByteText(codePage, map, false);
}
