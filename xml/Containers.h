// The library's own containers: serial-numbered base object, growable arrays, hashed map of named objects.
#ifndef VELMORA_CONTAINERS_H
#define VELMORA_CONTAINERS_H
#include "XmlDefs.h"

class StringBuffer;

// Base of the library's strings and tree classes; every instance gets a process-wide serial number.
class CorvitaObject
{
public:
    CorvitaObject();
    virtual ~CorvitaObject();
    unsigned long GetSerial() const { return m_serial; }

private:
    unsigned long m_serial;
};

class ExtPtrArray
{
public:
    ExtPtrArray(const ExtPtrArray&) = delete;
    ExtPtrArray& operator=(const ExtPtrArray&) = delete;
    ExtPtrArray();
    ExtPtrArray(int capacity, int growBy);
    virtual ~ExtPtrArray();

    int GetSize() const { return m_count; }
    void* GetAt(int i) const { return (i >= 0 && i < m_count) ? m_items[i] : nullptr; }
    int Append(void* p); // new count; unchanged count when memory runs out
    void* Last() const { return m_count > 0 ? m_items[m_count - 1] : nullptr; }
    void* PopLast();
    void* RemoveAt(int i);
    void Clear() { m_count = 0; }
    // Deletes every element through its virtual destructor, seen as T.
    template <class T> void DeleteAll()
    {
        for (int i = 0; i < m_count; i++)
        {
            delete static_cast<T*>(m_items[i]);
            m_items[i] = nullptr;
        }
        m_count = 0;
    }

private:
    int m_growBy;
    int m_capacity;
    int m_count;
    void** m_items;
};

class ExtIntArray
{
public:
    ExtIntArray(const ExtIntArray&) = delete;
    ExtIntArray& operator=(const ExtIntArray&) = delete;
    ExtIntArray(int capacity, int growBy);
    virtual ~ExtIntArray();

    int GetSize() const { return m_count; }
    bool Append(int v);
    int GetAt(int i) const { return (i >= 0 && i < m_count) ? m_items[i] : 0; }
    void SetAt(int i, int v)
    {
        if (i >= 0 && i < m_count)
            m_items[i] = v;
    }
    void RemoveAt(int i);

private:
    int m_growBy;
    int m_capacity;
    int m_count;
    int* m_items;
};

class CV_ListItem
{
public:
    CV_ListItem(void* value) : m_value(value), m_next(nullptr), m_prev(nullptr) {}
    virtual ~CV_ListItem() {}
    virtual bool Equals(const CV_ListItem& other) const { return m_value == other.m_value; }

    void* m_value;
    CV_ListItem* m_next;
    CV_ListItem* m_prev;
};

// A doubly linked list; in this library only as a hash bucket.
class CV_List
{
public:
    CV_List(const CV_List&) = delete;
    CV_List& operator=(const CV_List&) = delete;
    CV_List();
    virtual ~CV_List();

    CV_ListItem* AddValue(void* value); // at the head
    void RemoveItem(CV_ListItem* item);
    bool RemoveValue(void* value);
    void Clear();
    CV_ListItem* GetHead() const { return m_head; }
    int GetCount() const { return m_count; }

private:
    bool m_readOnly;
    int m_count;
    bool m_recycle;
    CV_ListItem* m_head;
    CV_ListItem* m_tail;
};

class NamedObject
{
public:
    NamedObject(const NamedObject&) = delete;
    NamedObject& operator=(const NamedObject&) = delete;
    NamedObject(const char* name, CorvitaObject* object);
    virtual ~NamedObject();

    void SetObject(CorvitaObject* object);
    CorvitaObject* GetObject() const { return m_object; }
    const char* GetName() const;
    StringBuffer* GetNameBuffer() const { return m_name; }

private:
    StringBuffer* m_name;
    CorvitaObject* m_object;
};

// String-keyed map; keys compare byte for byte, the map owns names and objects.
class HashMap
{
public:
    HashMap(const HashMap&) = delete;
    HashMap& operator=(const HashMap&) = delete;
    explicit HashMap(unsigned long buckets);
    virtual ~HashMap();

    NamedObject* FindEntry(const StringBuffer& key) const;
    CorvitaObject* GetObject(const StringBuffer& key) const;
    StringBuffer* GetKeyAndObject(const StringBuffer& key, CorvitaObject** object) const;
    bool Insert(const StringBuffer& key, CorvitaObject* object);
    void Remove(const StringBuffer& key);
    unsigned long BucketOf(const StringBuffer& key) const;

private:
    unsigned long m_bucketCount;
    CV_List* m_buckets;
};

#endif // VELMORA_CONTAINERS_H
