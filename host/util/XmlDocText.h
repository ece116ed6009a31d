#pragma once
// The one way our XML files are read and written: comments, declarations and
// whitespace of a loaded file kept, no declaration or indentation written.
#include <pugixml.hpp>

#include <string>

// Loads text into doc; false (doc empty) when it is no XML with a root element.
bool LoadXmlDocText(pugi::xml_document& doc, const std::string& text);

// The text of doc. A backspace is written as that single byte, not as the
// character reference pugixml would write: descriptors store a description's
// line breaks as 0x08 bytes, and readers that know only that form must find them.
std::string XmlDocText(const pugi::xml_document& doc);
