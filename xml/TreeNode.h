// The node tree of a loaded document: nodes, per-document info, attribute sets and the shared tag table.
#ifndef VELMORA_TREENODE_H
#define VELMORA_TREENODE_H
#include "StringBuffer.h"
#include <stddef.h>

class TreeNode;
class NodePool;

class RefCountedObject
{
public:
    RefCountedObject() : m_count(0) {}
    virtual long Release();
    virtual ~RefCountedObject() {}
    long m_count;
};

class RefCountedMarker : public RefCountedObject, public CorvitaObject
{
public:
    long Release() override;
};

// Process-wide interned tag texts.
class CommonStrings
{
public:
    static CommonStrings* Instance();
    virtual ~CommonStrings();
    StringBuffer* Intern(const StringBuffer& text);
    StringBuffer* Intern(const char* text); // the same, for a NUL-terminated text
    void ReleaseTag(StringBuffer* tag);
    int GetCount(const char* tag); // the entry's count, -1 when absent

private:
    CommonStrings();
    StringBuffer* FindRecent(const char* text, int length);
    void Remember(StringBuffer* key, RefCountedMarker* marker);
    void Unpark(StringBuffer* key);
    // The few tags met last, so that runs of the same tags skip the map's hashing.
    struct Recent
    {
        StringBuffer* key;
        RefCountedMarker* marker;
    };
    static const int kRecent = 16;
    Recent m_recent[kRecent];
    int m_nextRecent;
    // Entries whose last node went, oldest first out (see ReleaseTag).
    static const int kParked = 64;
    StringBuffer* m_parked[kParked];
    int m_nextParked;
    HashMap m_map;
};

class AttributeSet
{
public:
    AttributeSet(const AttributeSet&) = delete;
    AttributeSet& operator=(const AttributeSet&) = delete;
    AttributeSet();
    virtual ~AttributeSet();
    bool Add(const char* name, const char* value);
    bool Get(const char* name, StringBuffer& out) const;
    void Remove(const char* name);
    int GetCount() const;
    bool GetPair(int k, StringBuffer& name, StringBuffer& value) const;
    bool IsReady() const { return m_text.GetCapacity() > 0; }

private:
    friend class TreeNode;
    AttributeSet(char* storage, int capacity); // starts in storage the node keeps beside the set
    // Each pair is stored as "name\0value\0", one after the other.
    StringBuffer m_text;
    int m_count;
};

class TreeInfo : public CorvitaObject
{
public:
    TreeInfo(const TreeInfo&) = delete;
    TreeInfo& operator=(const TreeInfo&) = delete;
    TreeInfo();
    ~TreeInfo() override;
    // A document's info comes from the blocks of its root when it has them.
    static void* operator new(size_t size) noexcept; // null when memory runs out
    static void* operator new(size_t size, NodePool* pool) noexcept;
    static void operator delete(void* p);
    static void operator delete(void* p, NodePool* pool);

    TreeNode* m_root;
    TreeNode* m_declaration;
    StringBuffer* m_dtdText;
    unsigned long m_docSerial;
    long m_refCount;
};

class TreeNode : public CorvitaObject
{
public:
    TreeNode(const TreeNode&) = delete;
    TreeNode& operator=(const TreeNode&) = delete;
    // Construction
    TreeNode(const char* tag, const char* content);
    ~TreeNode() override; // an attached node leaves its parent first
    // Nodes made by CreateRoot and CreateChild, with their texts and child lists, come from blocks
    // their document owns; the memory goes back when the last node made from those blocks goes.
    static void* operator new(size_t size) noexcept; // null when memory runs out
    static void* operator new(size_t size, NodePool* pool) noexcept;
    static void operator delete(void* p);
    static void operator delete(void* p, NodePool* pool);
    static TreeNode* CreateRoot(const char* tag);
    static TreeNode* CreateChild(TreeNode* parent, const char* tag);

    // Operations
    bool AppendChild(TreeNode* child);
    void SetTag(const char* tag);
    const char* GetTag() const; // null when none
    void AddAttribute(const char* name, const char* value);
    bool GetAttribute(const char* name, StringBuffer& out) const;
    void RemoveAttribute(const char* name);
    bool HasContent() const;
    StringBuffer* ContentBuffer();             // created when missing; null only when memory runs out
    StringBuffer* ContentBuffer(int expected); // the same, sized for about expected bytes of text
    StringBuffer* GetContent() const { return m_content; }
    TreeNode* GetParent() const { return m_parent; }
    TreeNode* GetDocumentRoot() const;
    TreeNode* GetNextSibling() const { return m_next; }
    TreeNode* GetPrevSibling() const { return m_prev; }
    int GetChildCount() const { return m_childCount; }
    TreeNode* GetChild(int i) const { return (i >= 0 && i < m_childCount) ? m_children[i] : nullptr; }
    void AddRef();
    void Release();
    long GetRefCount() const { return m_refCount; }
    long GetDocumentRefCount() const;
    void DeleteTree();
    void SetDtdText(const char* text);
    const char* GetDtdText() const;
    void SetEncoding(const char* name);
    void GetEncoding(StringBuffer& out, bool& found) const;
    void SetDeclaration(TreeNode* declaration); // takes ownership
    TreeNode* GetDeclaration() const;
    TreeInfo* GetDocument() const { return m_document; }
    bool GetCdata() const { return m_cdata; }
    void SetCdata(bool on) { m_cdata = on; }
    AttributeSet* GetAttributes() const { return m_attributes; }

private:
    void* Allocate(size_t size) const;
    bool GrowChildren();
    void Detach();

    NodePool* m_pool; // where this node's parts come from; null for the heap
    TreeInfo* m_document;
    StringBuffer* m_tag;
    AttributeSet* m_attributes;
    StringBuffer* m_content;
    long m_refCount;
    bool m_cdata;
    TreeNode** m_children;
    int m_childCount;
    int m_childCapacity;
    TreeNode* m_parent;
    TreeNode* m_next;
    TreeNode* m_prev;
};

#endif // VELMORA_TREENODE_H
