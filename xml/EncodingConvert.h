// EncodingConvert: conversion of bytes between Windows code pages, always through UTF-16.
#ifndef VELMORA_ENCODINGCONVERT_H
#define VELMORA_ENCODINGCONVERT_H
#include "DataBuffer.h"

class HashConvert;

class EncodingConvert
{
public:
    EncodingConvert();
    virtual ~EncodingConvert();

    // Every operation appends to out and never clears it; true = converted without a reported problem.
    bool Convert(unsigned long from, unsigned long to, const unsigned char* bytes, unsigned long count,
                 DataBuffer& out);
    bool ConvertToCharset(unsigned long from, const char* toName, const unsigned char* bytes,
                          unsigned long count, DataBuffer& out);
    bool ConvertFromCharset(const char* fromName, unsigned long to, const unsigned char* bytes,
                            unsigned long count, DataBuffer& out);
    bool ConvertViaUnicode(unsigned long from, unsigned long to, const unsigned char* bytes,
                           unsigned long count, DataBuffer& out);
    bool DecodeToUtf16(unsigned long codePage, const unsigned char* bytes, unsigned long count,
                       DataBuffer& out);
    bool EncodeFromUtf16(unsigned long codePage, const unsigned char* bytes, unsigned long count,
                         DataBuffer& out);

    // Table cache (shared by all converters).
    static void EnsureEncodeTable(unsigned long codePage);
    static void EnsureDecodeTable(unsigned long codePage);
    static bool LoadTableText(const char* text, HashConvert* map, bool encode);
    static void ReadTableRecords(const unsigned char* records, unsigned long size, HashConvert* map,
                                 bool encode);
    static void ReadTableOverlay(const unsigned char* records, unsigned long size, HashConvert* map);

    // Code pages converted by the engine's own code or tables.
    static bool IsConvertible(unsigned long codePage);

    unsigned long m_errorAction;
    unsigned long m_fallbackCodePage;
    unsigned long m_substituteCount;
    unsigned char m_substitute[100];
    unsigned long m_fromCodePage;
    unsigned long m_toCodePage;
    bool m_firstStage;
    bool m_secondStage;

private:
    bool DecodeSingleByte(unsigned long codePage, const unsigned char* p, unsigned long n, DataBuffer& out);
    bool Utf8ToTableDirect(unsigned long codePage, const unsigned char* p, unsigned long n, DataBuffer& out);
    bool DecodeMultiByteToUtf8(unsigned long codePage, const unsigned char* p, unsigned long n,
                               DataBuffer& out);
    bool DecodeSingleByteToUtf8(unsigned long codePage, const unsigned char* p, unsigned long n,
                                DataBuffer& out);
    bool DecodeMultiByte(unsigned long codePage, const unsigned char* p, unsigned long n, DataBuffer& out);
    bool EncodeByTable(unsigned long codePage, const unsigned char* p, unsigned long n, DataBuffer& out);
    bool Utf8ToUtf16(const unsigned char* p, unsigned long n, DataBuffer& out);
    bool Utf16ToUtf8(const unsigned char* p, unsigned long n, DataBuffer& out);
    bool Utf8ToUtf8(const unsigned char* p, unsigned long n, DataBuffer& out);
    void ErrorItem(const unsigned char* item, unsigned long len, unsigned long itemCodePage, DataBuffer& out);
    void ErrorUnitSecondStage(unsigned short unit, DataBuffer& out);
    bool TakesMarks() const;
    void WriteMarked(const unsigned char* bytes, unsigned long len, DataBuffer& out);
    static void AppendHex(const unsigned char* bytes, unsigned long len, DataBuffer& out);
};

#endif // VELMORA_ENCODINGCONVERT_H
