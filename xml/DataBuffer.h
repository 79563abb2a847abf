// DataBuffer: growable bytes that may borrow a caller's block and can read a whole file.
#ifndef VELMORA_DATABUFFER_H
#define VELMORA_DATABUFFER_H
#include "XmlDefs.h"

class LogBase;

class DataBuffer
{
public:
    DataBuffer(const DataBuffer&) = delete;
    DataBuffer& operator=(const DataBuffer&) = delete;
    // Construction
    DataBuffer();
    virtual ~DataBuffer();

    // Attributes
    const unsigned char* GetData() const;
    unsigned char* GetData();
    unsigned long GetSize() const;
    unsigned long GetCapacity() const;
    bool IsBorrowed() const;

    // Operations
    bool EnsureCapacity(unsigned long size);
    bool Append(const void* bytes, unsigned long count);
    bool AppendByte(unsigned char b);
    bool AppendUtf16(const wchar_t* text);
    void TakeBlock(void* block, unsigned long count); // block from malloc
    void BorrowBlock(void* block, unsigned long count);
    void TakeFrom(DataBuffer& other);
    void RemoveFront(unsigned long n);
    void Clear();                  // frees the data (unless borrowed)
    void SetSize(unsigned long n); // within the capacity
    void DropLast(unsigned long n);
    bool LoadFile(const char* utf8Path, LogBase* log);

private:
    void Check() const;
    bool Realloc(unsigned long newCapacity);
    void FreeData(); // the block goes back, unless borrowed

    unsigned char m_marker;
    bool m_borrowed;
    unsigned char* m_data;
    unsigned long m_length;
    unsigned long m_capacity;
    unsigned long m_blockSize; // of an owned block: at least the capacity (a spare block may be larger)
};

#endif // VELMORA_DATABUFFER_H
