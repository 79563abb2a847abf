// Stored code-page tables: the hashed code map, the single-byte decode array, base64 and the bzip2 container.
#ifndef VELMORA_CODEPAGETABLES_H
#define VELMORA_CODEPAGETABLES_H
#include "DataBuffer.h"
#include "StringBuffer.h"

// Map of byte strings to byte strings, each bucket one packed entry list.
class HashConvert
{
public:
    HashConvert(const HashConvert&) = delete;
    HashConvert& operator=(const HashConvert&) = delete;
    HashConvert();
    virtual ~HashConvert();

    void SetBucketCount(unsigned long count);
    void Clear();
    void Insert(const unsigned char* key, unsigned int keyLen, const unsigned char* value,
                unsigned int valueLen);
    void Remove(const unsigned char* key, unsigned int keyLen);
    void Lookup(const unsigned char* key, unsigned int keyLen, unsigned char* value,
                unsigned int* valueLen) const;
    unsigned long BucketLength(unsigned long bucket) const;
    void CopyReversed(HashConvert& target) const;
    unsigned long GetBucketCount() const { return m_bucketCount; }
    unsigned int GetMaxKeyLength() const; // 0 when empty

    bool m_asciiIdentity;

private:
    unsigned long BucketOf(const unsigned char* key, unsigned int keyLen) const;

    unsigned long m_bucketCount;
    unsigned char** m_buckets;
};

class UnicodeLookup
{
public:
    UnicodeLookup();
    virtual ~UnicodeLookup() {}
    unsigned short m_units[256];
};

void FillUnicodeLookup(const HashConvert& map, UnicodeLookup& lookup);

class ContentCoding
{
public:
    virtual ~ContentCoding() {}
    // Newly allocated (malloc) block, or null; the caller owns it.
    unsigned char* DecodeBase64(const char* text, unsigned long length, unsigned long* outLength);
};

class CorvitaBzip2
{
public:
    virtual ~CorvitaBzip2() {}
    bool Decompress(const DataBuffer& in, DataBuffer& out);
};

// What the table caches know of a code page.
struct TableCodePage
{
    unsigned long codePage;
    bool doubleByte;
    unsigned long encodeBuckets;
    unsigned long decodeBuckets;
};
const TableCodePage* FindTableCodePage(unsigned long codePage);
const TableCodePage* GetTableCodePages(int* count);

// The cached tables (null until loaded); set by EncodingConvert::EnsureEncodeTable/EnsureDecodeTable.
HashConvert* CachedEncodeTable(unsigned long codePage);
HashConvert* CachedDecodeMap(unsigned long codePage);
UnicodeLookup* CachedDecodeLookup(unsigned long codePage);

// Stored texts, produced by the table generator.
const char* GetStoredSingleByteText(unsigned long codePage);
const char* GetStoredOverlayText();
bool JoinStoredDoubleByteText(unsigned long codePage, StringBuffer& out);

#endif // VELMORA_CODEPAGETABLES_H
