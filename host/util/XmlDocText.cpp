#include "host/util/XmlDocText.h"

#include <sstream>

namespace {

constexpr unsigned kParseOptions = pugi::parse_cdata | pugi::parse_escapes | pugi::parse_wconv_attribute |
                                   pugi::parse_comments | pugi::parse_pi | pugi::parse_declaration |
                                   pugi::parse_doctype | pugi::parse_ws_pcdata;
constexpr unsigned kFormat = pugi::format_raw | pugi::format_no_declaration;

// pugixml's reference for 0x08. Texts and attribute values hold it only as
// that escape: their own '&' is always written as "&amp;".
constexpr std::string_view kBackspaceReference = "&#08;";

} // namespace

bool LoadXmlDocText(pugi::xml_document& doc, const std::string& text)
{
    doc.reset();
    if (!doc.load_buffer(text.data(), text.size(), kParseOptions) || !doc.document_element()) {
        doc.reset();
        return false;
    }
    return true;
}

std::string XmlDocText(const pugi::xml_document& doc)
{
    std::ostringstream out;
    doc.save(out, "", kFormat, pugi::encoding_utf8);
    std::string text = out.str();
    std::size_t write = 0;
    for (std::size_t read = 0; read < text.size();) {
        if (text.compare(read, kBackspaceReference.size(), kBackspaceReference) == 0) {
            text[write++] = '\x08';
            read += kBackspaceReference.size();
        } else {
            text[write++] = text[read++];
        }
    }
    text.resize(write);
    return text;
}
