// The node tree: reference-counted documents, packed attributes and interned tags.
#include "TreeNode.h"
#include <new>
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
        if (key && key->GetLength() == length && memcmp(key->GetString(), text, (size_t)length) == 0)
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

// ---------------------------------------------------------------- AttributeSet

// The lengths and the text live in the set itself: a node's attributes cost two blocks, not five.
AttributeSet::AttributeSet() : m_lengths(6, 15), m_text(50) {}

AttributeSet::~AttributeSet() {}

int AttributeSet::GetCount() const
{
    return m_lengths.GetSize() / 2;
}

bool AttributeSet::Add(const char* name, const char* value)
{
    if (!IsReady() || !name || !*name)
        return false;
    if (!value)
        value = "";
    int nameLen = (int)strlen(name), valueLen = (int)strlen(value);
    if (!m_lengths.Append(nameLen))
        return false;
    if (!m_lengths.Append(valueLen))
    {
        m_lengths.RemoveAt(m_lengths.GetSize() - 1);
        return false;
    }
    m_text.AppendBytes(name, nameLen);
    m_text.AppendBytes(value, valueLen);
    return true;
}

bool AttributeSet::Get(const char* name, StringBuffer& out) const
{
    out.Clear();
    if (!IsReady() || !name || !*name)
        return false;
    int nameLen = (int)strlen(name);
    int offset = 0;
    const char* text = m_text.GetString();
    for (int k = 0; k < GetCount(); k++)
    {
        int nl = m_lengths.GetAt(2 * k), vl = m_lengths.GetAt(2 * k + 1);
        if (nl == nameLen && memcmp(text + offset, name, nameLen) == 0)
        {
            out.AppendBytes(text + offset + nl, vl);
            return true;
        }
        offset += nl + vl;
    }
    return false;
}

bool AttributeSet::GetPair(int k, StringBuffer& name, StringBuffer& value) const
{
    name.Clear();
    value.Clear();
    if (!IsReady() || k < 0 || k >= GetCount())
        return false;
    int offset = 0;
    for (int i = 0; i < k; i++)
        offset += m_lengths.GetAt(2 * i) + m_lengths.GetAt(2 * i + 1);
    int nl = m_lengths.GetAt(2 * k), vl = m_lengths.GetAt(2 * k + 1);
    name.AppendBytes(m_text.GetString() + offset, nl);
    value.AppendBytes(m_text.GetString() + offset + nl, vl);
    return true;
}

void AttributeSet::Remove(const char* name)
{
    if (!IsReady() || !name || !*name)
        return;
    int nameLen = (int)strlen(name);
    int offset = 0;
    for (int k = 0; k < GetCount();)
    {
        int nl = m_lengths.GetAt(2 * k), vl = m_lengths.GetAt(2 * k + 1);
        if (nl == nameLen && memcmp(m_text.GetString() + offset, name, nameLen) == 0)
        {
            m_text.RemoveRange(offset, nl + vl);
            m_lengths.RemoveAt(2 * k + 1);
            m_lengths.RemoveAt(2 * k);
            continue;
        }
        offset += nl + vl;
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

// ---------------------------------------------------------------- TreeNode

TreeNode::TreeNode(const char* tag, const char* content)
    : m_document(nullptr), m_tag(nullptr), m_attributes(nullptr), m_content(nullptr), m_refCount(0),
      m_cdata(false), m_children(nullptr), m_parent(nullptr), m_next(nullptr), m_prev(nullptr)
{
    if (tag && *tag)
        SetTag(tag);
    if (content && *content)
        m_content = new (std::nothrow) StringBuffer(content);
}

TreeNode::~TreeNode()
{
    SetTag(nullptr);
    delete m_content;
    m_content = nullptr;
    delete m_attributes;
    m_attributes = nullptr;
    if (m_children)
    {
        // Deep trees are torn down with an explicit stack, never by recursion.
        ExtPtrArray stack;
        for (int i = 0; i < m_children->GetSize(); i++)
            stack.Append(m_children->GetAt(i));
        m_children->Clear();
        while (TreeNode* node = static_cast<TreeNode*>(stack.PopLast()))
        {
            if (node->m_children)
            {
                for (int i = 0; i < node->m_children->GetSize(); i++)
                    stack.Append(node->m_children->GetAt(i));
                node->m_children->Clear();
            }
            node->m_document = nullptr;
            delete node;
        }
        delete m_children;
        m_children = nullptr;
    }
    m_parent = m_next = m_prev = nullptr;
    m_refCount = 0;
    if (m_document && m_document->m_root == this)
    {
        TreeInfo* info = m_document;
        m_document = nullptr;
        delete info;
    }
}

TreeNode* TreeNode::CreateRoot(const char* tag)
{
    TreeNode* node = new (std::nothrow) TreeNode(tag, nullptr);
    if (!node)
        return nullptr;
    TreeInfo* info = new (std::nothrow) TreeInfo();
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
    // A node made for a parent never needs a document of its own: it takes the parent's at once.
    TreeNode* node = new (std::nothrow) TreeNode(tag, nullptr);
    if (!node)
        return nullptr;
    if (!parent->AppendChild(node))
    {
        delete node;
        return nullptr;
    }
    return node;
}

bool TreeNode::AppendChild(TreeNode* child)
{
    if (!child || child == this)
        return false;
    if (child->m_parent && child->m_parent != this)
        return false;
    if (child->m_document == m_document)
        return false;
    if (!m_children)
    {
        int capacity = 5;
        if (m_prev && m_prev->m_children && m_prev->m_children->GetSize() > 0)
            capacity = m_prev->m_children->GetSize();
        m_children = new (std::nothrow) ExtPtrArray(capacity, 5);
        if (!m_children)
            return false;
    }
    int before = m_children->GetSize();
    if (m_children->Append(child) == before)
        return false;
    long count = 0;
    if (child->m_document)
    {
        count = child->m_document->m_refCount;
        TreeInfo* old = child->m_document;
        if (old->m_root == child)
            delete old;
        child->m_document = nullptr;
    }
    TreeNode* last = before > 0 ? static_cast<TreeNode*>(m_children->GetAt(before - 1)) : nullptr;
    if (last)
        last->m_next = child;
    child->m_prev = last;
    child->m_next = nullptr;
    child->m_parent = this;
    child->m_document = m_document;
    if (child->m_children)
    {
        ExtPtrArray stack;
        stack.Append(child);
        while (TreeNode* node = static_cast<TreeNode*>(stack.PopLast()))
        {
            node->m_document = m_document;
            if (node->m_children)
                for (int i = 0; i < node->m_children->GetSize(); i++)
                    stack.Append(node->m_children->GetAt(i));
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
        m_attributes = new (std::nothrow) AttributeSet();
        if (!m_attributes)
            return;
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
    if (!m_content)
        m_content = new (std::nothrow) StringBuffer(120);
    return m_content;
}

TreeNode* TreeNode::GetDocumentRoot() const
{
    return m_document ? m_document->m_root : nullptr;
}

int TreeNode::GetChildCount() const
{
    return m_children ? m_children->GetSize() : 0;
}

TreeNode* TreeNode::GetChild(int i) const
{
    return m_children ? static_cast<TreeNode*>(m_children->GetAt(i)) : nullptr;
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
