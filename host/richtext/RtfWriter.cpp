#include "host/richtext/RtfWriter.h"

#include "host/richtext/Utf8.h"

#include <algorithm>
#include <cstdint>

namespace richtext {

namespace {

// Index of colour in table (1-based; entry 0 is the automatic colour).
int ColorIndex(std::vector<RtfColor>& table, const RtfColor& colour)
{
    const auto found = std::find(table.begin(), table.end(), colour);
    if (found != table.end())
        return static_cast<int>(found - table.begin()) + 1;
    table.push_back(colour);
    return static_cast<int>(table.size());
}

void AppendUnicodeEscape(std::string& out, std::uint32_t unit)
{
    // RTF numbers are signed 16-bit: units above 32767 are written negative.
    const int value = unit > 0x7FFF ? static_cast<int>(unit) - 0x10000 : static_cast<int>(unit);
    out += "\\u" + std::to_string(value) + "?";
}

// Escapes one line of text (no '\n' inside).
void AppendText(std::string& out, std::string_view text)
{
    std::size_t pos = 0;
    while (pos < text.size()) {
        const std::uint32_t cp = DecodeUtf8(text, pos);
        if (cp == '\\' || cp == '{' || cp == '}') {
            out += '\\';
            out += static_cast<char>(cp);
        } else if (cp == '\t') {
            out += "\\tab ";
        } else if (cp < 0x20 || cp == 0x7F) {
            // Other control characters (a stray CR) have no place in a paragraph.
        } else if (cp < 0x80) {
            out += static_cast<char>(cp);
        } else if (cp < 0x10000) {
            AppendUnicodeEscape(out, cp);
        } else {
            const std::uint32_t v = cp - 0x10000;
            AppendUnicodeEscape(out, 0xD800 + (v >> 10));
            AppendUnicodeEscape(out, 0xDC00 + (v & 0x3FF));
        }
    }
}

std::string FontNameFor(const RtfText& text)
{
    std::string name;
    // Braces, backslashes and ';' would end or break the font table entry.
    for (char c : text.fontName)
        if (c != '{' && c != '}' && c != '\\' && c != ';' && static_cast<unsigned char>(c) >= 0x20)
            name += c;
    return name.empty() ? std::string(kDefaultRtfFont) : name;
}

} // namespace

std::string WriteRtf(const RtfText& text)
{
    std::vector<RtfColor> colours;
    std::string body;
    for (const RtfRun& run : text.runs) {
        std::string attributes;
        if (run.bold)
            attributes += "\\b";
        if (run.italic)
            attributes += "\\i";
        if (run.underline)
            attributes += "\\ul";
        if (run.color)
            attributes += "\\cf" + std::to_string(ColorIndex(colours, *run.color));
        if (run.highlight) {
            // \highlight for WordPad and Word, \cb and \chcbpat for LibreOffice.
            const std::string index = std::to_string(ColorIndex(colours, *run.highlight));
            attributes += "\\highlight" + index + "\\cb" + index + "\\chcbpat" + index;
        }
        if (run.halfPoints > 0)
            attributes += "\\fs" + std::to_string(run.halfPoints);

        std::size_t start = 0;
        while (start <= run.text.size()) {
            const std::size_t end = std::min(run.text.find('\n', start), run.text.size());
            if (end > start) {
                body += attributes.empty() ? "{" : "{" + attributes + " ";
                AppendText(body, std::string_view(run.text).substr(start, end - start));
                body += "}";
            }
            if (end == run.text.size())
                break;
            body += "\\par\r\n";
            start = end + 1;
        }
    }
    // Every paragraph, the last one too, ends in \par, as other writers do.
    body += "\\par\r\n";

    std::string out = "{\\rtf1\\ansi\\ansicpg1252\\deff0\\uc1\r\n";
    out += "{\\fonttbl{\\f0\\fmodern\\fprq1\\fcharset0 " + FontNameFor(text) + ";}}\r\n";
    if (!colours.empty()) {
        out += "{\\colortbl ;";
        for (const RtfColor& c : colours)
            out += "\\red" + std::to_string(c.red) + "\\green" + std::to_string(c.green) + "\\blue" +
                   std::to_string(c.blue) + ";";
        out += "}\r\n";
    }
    out += "\\viewkind4\\pard\\plain\\f0";
    if (text.defaultHalfPoints > 0)
        out += "\\fs" + std::to_string(text.defaultHalfPoints);
    out += "\r\n";
    out += body;
    out += "}\r\n";
    return out;
}

} // namespace richtext
