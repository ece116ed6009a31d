#pragma once
// Node-level access to a small XML file such as "TheDataset.Desc": find or
// create an element by name, read or replace its text, save. Nodes are
// pugixml handles into the helper's document; a null handle (false in a test)
// means "not found" and is accepted everywhere, so calls can be chained.
#include <pugixml.hpp>

#include <string>

class CXXmlHelper {
public:
    using Node = pugi::xml_node;

    CXXmlHelper();
    ~CXXmlHelper();
    CXXmlHelper(const CXXmlHelper&) = delete;
    CXXmlHelper& operator=(const CXXmlHelper&) = delete;

    // False for a missing, unreadable or malformed file, or one without an
    // element; the document is then empty and handles taken before are void.
    bool Load(const std::string& path);
    // Written compactly, without an XML declaration, replacing the file atomically.
    bool Save(const std::string& path) const;
    std::string GetDoc() const;

    // The root element when the document has none yet, else a new last child of the root.
    Node CreateNode(const std::string& name);
    // First child element of that name; a null parent stands for the document.
    Node GetChildNode(Node parent, const std::string& name) const;
    // As GetChildNode, appending the element when it is missing and create is set.
    Node GetNode(Node parent, const std::string& name, bool create);

    std::string GetValue(Node node) const;
    bool SetValue(Node node, const std::string& text);

private:
    bool Owns(Node node) const;

    pugi::xml_document m_doc;
};
