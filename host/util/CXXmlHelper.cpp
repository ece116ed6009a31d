#include "host/util/CXXmlHelper.h"

#include "host/util/CMarkup.h"
#include "host/util/TextFile.h"
#include "host/util/XmlDocText.h"
#include "platform/core/Paths.h"

CXXmlHelper::CXXmlHelper() = default;
CXXmlHelper::~CXXmlHelper() = default;

bool CXXmlHelper::Load(const std::string& path)
{
    std::string bytes;
    if (!TextFile::Read(path, bytes)) {
        m_doc.reset();
        return false;
    }
    return LoadXmlDocText(m_doc, bytes);
}

std::string CXXmlHelper::GetDoc() const
{
    return XmlDocText(m_doc);
}

bool CXXmlHelper::Save(const std::string& path) const
{
    return platform::AtomicWriteFile(path, GetDoc());
}

bool CXXmlHelper::Owns(Node node) const
{
    return node && node.root() == m_doc;
}

CXXmlHelper::Node CXXmlHelper::CreateNode(const std::string& name)
{
    if (!CMarkup::IsValidName(name))
        return Node();
    Node root = m_doc.document_element();
    Node node = root ? root.append_child(pugi::node_element) : m_doc.append_child(pugi::node_element);
    node.set_name(name.c_str());
    return node;
}

CXXmlHelper::Node CXXmlHelper::GetChildNode(Node parent, const std::string& name) const
{
    if (!parent)
        return m_doc.child(name.c_str());
    return Owns(parent) ? parent.child(name.c_str()) : Node();
}

CXXmlHelper::Node CXXmlHelper::GetNode(Node parent, const std::string& name, bool create)
{
    if (Node found = GetChildNode(parent, name))
        return found;
    if (!create || !CMarkup::IsValidName(name))
        return Node();
    if (!parent)
        return m_doc.document_element() ? Node() : CreateNode(name); // one root only
    if (!Owns(parent) || parent.type() != pugi::node_element)
        return Node();
    Node node = parent.append_child(pugi::node_element);
    node.set_name(name.c_str());
    return node;
}

std::string CXXmlHelper::GetValue(Node node) const
{
    if (!Owns(node))
        return std::string();
    std::string text;
    for (Node child : node.children())
        if (child.type() == pugi::node_pcdata || child.type() == pugi::node_cdata)
            text += child.value();
    return text;
}

bool CXXmlHelper::SetValue(Node node, const std::string& text)
{
    if (!Owns(node) || node.type() != pugi::node_element)
        return false;
    // Replace the text only; child elements stay.
    for (Node child = node.first_child(); child;) {
        Node next = child.next_sibling();
        if (child.type() == pugi::node_pcdata || child.type() == pugi::node_cdata)
            node.remove_child(child);
        child = next;
    }
    if (!text.empty())
        node.prepend_child(pugi::node_pcdata).set_value(text.c_str());
    return true;
}
