#include "host/util/CMarkup.h"

#include "host/util/TextFile.h"
#include "host/util/XmlDocText.h"
#include "platform/core/Paths.h"

#include <sstream>
#include <string_view>

namespace {

// Inner markup is given back as written: no indentation.
constexpr unsigned kInnerMarkupFormat = pugi::format_raw | pugi::format_no_declaration;

bool IsElement(const pugi::xml_node& node)
{
    return node.type() == pugi::node_element;
}

} // namespace

bool CMarkup::IsValidName(const std::string& name)
{
    if (name.empty())
        return false;
    const unsigned char first = static_cast<unsigned char>(name[0]);
    if (first == '-' || first == '.' || (first >= '0' && first <= '9'))
        return false;
    for (const unsigned char c : name)
        if (c <= ' ' || std::string_view("<>&/\\=\"'!?;,()[]{}|^`~@#$%*+").find(static_cast<char>(c)) !=
                            std::string_view::npos)
            return false;
    return true;
}

CMarkup::CMarkup()
{
    Clear();
}

CMarkup::~CMarkup() = default;

void CMarkup::Clear()
{
    m_doc.reset();
    ResetPos();
}

bool CMarkup::Load(const std::string& path)
{
    std::string bytes;
    if (!TextFile::Read(path, bytes)) {
        Clear();
        return false;
    }
    return SetDoc(bytes);
}

bool CMarkup::SetDoc(const std::string& text)
{
    const bool loaded = LoadXmlDocText(m_doc, text);
    ResetPos();
    return loaded;
}

std::string CMarkup::GetDoc() const
{
    return XmlDocText(m_doc);
}

bool CMarkup::Save(const std::string& path) const
{
    return platform::AtomicWriteFile(path, GetDoc());
}

void CMarkup::ResetPos()
{
    m_parent = m_doc;
    m_current = pugi::xml_node();
}

bool CMarkup::FindElem(const std::string& name)
{
    pugi::xml_node node = m_current ? m_current.next_sibling() : m_parent.first_child();
    for (; node; node = node.next_sibling()) {
        if (IsElement(node) && (name.empty() || name == node.name())) {
            m_current = node;
            return true;
        }
    }
    return false;
}

bool CMarkup::AddElem(const std::string& name, const std::string& content)
{
    if (!IsValidName(name))
        return false;
    if (m_parent == m_doc && m_doc.document_element())
        return false; // a second root would make the file unreadable
    pugi::xml_node node = m_current ? m_parent.insert_child_after(pugi::node_element, m_current)
                                    : m_parent.append_child(pugi::node_element);
    if (!node)
        return false;
    node.set_name(name.c_str());
    if (!content.empty())
        node.append_child(pugi::node_pcdata).set_value(content.c_str());
    m_current = node;
    return true;
}

bool CMarkup::IntoElem()
{
    if (!m_current)
        return false;
    m_parent = m_current;
    m_current = pugi::xml_node();
    return true;
}

bool CMarkup::OutOfElem()
{
    if (m_parent == m_doc)
        return false;
    m_current = m_parent;
    m_parent = m_parent.parent();
    return true;
}

bool CMarkup::SetElemContent(const std::string& text)
{
    if (!m_current)
        return false;
    while (pugi::xml_node child = m_current.first_child())
        m_current.remove_child(child);
    if (!text.empty())
        m_current.append_child(pugi::node_pcdata).set_value(text.c_str());
    return true;
}

std::string CMarkup::GetElemContent() const
{
    if (!m_current)
        return std::string();
    bool hasElements = false;
    for (pugi::xml_node child : m_current.children())
        hasElements = hasElements || IsElement(child);
    std::string text;
    if (hasElements) {
        std::ostringstream out;
        for (pugi::xml_node child : m_current.children())
            child.print(out, "", kInnerMarkupFormat, pugi::encoding_utf8);
        return out.str();
    }
    for (pugi::xml_node child : m_current.children())
        if (child.type() == pugi::node_pcdata || child.type() == pugi::node_cdata)
            text += child.value();
    return text;
}

std::string CMarkup::GetTagName() const
{
    return m_current ? std::string(m_current.name()) : std::string();
}
