// The library's containers.
#include "Containers.h"
#include "Digests.h"
#include "StringBuffer.h"
#include <new>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

void VxmlFatal(const char* what)
{
    char text[300];
    _snprintf(text, sizeof(text) - 1, "vxml: fatal programming error: %s\n", what);
    text[sizeof(text) - 1] = 0;
    OutputDebugStringA(text);
    fputs(text, stderr);
    abort();
}

static unsigned long s_nextSerial = 100;

CorvitaObject::CorvitaObject() : m_serial(s_nextSerial++) {}
CorvitaObject::~CorvitaObject() {}

// ---------------------------------------------------------------- ExtPtrArray

ExtPtrArray::ExtPtrArray() : m_growBy(5), m_capacity(0), m_count(0), m_items(nullptr) {}

ExtPtrArray::ExtPtrArray(int capacity, int growBy)
    : m_growBy(growBy < 1 ? 5 : growBy), m_capacity(capacity < 1 ? 5 : capacity), m_count(0), m_items(nullptr)
{
    m_items = static_cast<void**>(calloc(m_capacity, sizeof(void*)));
    if (!m_items)
        m_capacity = 0;
}

ExtPtrArray::~ExtPtrArray()
{
    free(m_items);
}

int ExtPtrArray::Append(void* p)
{
    if (!m_items || m_count >= m_capacity)
    {
        int capacity = m_items ? m_capacity + m_growBy : 5;
        if (capacity <= m_count)
            capacity = m_count + 1;
        void** items = static_cast<void**>(calloc(capacity, sizeof(void*)));
        if (!items)
            return m_count;
        if (m_items)
        {
            memcpy(items, m_items, m_count * sizeof(void*));
            free(m_items);
            if (m_growBy < 100000)
                m_growBy = capacity < 100000 ? capacity : 100000;
        }
        m_items = items;
        m_capacity = capacity;
    }
    m_items[m_count++] = p;
    return m_count;
}

void* ExtPtrArray::PopLast()
{
    if (m_count <= 0)
        return nullptr;
    return m_items[--m_count];
}

void* ExtPtrArray::RemoveAt(int i)
{
    if (i < 0 || i >= m_count)
        return nullptr;
    void* p = m_items[i];
    memmove(m_items + i, m_items + i + 1, (m_count - i - 1) * sizeof(void*));
    m_count--;
    return p;
}

// ---------------------------------------------------------------- ExtIntArray

ExtIntArray::ExtIntArray(int capacity, int growBy)
    : m_growBy(growBy < 1 ? 1 : growBy), m_capacity(capacity < 1 ? 2 : capacity), m_count(0), m_items(nullptr)
{
    m_items = static_cast<int*>(calloc(m_capacity, sizeof(int)));
    if (!m_items)
        m_capacity = 0;
}

ExtIntArray::~ExtIntArray()
{
    free(m_items);
}

bool ExtIntArray::Append(int v)
{
    if (m_count >= m_capacity)
    {
        int capacity = m_capacity + m_growBy;
        if (capacity <= m_count)
            capacity = m_count + 1;
        int* items = static_cast<int*>(calloc(capacity, sizeof(int)));
        if (!items)
            return false;
        if (m_items)
            memcpy(items, m_items, m_count * sizeof(int));
        free(m_items);
        m_items = items;
        m_capacity = capacity;
        if (m_growBy < 500000)
            m_growBy = capacity < 500000 ? capacity : 500000;
    }
    m_items[m_count++] = v;
    return true;
}

void ExtIntArray::RemoveAt(int i)
{
    if (i < 0 || i >= m_count)
        return;
    memmove(m_items + i, m_items + i + 1, (m_count - i - 1) * sizeof(int));
    m_count--;
}

// ---------------------------------------------------------------- CV_List

CV_List::CV_List() : m_readOnly(false), m_count(0), m_recycle(false), m_head(nullptr), m_tail(nullptr) {}

CV_List::~CV_List()
{
    Clear();
}

CV_ListItem* CV_List::AddValue(void* value)
{
    CV_ListItem* item = new (std::nothrow) CV_ListItem(value);
    if (!item)
        return nullptr;
    item->m_next = m_head;
    if (m_head)
        m_head->m_prev = item;
    else
        m_tail = item;
    m_head = item;
    m_count++;
    return item;
}

void CV_List::RemoveItem(CV_ListItem* item)
{
    if (!item)
        return;
    if (item->m_prev)
        item->m_prev->m_next = item->m_next;
    else
        m_head = item->m_next;
    if (item->m_next)
        item->m_next->m_prev = item->m_prev;
    else
        m_tail = item->m_prev;
    m_count--;
    delete item;
}

bool CV_List::RemoveValue(void* value)
{
    for (CV_ListItem* item = m_head; item; item = item->m_next)
    {
        if (item->m_value == value)
        {
            RemoveItem(item);
            return true;
        }
    }
    return false;
}

void CV_List::Clear()
{
    while (m_head)
        RemoveItem(m_head);
}

// ---------------------------------------------------------------- NamedObject

NamedObject::NamedObject(const char* name, CorvitaObject* object)
    : m_name(new (std::nothrow) StringBuffer(name)), m_object(object)
{
}

NamedObject::~NamedObject()
{
    delete m_name;
    delete m_object;
}

void NamedObject::SetObject(CorvitaObject* object)
{
    if (object != m_object)
    {
        delete m_object;
        m_object = object;
    }
}

const char* NamedObject::GetName() const
{
    return m_name ? m_name->GetString() : "";
}

// ---------------------------------------------------------------- HashMap

HashMap::HashMap(unsigned long buckets) : m_bucketCount(buckets), m_buckets(nullptr)
{
    if (m_bucketCount)
        m_buckets = new (std::nothrow) CV_List[m_bucketCount];
    if (!m_buckets)
        m_bucketCount = 0;
}

HashMap::~HashMap()
{
    for (unsigned long b = 0; b < m_bucketCount; b++)
    {
        for (CV_ListItem* item = m_buckets[b].GetHead(); item; item = item->m_next)
            delete static_cast<NamedObject*>(item->m_value);
        m_buckets[b].Clear();
    }
    delete[] m_buckets;
}

// Tag names are often alike (item1, item2, ...): FNV-1a spreads such names evenly over the buckets
// at a few instructions a byte, which matters because every node made or deleted looks its tag up.
unsigned long HashMap::BucketOf(const StringBuffer& key) const
{
    unsigned long hash = 2166136261UL;
    const unsigned char* p = reinterpret_cast<const unsigned char*>(key.GetString());
    for (int i = 0, n = key.GetLength(); i < n; i++)
        hash = ((hash ^ p[i]) * 16777619UL) & 0xFFFFFFFFUL;
    return hash % m_bucketCount;
}

NamedObject* HashMap::FindEntry(const StringBuffer& key) const
{
    if (!m_bucketCount)
        return nullptr;
    CV_List& list = m_buckets[BucketOf(key)];
    for (CV_ListItem* item = list.GetHead(); item; item = item->m_next)
    {
        NamedObject* entry = static_cast<NamedObject*>(item->m_value);
        StringBuffer* name = entry->GetNameBuffer();
        if (name && name->GetLength() == key.GetLength() &&
            memcmp(name->GetString(), key.GetString(), key.GetLength()) == 0)
            return entry;
    }
    return nullptr;
}

CorvitaObject* HashMap::GetObject(const StringBuffer& key) const
{
    NamedObject* entry = FindEntry(key);
    return entry ? entry->GetObject() : nullptr;
}

StringBuffer* HashMap::GetKeyAndObject(const StringBuffer& key, CorvitaObject** object) const
{
    NamedObject* entry = FindEntry(key);
    if (object)
        *object = entry ? entry->GetObject() : nullptr;
    return entry ? entry->GetNameBuffer() : nullptr;
}

bool HashMap::Insert(const StringBuffer& key, CorvitaObject* object)
{
    if (!m_bucketCount)
        return false;
    NamedObject* entry = FindEntry(key);
    if (entry)
    {
        entry->SetObject(object);
        return true;
    }
    entry = new (std::nothrow) NamedObject(key.GetString(), object);
    if (!entry || !entry->GetNameBuffer())
    {
        delete entry;
        return false;
    }
    if (!m_buckets[BucketOf(key)].AddValue(entry))
    {
        delete entry;
        return false;
    }
    return true;
}

void HashMap::Remove(const StringBuffer& key)
{
    NamedObject* entry = FindEntry(key);
    if (!entry)
        return;
    m_buckets[BucketOf(key)].RemoveValue(entry);
    delete entry;
}
