// The node tree: reference-counted documents, packed attributes and interned tags.
#include "TreeNode.h"
#include "SpareBlocks.h"
#include <new>
#include <stdlib.h>
#include <string.h>

// ---------------------------------------------------------------- reference counting

long RefCountedObject::Release()
{
    m_count = m_count >= 1 ? m_count - 1 : 0;
    if (m_count == 0)
    {
        delete this;
        return 0;
    }
    return m_count;
}

long RefCountedMarker::Release()
{
    m_count = m_count >= 1 ? m_count - 1 : 0;
    if (m_count == 0)
    {
        delete this;
        return 0;
    }
    return m_count;
}

// ---------------------------------------------------------------- CommonStrings

static CommonStrings* s_commonStrings = nullptr;

CommonStrings::CommonStrings() : m_recent(), m_nextRecent(0), m_parked(), m_nextParked(0), m_map(400) {}
CommonStrings::~CommonStrings() {}

CommonStrings* CommonStrings::Instance()
{
    if (!s_commonStrings)
        s_commonStrings = new (std::nothrow) CommonStrings();
    return s_commonStrings;
}

StringBuffer* CommonStrings::FindRecent(const char* text, int length)
{
    for (int i = 0; i < kRecent; i++)
    {
        StringBuffer* key = m_recent[i].key;
        if (!key || key->GetLength() != length)
            continue;
        // Tags are short: compared here byte by byte rather than through a call.
        const char* k = key->GetString();
        int j = 0;
        while (j < length && k[j] == text[j])
            j++;
        if (j == length)
        {
            m_recent[i].marker->m_count++;
            return key;
        }
    }
    return nullptr;
}

void CommonStrings::Remember(StringBuffer* key, RefCountedMarker* marker)
{
    m_recent[m_nextRecent].key = key;
    m_recent[m_nextRecent].marker = marker;
    m_nextRecent = (m_nextRecent + 1) % kRecent;
}

StringBuffer* CommonStrings::Intern(const char* text)
{
    if (!text || !*text)
        return nullptr;
    if (StringBuffer* key = FindRecent(text, (int)strlen(text)))
        return key;
    StringBuffer buffer(text);
    return Intern(buffer);
}

StringBuffer* CommonStrings::Intern(const StringBuffer& text)
{
    if (text.GetLength() == 0)
        return nullptr;
    if (StringBuffer* key = FindRecent(text.GetString(), text.GetLength()))
        return key;
    CorvitaObject* object = nullptr;
    StringBuffer* key = m_map.GetKeyAndObject(text, &object);
    if (!key)
    {
        RefCountedMarker* marker = new (std::nothrow) RefCountedMarker();
        if (!marker)
            return nullptr;
        if (!m_map.Insert(text, marker))
            return nullptr;
        key = m_map.GetKeyAndObject(text, &object);
        if (!key)
            return nullptr;
    }
    static_cast<RefCountedMarker*>(object)->m_count++;
    Remember(key, static_cast<RefCountedMarker*>(object));
    return key;
}

void CommonStrings::ReleaseTag(StringBuffer* tag)
{
    if (!tag || tag->GetLength() == 0)
        return;
    RefCountedMarker* marker = nullptr;
    for (int i = 0; i < kRecent && !marker; i++)
        if (m_recent[i].key == tag)
            marker = m_recent[i].marker;
    if (!marker)
    {
        CorvitaObject* object = nullptr;
        if (!m_map.GetKeyAndObject(*tag, &object) || !object)
            return;
        marker = static_cast<RefCountedMarker*>(object);
    }
    if (marker->m_count > 1)
    {
        marker->Release();
        return;
    }
    if (marker->m_count < 1)
        return;
    // The last node with this tag is gone. The entry stays parked, counted 0 (absent to GetCount),
    // so that the next document with the same tags finds them; only the oldest parked entries
    // leave the map, so a stream of ever new tags cannot make it grow.
    StringBuffer* oldest = m_parked[m_nextParked];
    if (oldest && oldest != tag)
        Unpark(oldest);
    marker->m_count = 0;
    for (int i = 0; i < kParked; i++)
        if (m_parked[i] == tag)
            m_parked[i] = nullptr;
    m_parked[m_nextParked] = tag;
    m_nextParked = (m_nextParked + 1) % kParked;
}

// Takes a parked entry out of the map if it is still unused.
void CommonStrings::Unpark(StringBuffer* key)
{
    CorvitaObject* object = nullptr;
    if (!m_map.GetKeyAndObject(*key, &object) || !object ||
        static_cast<RefCountedMarker*>(object)->m_count > 0)
        return;
    for (int i = 0; i < kRecent; i++)
        if (m_recent[i].key == key)
            m_recent[i].key = nullptr, m_recent[i].marker = nullptr;
    for (int i = 0; i < kParked; i++)
        if (m_parked[i] == key)
            m_parked[i] = nullptr;
    // The tag buffer is the map's own key: copy it before the entry goes.
    StringBuffer copy(key->GetString(), key->GetLength(), 0);
    m_map.Remove(copy);
}

int CommonStrings::GetCount(const char* tag)
{
    StringBuffer key(tag);
    CorvitaObject* object = nullptr;
    if (!m_map.GetKeyAndObject(key, &object) || !object)
        return -1;
    long count = static_cast<RefCountedMarker*>(object)->m_count;
    return count > 0 ? (int)count : -1;
}

// ---------------------------------------------------------------- NodePool

// Blocks for one document's nodes and their parts. Small blocks are cut from chunks and recycled by
// size through free lists, so a document whose nodes come and go reuses its memory; larger ones
// come from the heap. Every block carries a header naming its pool (null for a plain heap block),
// so any block is freed without knowing where it came from. The pool counts its blocks and frees
// its chunks with the last one. Documents are built and used by one thread at a time, so the pool
// takes no lock.
class NodePool
{
public:
    static NodePool* Create();
    static void* Allocate(NodePool* pool, size_t size); // null when memory runs out
    static void Deallocate(void* p);

private:
    struct Header
    {
        NodePool* pool;
        size_t size;
    };
    struct Chunk
    {
        Chunk* next;
        size_t size;
    };
    static const size_t kAlign = 8;
    static const size_t kHeader = (sizeof(Header) + kAlign - 1) / kAlign * kAlign;
    static const size_t kSmall = 256; // largest block, header included, taken from the chunks
    static const size_t kClasses = kSmall / kAlign;
    static const size_t kFirstChunk = 2048;
    static const size_t kLargestChunk = 1024 * 1024;

    NodePool();
    void* Cut(size_t total);
    void Destroy();

    void* m_free[kClasses];
    char* m_cursor;
    char* m_end;
    Chunk* m_chunks;
    size_t m_nextChunk;
    long m_blocks;
};

NodePool::NodePool()
    : m_free(), m_cursor(nullptr), m_end(nullptr), m_chunks(nullptr), m_nextChunk(kFirstChunk), m_blocks(0)
{
}

// The pool and its first chunk are one heap block: a small document costs one allocation.
NodePool* NodePool::Create()
{
    const size_t head = (sizeof(NodePool) + kAlign - 1) / kAlign * kAlign;
    void* p = malloc(head + kFirstChunk);
    if (!p)
        return nullptr;
    NodePool* pool = new (p) NodePool();
    pool->m_cursor = static_cast<char*>(p) + head;
    pool->m_end = pool->m_cursor + kFirstChunk;
    pool->m_nextChunk = kFirstChunk * 2;
    return pool;
}

void* NodePool::Cut(size_t total)
{
    void** list = &m_free[total / kAlign - 1];
    if (*list)
    {
        void* block = *list;
        *list = *static_cast<void**>(block);
        return block;
    }
    if ((size_t)(m_end - m_cursor) < total)
    {
        size_t size = m_nextChunk;
        Chunk* chunk = static_cast<Chunk*>(SpareBlocks::Take(size, &size));
        if (!chunk)
            chunk = static_cast<Chunk*>(malloc(size));
        if (!chunk)
            return nullptr;
        chunk->next = m_chunks;
        chunk->size = size;
        m_chunks = chunk;
        m_cursor = reinterpret_cast<char*>(chunk) + (sizeof(Chunk) + kAlign - 1) / kAlign * kAlign;
        m_end = reinterpret_cast<char*>(chunk) + size;
        if (m_nextChunk < kLargestChunk)
            m_nextChunk *= 2;
    }
    void* block = m_cursor;
    m_cursor += total;
    return block;
}

void* NodePool::Allocate(NodePool* pool, size_t size)
{
    if (size > ((size_t)-1) / 2)
        return nullptr;
    size_t total = (size + kHeader + kAlign - 1) / kAlign * kAlign;
    void* block = nullptr;
    if (pool && total <= kSmall)
        block = pool->Cut(total);
    else if (!(block = SpareBlocks::Take(total, &total)))
        block = malloc(total);
    if (!block)
        return nullptr;
    Header* header = static_cast<Header*>(block);
    header->pool = pool;
    header->size = total;
    if (pool)
        pool->m_blocks++;
    return static_cast<char*>(block) + kHeader;
}

void NodePool::Deallocate(void* p)
{
    if (!p)
        return;
    Header* header = reinterpret_cast<Header*>(static_cast<char*>(p) - kHeader);
    NodePool* pool = header->pool;
    if (!pool || header->size > kSmall)
        SpareBlocks::Give(header, header->size);
    else
    {
        void** list = &pool->m_free[header->size / kAlign - 1];
        *reinterpret_cast<void**>(header) = *list;
        *list = header;
    }
    if (pool && --pool->m_blocks == 0)
        pool->Destroy();
}

void NodePool::Destroy()
{
    while (Chunk* chunk = m_chunks)
    {
        m_chunks = chunk->next;
        SpareBlocks::Give(chunk, chunk->size);
    }
    this->~NodePool();
    free(this);
}

// ---------------------------------------------------------------- AttributeSet

AttributeSet::AttributeSet() : m_text(50), m_count(0) {}

AttributeSet::AttributeSet(char* storage, int capacity)
    : m_text(StringBuffer::kExternalStorage, storage, capacity, 50), m_count(0)
{
}

AttributeSet::~AttributeSet() {}

int AttributeSet::GetCount() const
{
    return m_count;
}

bool AttributeSet::Add(const char* name, const char* value)
{
    if (!IsReady() || !name || !*name)
        return false;
    if (!value)
        value = "";
    int nameLen = (int)strlen(name), valueLen = (int)strlen(value);
    if (!m_text.AppendBytes(name, nameLen + 1))
        return false;
    if (!m_text.AppendBytes(value, valueLen + 1))
    {
        m_text.DropLast(nameLen + 1);
        return false;
    }
    m_count++;
    return true;
}

bool AttributeSet::Get(const char* name, StringBuffer& out) const
{
    out.Clear();
    if (!IsReady() || !name || !*name)
        return false;
    const char* p = m_text.GetString();
    for (int k = 0; k < m_count; k++)
    {
        const char* value = p + strlen(p) + 1;
        if (strcmp(p, name) == 0)
        {
            out.Append(value);
            return true;
        }
        p = value + strlen(value) + 1;
    }
    return false;
}

bool AttributeSet::GetPair(int k, StringBuffer& name, StringBuffer& value) const
{
    name.Clear();
    value.Clear();
    if (!IsReady() || k < 0 || k >= m_count)
        return false;
    // Pairs are "name\0value\0", one after the other, within the text's length.
    const char* text = m_text.GetString();
    int offset = 0;
    for (int i = 0; i < 2 * k; i++)
        offset += (int)strlen(text + offset) + 1;
    name.Append(text + offset);
    offset += (int)strlen(text + offset) + 1;
    value.Append(text + offset);
    return true;
}

void AttributeSet::Remove(const char* name)
{
    if (!IsReady() || !name || !*name)
        return;
    int offset = 0;
    for (int k = 0; k < m_count;)
    {
        const char* p = m_text.GetString() + offset;
        int nl = (int)strlen(p), vl = (int)strlen(p + nl + 1);
        if (strcmp(p, name) == 0)
        {
            m_text.RemoveRange(offset, nl + vl + 2);
            m_count--;
            continue;
        }
        offset += nl + vl + 2;
        k++;
    }
}

// ---------------------------------------------------------------- TreeInfo

static unsigned long s_nextDocSerial = 100;

TreeInfo::TreeInfo()
    : m_root(nullptr), m_declaration(nullptr), m_dtdText(nullptr), m_docSerial(s_nextDocSerial++),
      m_refCount(0)
{
}

TreeInfo::~TreeInfo()
{
    delete m_declaration;
    delete m_dtdText;
}

void* TreeInfo::operator new(size_t size) noexcept
{
    return NodePool::Allocate(nullptr, size);
}

void* TreeInfo::operator new(size_t size, NodePool* pool) noexcept
{
    return NodePool::Allocate(pool, size);
}

void TreeInfo::operator delete(void* p)
{
    NodePool::Deallocate(p);
}

void TreeInfo::operator delete(void* p, NodePool*)
{
    NodePool::Deallocate(p);
}

// ---------------------------------------------------------------- TreeNode

void* TreeNode::operator new(size_t size) noexcept
{
    return NodePool::Allocate(nullptr, size);
}

void* TreeNode::operator new(size_t size, NodePool* pool) noexcept
{
    return NodePool::Allocate(pool, size);
}

void TreeNode::operator delete(void* p)
{
    NodePool::Deallocate(p);
}

void TreeNode::operator delete(void* p, NodePool*)
{
    NodePool::Deallocate(p);
}

void* TreeNode::Allocate(size_t size) const
{
    return NodePool::Allocate(m_pool, size);
}

// The content and the attribute set each take one block: the object, then the first bytes of its text.
namespace
{
template <class T> char* StorageAfter(void* block)
{
    return static_cast<char*>(block) + (sizeof(T) + 7) / 8 * 8;
}
template <class T> size_t BlockFor(int storage)
{
    return (sizeof(T) + 7) / 8 * 8 + (size_t)storage;
}
template <class T> void DestroyInBlock(T* object)
{
    if (object)
    {
        object->~T();
        NodePool::Deallocate(object);
    }
}
const int kAttributeStorage = 64;
} // namespace

namespace
{
// A stack of nodes that starts on the caller's frame and moves to the heap when it outgrows it.
class NodeStack
{
public:
    NodeStack(const NodeStack&) = delete;
    NodeStack& operator=(const NodeStack&) = delete;
    NodeStack() : m_items(m_local), m_count(0), m_capacity(kLocal) {}
    ~NodeStack()
    {
        if (m_items != m_local)
            free(m_items);
    }
    void Push(TreeNode* node)
    {
        if (m_count == m_capacity && !Grow())
            return;
        m_items[m_count++] = node;
    }
    TreeNode* Pop() { return m_count ? m_items[--m_count] : nullptr; }

private:
    bool Grow()
    {
        if (m_capacity > 0x7FFFFFFF / 2 / (int)sizeof(TreeNode*))
            return false;
        TreeNode** items = static_cast<TreeNode**>(malloc((size_t)m_capacity * 2 * sizeof(TreeNode*)));
        if (!items)
            return false;
        memcpy(items, m_items, (size_t)m_count * sizeof(TreeNode*));
        if (m_items != m_local)
            free(m_items);
        m_items = items;
        m_capacity *= 2;
        return true;
    }

    static const int kLocal = 64;
    TreeNode* m_local[kLocal];
    TreeNode** m_items;
    int m_count;
    int m_capacity;
};
} // namespace

TreeNode::TreeNode(const char* tag, const char* content)
    : m_pool(nullptr), m_document(nullptr), m_tag(nullptr), m_attributes(nullptr), m_content(nullptr),
      m_refCount(0), m_cdata(false), m_children(nullptr), m_childCount(0), m_childCapacity(0),
      m_parent(nullptr), m_next(nullptr), m_prev(nullptr)
{
    if (tag && *tag)
        SetTag(tag);
    if (content && *content)
    {
        int length = (int)strlen(content);
        if (StringBuffer* buffer = ContentBuffer(length))
            buffer->AppendBytes(content, length);
    }
}

TreeNode::~TreeNode()
{
    Detach();
    SetTag(nullptr);
    DestroyInBlock(m_content);
    m_content = nullptr;
    DestroyInBlock(m_attributes);
    m_attributes = nullptr;
    if (m_childCount)
    {
        // Deep trees are torn down with an explicit stack, never by recursion.
        NodeStack stack;
        for (int i = 0; i < m_childCount; i++)
            stack.Push(m_children[i]);
        m_childCount = 0;
        while (TreeNode* node = stack.Pop())
        {
            for (int i = 0; i < node->m_childCount; i++)
                stack.Push(node->m_children[i]);
            node->m_childCount = 0;
            // The whole subtree goes: no node leaves its parent's list one by one.
            node->m_parent = node->m_next = node->m_prev = nullptr;
            node->m_document = nullptr;
            delete node;
        }
    }
    NodePool::Deallocate(m_children);
    m_children = nullptr;
    m_childCapacity = 0;
    m_parent = m_next = m_prev = nullptr;
    m_refCount = 0;
    if (m_document && m_document->m_root == this)
    {
        TreeInfo* info = m_document;
        m_document = nullptr;
        delete info;
    }
}

// Takes the node out of its parent's children, so that deleting an attached node leaves no
// dangling entry or sibling link behind.
void TreeNode::Detach()
{
    TreeNode* parent = m_parent;
    if (!parent)
        return;
    int i = parent->m_childCount - 1;
    while (i >= 0 && parent->m_children[i] != this)
        i--;
    if (i >= 0)
    {
        memmove(parent->m_children + i, parent->m_children + i + 1,
                (size_t)(parent->m_childCount - i - 1) * sizeof(TreeNode*));
        parent->m_childCount--;
    }
    if (m_prev)
        m_prev->m_next = m_next;
    if (m_next)
        m_next->m_prev = m_prev;
    m_parent = m_next = m_prev = nullptr;
}

TreeNode* TreeNode::CreateRoot(const char* tag)
{
    // Each document has blocks of its own; without them its nodes come from the heap.
    NodePool* pool = NodePool::Create();
    TreeNode* node = pool ? new (pool) TreeNode(tag, nullptr) : new TreeNode(tag, nullptr);
    if (!node)
    {
        free(pool); // still empty
        return nullptr;
    }
    if (pool)
        node->m_pool = pool;
    TreeInfo* info = pool ? new (pool) TreeInfo() : new TreeInfo();
    if (!info)
    {
        delete node;
        return nullptr;
    }
    node->m_document = info;
    info->m_root = node;
    return node;
}

TreeNode* TreeNode::CreateChild(TreeNode* parent, const char* tag)
{
    if (!parent)
        return CreateRoot(tag);
    // A node made for a parent never needs a document of its own: it takes the parent's at once,
    // and its memory comes from where the parent's came from.
    TreeNode* node = new (parent->m_pool) TreeNode(tag, nullptr);
    if (!node)
        return nullptr;
    node->m_pool = parent->m_pool;
    if (!parent->AppendChild(node))
    {
        delete node;
        return nullptr;
    }
    return node;
}

bool TreeNode::GrowChildren()
{
    int capacity = 4;
    if (m_childCapacity)
        capacity = m_childCapacity * 2;
    else if (m_prev && m_prev->m_childCount > 0)
        capacity = m_prev->m_childCount; // siblings tend to have as many children as each other
    if (capacity > (int)(0x7FFFFFFF / sizeof(TreeNode*) / 2))
        return false;
    TreeNode** items = static_cast<TreeNode**>(Allocate((size_t)capacity * sizeof(TreeNode*)));
    if (!items)
        return false;
    if (m_childCount)
        memcpy(items, m_children, (size_t)m_childCount * sizeof(TreeNode*));
    NodePool::Deallocate(m_children);
    m_children = items;
    m_childCapacity = capacity;
    return true;
}

bool TreeNode::AppendChild(TreeNode* child)
{
    if (!child || child == this)
        return false;
    if (child->m_parent && child->m_parent != this)
        return false;
    if (child->m_document == m_document)
        return false;
    if (m_childCount == m_childCapacity && !GrowChildren())
        return false;
    int before = m_childCount;
    m_children[m_childCount++] = child;
    long count = 0;
    if (child->m_document)
    {
        count = child->m_document->m_refCount;
        TreeInfo* old = child->m_document;
        if (old->m_root == child)
            delete old;
        child->m_document = nullptr;
    }
    TreeNode* last = before > 0 ? m_children[before - 1] : nullptr;
    if (last)
        last->m_next = child;
    child->m_prev = last;
    child->m_next = nullptr;
    child->m_parent = this;
    child->m_document = m_document;
    if (child->m_childCount)
    {
        ExtPtrArray stack;
        stack.Append(child);
        while (TreeNode* node = static_cast<TreeNode*>(stack.PopLast()))
        {
            node->m_document = m_document;
            for (int i = 0; i < node->m_childCount; i++)
                stack.Append(node->m_children[i]);
        }
    }
    if (m_document)
        m_document->m_refCount += count;
    return true;
}

void TreeNode::SetTag(const char* tag)
{
    CommonStrings* table = CommonStrings::Instance();
    if (m_tag)
    {
        if (tag && strcmp(tag, m_tag->GetString()) == 0)
            return;
        if (table)
            table->ReleaseTag(m_tag);
        m_tag = nullptr;
    }
    if (tag && *tag && table)
        m_tag = table->Intern(tag);
}

const char* TreeNode::GetTag() const
{
    return m_tag ? m_tag->GetString() : nullptr;
}

void TreeNode::AddAttribute(const char* name, const char* value)
{
    if (!name || !*name)
        return;
    if (!m_attributes)
    {
        void* block = Allocate(BlockFor<AttributeSet>(kAttributeStorage));
        if (!block)
            return;
        m_attributes = new (block) AttributeSet(StorageAfter<AttributeSet>(block), kAttributeStorage);
    }
    m_attributes->Add(name, value);
}

bool TreeNode::GetAttribute(const char* name, StringBuffer& out) const
{
    if (!m_attributes)
        return false;
    return m_attributes->Get(name, out);
}

void TreeNode::RemoveAttribute(const char* name)
{
    if (m_attributes)
        m_attributes->Remove(name);
}

bool TreeNode::HasContent() const
{
    return m_content && m_content->GetLength() != 0;
}

StringBuffer* TreeNode::ContentBuffer()
{
    return ContentBuffer(119);
}

StringBuffer* TreeNode::ContentBuffer(int expected)
{
    if (!m_content)
    {
        // Room for the expected text and its NUL, at least a few words; a text that grows past it
        // moves to the heap in steps of 120 bytes, as a buffer made empty would grow.
        int storage = expected < 15 ? 16 : (expected > 0x10000000 ? 0x10000000 : (expected + 8) / 8 * 8);
        void* block = Allocate(BlockFor<StringBuffer>(storage));
        if (!block)
            return nullptr;
        m_content = new (block)
            StringBuffer(StringBuffer::kExternalStorage, StorageAfter<StringBuffer>(block), storage, 120);
    }
    return m_content;
}

TreeNode* TreeNode::GetDocumentRoot() const
{
    return m_document ? m_document->m_root : nullptr;
}

void TreeNode::AddRef()
{
    m_refCount++;
    if (m_document)
        m_document->m_refCount++;
}

// A release without a reference held changes nothing, so the document's count stays the sum of its nodes'.
void TreeNode::Release()
{
    if (m_refCount <= 0)
        return;
    m_refCount--;
    if (m_document && m_document->m_refCount > 0)
        m_document->m_refCount--;
}

long TreeNode::GetDocumentRefCount() const
{
    return m_document ? m_document->m_refCount : 0;
}

void TreeNode::DeleteTree()
{
    if (m_document && m_document->m_root)
        delete m_document->m_root;
}

void TreeNode::SetDtdText(const char* text)
{
    if (!m_document)
        return;
    delete m_document->m_dtdText;
    m_document->m_dtdText = nullptr;
    if (text && *text)
        m_document->m_dtdText = new (std::nothrow) StringBuffer(text);
}

const char* TreeNode::GetDtdText() const
{
    return (m_document && m_document->m_dtdText) ? m_document->m_dtdText->GetString() : nullptr;
}

void TreeNode::SetDeclaration(TreeNode* declaration)
{
    if (!m_document)
    {
        delete declaration;
        return;
    }
    if (m_document->m_declaration != declaration)
        delete m_document->m_declaration;
    m_document->m_declaration = declaration;
}

TreeNode* TreeNode::GetDeclaration() const
{
    return m_document ? m_document->m_declaration : nullptr;
}

void TreeNode::SetEncoding(const char* name)
{
    if (!m_document)
        return;
    if (!m_document->m_declaration)
    {
        m_document->m_declaration = CreateRoot("xml");
        if (!m_document->m_declaration)
            return;
        m_document->m_declaration->AddAttribute("version", "1.0");
    }
    m_document->m_declaration->RemoveAttribute("encoding");
    m_document->m_declaration->AddAttribute("encoding", name);
}

void TreeNode::GetEncoding(StringBuffer& out, bool& found) const
{
    found = false;
    if (!m_document || !m_document->m_declaration)
        return;
    found = m_document->m_declaration->GetAttribute("encoding", out);
}
