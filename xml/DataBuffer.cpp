// DataBuffer: growable bytes.
#include "DataBuffer.h"
#include "FileAccess.h"
#include "SpareBlocks.h"
#include <stdlib.h>
#include <string.h>

DataBuffer::DataBuffer()
    : m_marker(0xDB), m_borrowed(false), m_data(nullptr), m_length(0), m_capacity(0), m_blockSize(0)
{
}

DataBuffer::~DataBuffer()
{
    Check();
    FreeData();
    m_marker = 0;
    m_borrowed = false;
    m_data = nullptr;
    m_length = m_capacity = 0;
}

void DataBuffer::Check() const
{
    VXML_CHECK(m_marker == 0xDB, "DataBuffer used after destruction");
}

const unsigned char* DataBuffer::GetData() const
{
    Check();
    return m_data;
}

unsigned char* DataBuffer::GetData()
{
    Check();
    return m_data;
}

unsigned long DataBuffer::GetSize() const
{
    Check();
    return m_length;
}

unsigned long DataBuffer::GetCapacity() const
{
    Check();
    return m_capacity;
}

bool DataBuffer::IsBorrowed() const
{
    Check();
    return m_borrowed;
}

void DataBuffer::FreeData()
{
    if (!m_borrowed && m_data)
        SpareBlocks::Give(m_data, m_blockSize);
    m_data = nullptr;
    m_blockSize = 0;
}

// A borrowed block is never reallocated in place: growth copies it into a block of our own.
bool DataBuffer::Realloc(unsigned long newCapacity)
{
    unsigned char* p;
    unsigned long size = newCapacity ? newCapacity : 1;
    if (m_borrowed || !m_data)
    {
        size_t actual = 0;
        p = static_cast<unsigned char*>(SpareBlocks::Take(size, &actual));
        if (p)
            size = (unsigned long)actual;
        else
            p = static_cast<unsigned char*>(malloc(size));
        if (!p)
            return false;
        if (m_data && m_length)
            memcpy(p, m_data, m_length);
    }
    else if (m_blockSize >= size)
        p = m_data; // the block was larger than the buffer needed so far
    else
    {
        p = static_cast<unsigned char*>(realloc(m_data, size));
        if (!p)
            return false;
    }
    m_data = p;
    m_blockSize = size;
    m_capacity = newCapacity;
    m_borrowed = false;
    return true;
}

// At least 20000 bytes, and half what is held already: a text built by many appends is copied a
// bounded number of times over, not once per 20000 bytes.
static unsigned long GrowthStep(unsigned long length, unsigned long count)
{
    unsigned long step = count > 20000 ? count : 20000;
    unsigned long half = length / 2;
    if (half > step && half <= 0xFFFFFFFFUL - length - 20000)
        step = half;
    return step;
}

bool DataBuffer::EnsureCapacity(unsigned long size)
{
    Check();
    if (m_capacity >= size && m_data)
        return true;
    if (m_capacity >= size && !size)
        return true;
    return Realloc(size);
}

bool DataBuffer::Append(const void* bytes, unsigned long count)
{
    Check();
    if (!bytes || !count)
        return true;
    if (count > 0xFFFFFFFFUL - m_length - 20000)
        return false;
    if (m_length + count > m_capacity || !m_data)
    {
        if (!Realloc(m_length + GrowthStep(m_length, count)))
            return false;
    }
    memmove(m_data + m_length, bytes, count);
    m_length += count;
    return true;
}

bool DataBuffer::AppendByte(unsigned char b)
{
    Check();
    if (m_length >= m_capacity || !m_data)
    {
        if (m_length > 0xFFFFFFFFUL - 20000 || !Realloc(m_length + GrowthStep(m_length, 1)))
            return false;
    }
    m_data[m_length++] = b;
    return true;
}

bool DataBuffer::AppendUtf16(const wchar_t* text)
{
    static const unsigned char zero[2] = {0, 0};
    if (!text)
        return Append(zero, 2);
    return Append(text, (unsigned long)(wcslen(text) + 1) * 2);
}

void DataBuffer::TakeBlock(void* block, unsigned long count)
{
    Check();
    FreeData();
    m_data = static_cast<unsigned char*>(block);
    m_length = m_capacity = m_blockSize = block ? count : 0;
    m_borrowed = false;
}

void DataBuffer::BorrowBlock(void* block, unsigned long count)
{
    TakeBlock(block, count);
    m_borrowed = block != nullptr;
}

void DataBuffer::TakeFrom(DataBuffer& other)
{
    Check();
    if (&other == this)
        return;
    FreeData();
    m_data = other.m_data;
    m_length = other.m_length;
    m_capacity = other.m_capacity;
    m_blockSize = other.m_blockSize;
    m_borrowed = other.m_borrowed;
    other.m_data = nullptr;
    other.m_length = other.m_capacity = other.m_blockSize = 0;
    other.m_borrowed = false;
}

void DataBuffer::RemoveFront(unsigned long n)
{
    Check();
    if (n >= m_length)
    {
        m_length = 0;
        return;
    }
    if (m_borrowed && !Realloc(m_capacity))
        return;
    memmove(m_data, m_data + n, m_length - n);
    m_length -= n;
}

void DataBuffer::Clear()
{
    Check();
    FreeData();
    m_length = m_capacity = 0;
    m_borrowed = false;
}

void DataBuffer::SetSize(unsigned long n)
{
    Check();
    m_length = n > m_capacity ? m_capacity : n;
}

void DataBuffer::DropLast(unsigned long n)
{
    Check();
    m_length = n >= m_length ? 0 : m_length - n;
}

bool DataBuffer::LoadFile(const char* utf8Path, LogBase* log)
{
    return FileAccess::ReadWholeFile(utf8Path, *this, log);
}
