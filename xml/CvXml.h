// The library's public classes: CvXml, a handle on one node of a loaded document, and CvString, a text
// result.
#ifndef VELMORA_CVXML_H
#define VELMORA_CVXML_H
#include "ActivityLog.h"

class StringBuffer;
class TreeNode;

class CvObject
{
public:
    virtual ~CvObject() {}
};

class CvString : public CvObject
{
public:
    CvString(const CvString&) = delete;
    CvString& operator=(const CvString&) = delete;
    CvString();
    ~CvString() override;
    const char* GetString() const;
    void Clear();
    StringBuffer* GetBuffer() const { return m_buffer; }

private:
    StringBuffer* m_buffer;
};

class ClsBase
{
public:
    virtual ~ClsBase() {}
    virtual bool IsReady(unsigned long flags) = 0;
    virtual bool IsValid() = 0;

    Logger m_log;
};

class ClsXml : public ClsBase
{
public:
    ClsXml(const ClsXml&) = delete;
    ClsXml& operator=(const ClsXml&) = delete;
    ClsXml();
    explicit ClsXml(TreeNode* node);
    ~ClsXml() override;

    bool IsReady(unsigned long) override { return true; }
    bool IsValid() override { return true; }

    bool LoadXmlFile(const char* utf8Path);
    ClsXml* GetRoot();
    ClsXml* FirstChild();
    bool NextSibling();
    bool GetTag(StringBuffer& out);
    bool GetContent(StringBuffer& out);
    TreeNode* GetNode() const { return m_node; }

private:
    void Let();
    void ConvertOut(StringBuffer& text);

    TreeNode* m_node;
};

class CvXml : public CvObject
{
public:
    CvXml(const CvXml&) = delete;
    CvXml& operator=(const CvXml&) = delete;
    CvXml();
    ~CvXml() override;

    bool LoadXmlFile(const char* path);
    CvXml* GetRoot();
    CvXml* FirstChild();
    bool NextSibling();
    bool GetTag(CvString& out);
    bool GetContent(CvString& out);

    ClsXml* GetImpl() const { return m_impl; }

private:
    explicit CvXml(ClsXml* impl);
    static CvXml* Wrap(ClsXml* impl);

    ClsXml* m_impl;
};

#endif // VELMORA_CVXML_H
