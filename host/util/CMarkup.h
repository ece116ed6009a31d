#pragma once
// A small XML document walked with a cursor, the way the descriptor code reads
// and edits "TheDataset.Desc": find an element at the current level, step into
// it, add or change one element, save. Elements it does not touch keep their
// place and order.
#include <pugixml.hpp>

#include <string>

class CMarkup {
public:
    CMarkup();
    ~CMarkup();
    CMarkup(const CMarkup&) = delete;
    CMarkup& operator=(const CMarkup&) = delete;

    // False for a missing, unreadable or malformed file, or one without an
    // element; the document is then empty. The cursor goes back to the top.
    bool Load(const std::string& path);
    bool SetDoc(const std::string& text);
    std::string GetDoc() const;
    // Written compactly, without an XML declaration, replacing the file atomically.
    bool Save(const std::string& path) const;

    // Next element after the current one at the current level (from the first
    // when there is no current one); an empty name matches any element. The
    // position does not move when nothing is found.
    bool FindElem(const std::string& name = std::string());
    // Inserts after the current element, or at the end of the level when there
    // is none, and makes the new element current. The document keeps one root.
    bool AddElem(const std::string& name, const std::string& content = std::string());
    bool IntoElem();
    bool OutOfElem();
    void ResetPos();

    bool SetElemContent(const std::string& text);
    // The text of the current element; its inner markup when it holds elements.
    std::string GetElemContent() const;
    std::string GetTagName() const;

    // Enough of the XML name rule to keep a saved file readable.
    static bool IsValidName(const std::string& name);

private:
    void Clear();

    pugi::xml_document m_doc;
    pugi::xml_node m_parent;   // the level the cursor walks (the document at the top)
    pugi::xml_node m_current;  // null when no element of the level is current
};
