// CvXml and CvString: read-only access to a loaded document.
#include "CvXml.h"
#include "Charsets.h"
#include "EncodingConvert.h"
#include "TreeNode.h"
#include "XString.h"
#include "XmlParser.h"
#include <new>
#include <string.h>

// ---------------------------------------------------------------- CvString

CvString::CvString() : m_buffer(new (std::nothrow) StringBuffer(200)) {}

CvString::~CvString()
{
    delete m_buffer;
}

const char* CvString::GetString() const
{
    return m_buffer ? m_buffer->GetString() : "";
}

void CvString::Clear()
{
    if (m_buffer)
        m_buffer->Clear();
}

// ---------------------------------------------------------------- ClsXml

ClsXml::ClsXml() : m_node(TreeNode::CreateRoot("unnamed"))
{
    if (m_node)
        m_node->AddRef();
}

ClsXml::ClsXml(TreeNode* node) : m_node(TreeNode::CreateRoot("unnamed"))
{
    // The placeholder document goes at once; the handle stands on the found node instead.
    if (m_node)
        delete m_node;
    m_node = node;
    if (m_node)
        m_node->AddRef();
}

ClsXml::~ClsXml()
{
    Let();
}

void ClsXml::Let()
{
    if (!m_node)
        return;
    TreeNode* node = m_node;
    m_node = nullptr;
    node->Release();
    if (node->GetDocumentRefCount() == 0)
        node->DeleteTree();
}

bool ClsXml::LoadXmlFile(const char* utf8Path)
{
    m_log.ClearLog();
    m_log.EnterContext("LoadXmlFile", true);
    StringBuffer path(utf8Path);
    path.Trim();
    TreeNode* root = nullptr;
    XmlLoader::LoadFile(path.GetString(), nullptr, nullptr, &root);
    bool ok = root != nullptr;
    if (ok)
    {
        Let();
        m_node = root;
        m_node->AddRef();
    }
    m_log.LeaveContext();
    return ok;
}

ClsXml* ClsXml::GetRoot()
{
    TreeNode* root = m_node ? m_node->GetDocumentRoot() : nullptr;
    if (!root)
        return nullptr;
    return new (std::nothrow) ClsXml(root);
}

ClsXml* ClsXml::FirstChild()
{
    TreeNode* child = m_node ? m_node->GetChild(0) : nullptr;
    if (!child)
        return nullptr;
    return new (std::nothrow) ClsXml(child);
}

bool ClsXml::NextSibling()
{
    TreeNode* next = m_node ? m_node->GetNextSibling() : nullptr;
    if (!next)
        return false;
    next->AddRef();
    TreeNode* old = m_node;
    m_node = next;
    old->Release();
    return true;
}

// Text goes back to the document's declared character set.
void ClsXml::ConvertOut(StringBuffer& text)
{
    StringBuffer declared;
    bool found = false;
    if (m_node)
        m_node->GetEncoding(declared, found);
    if (!found || declared.GetLength() == 0)
        declared.SetString("utf-8");
    if (declared.EqualsNoCase("utf-8") || declared.EqualsNoCase("us-ascii"))
        return;
    const char* name = declared.GetString();
    if ((_strnicmp(name, "iso-8859-", 9) == 0 || _strnicmp(name, "windows-125", 11) == 0) && text.Is7Bit())
        return;
    // The load converts only from charsets it can convert; for any other declared name the text is
    // still the file's own bytes and is handed back as it stands instead of being emptied.
    if (!EncodingConvert::IsConvertible(CharsetToCodePage(name)))
        return;
    DataBuffer out;
    EncodingConvert conv;
    conv.ConvertToCharset(65001, name, reinterpret_cast<const unsigned char*>(text.GetString()),
                          text.GetLength(), out);
    text.Clear();
    text.AppendBytes(out.GetData(), (int)out.GetSize());
}

bool ClsXml::GetTag(StringBuffer& out)
{
    out.Clear();
    const char* tag = m_node ? m_node->GetTag() : nullptr;
    out.Append(tag ? tag : "");
    ConvertOut(out);
    return true;
}

// An element without content gives empty text: what the output held before (already converted
// once) is never run through the conversion again, nor handed back as if it were this element's.
bool ClsXml::GetContent(StringBuffer& out)
{
    out.Clear();
    if (m_node && m_node->HasContent())
    {
        out.AppendBuffer(*m_node->GetContent());
        ConvertOut(out);
    }
    return true;
}

// ---------------------------------------------------------------- CvXml

CvXml::CvXml() : m_impl(new (std::nothrow) ClsXml()) {}

CvXml::CvXml(ClsXml* impl) : m_impl(impl) {}

CvXml::~CvXml()
{
    delete m_impl;
}

CvXml* CvXml::Wrap(ClsXml* impl)
{
    if (!impl)
        return nullptr;
    CvXml* handle = new (std::nothrow) CvXml(impl);
    if (!handle)
        delete impl;
    return handle;
}

bool CvXml::LoadXmlFile(const char* path)
{
    if (!m_impl)
        return false;
    XString xpath;
    xpath.SetFromAnsi(path);
    return m_impl->LoadXmlFile(xpath.GetUtf8());
}

CvXml* CvXml::GetRoot()
{
    return m_impl ? Wrap(m_impl->GetRoot()) : nullptr;
}

CvXml* CvXml::FirstChild()
{
    return m_impl ? Wrap(m_impl->FirstChild()) : nullptr;
}

bool CvXml::NextSibling()
{
    return m_impl && m_impl->NextSibling();
}

bool CvXml::GetTag(CvString& out)
{
    if (!m_impl || !out.GetBuffer())
        return true;
    return m_impl->GetTag(*out.GetBuffer());
}

bool CvXml::GetContent(CvString& out)
{
    if (!m_impl || !out.GetBuffer())
        return true;
    return m_impl->GetContent(*out.GetBuffer());
}
