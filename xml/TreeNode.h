// The node tree of a loaded document: nodes, per-document info, attribute sets and the shared tag table.
#ifndef VELMORA_TREENODE_H
#define VELMORA_TREENODE_H
#include "StringBuffer.h"

class TreeNode;

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
    ExtIntArray m_lengths;
    StringBuffer m_text;
};

class TreeInfo : public CorvitaObject
{
public:
    TreeInfo(const TreeInfo&) = delete;
    TreeInfo& operator=(const TreeInfo&) = delete;
    TreeInfo();
    ~TreeInfo() override;

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
    ~TreeNode() override;
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
    StringBuffer* ContentBuffer(); // created when missing; null only when memory runs out
    StringBuffer* GetContent() const { return m_content; }
    TreeNode* GetParent() const { return m_parent; }
    TreeNode* GetDocumentRoot() const;
    TreeNode* GetNextSibling() const { return m_next; }
    TreeNode* GetPrevSibling() const { return m_prev; }
    int GetChildCount() const;
    TreeNode* GetChild(int i) const;
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
    TreeInfo* m_document;
    StringBuffer* m_tag;
    AttributeSet* m_attributes;
    StringBuffer* m_content;
    long m_refCount;
    bool m_cdata;
    ExtPtrArray* m_children;
    TreeNode* m_parent;
    TreeNode* m_next;
    TreeNode* m_prev;
};

#endif // VELMORA_TREENODE_H
