#pragma once
// Runs shown as one line of text, so that a failing comparison shows where
// text or format differs: [text|biu cfR,G,B hlR,G,B fsN] per run.
#include "host/richtext/RtfRun.h"

#include <string>

namespace twtest {

inline std::string Describe(const richtext::RtfText& text)
{
    const auto colour = [](const char* tag, const richtext::RtfColor& c) {
        return std::string(" ") + tag + std::to_string(c.red) + "," + std::to_string(c.green) + "," +
               std::to_string(c.blue);
    };
    std::string out;
    for (const richtext::RtfRun& r : text.runs) {
        out += "[" + r.text + "|" + (r.bold ? "b" : "") + (r.italic ? "i" : "") + (r.underline ? "u" : "");
        if (r.color)
            out += colour("cf", *r.color);
        if (r.highlight)
            out += colour("hl", *r.highlight);
        if (r.halfPoints)
            out += " fs" + std::to_string(r.halfPoints);
        out += "]";
    }
    return out;
}

} // namespace twtest
