#pragma once
// The formatted text that the result editor's toolbar can make, as the RTF
// writer and reader exchange it: a list of runs, each a piece of text with one
// set of character attributes. A '\n' in a run's text ends a paragraph.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace richtext {

struct RtfColor {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
    bool operator==(const RtfColor&) const = default;
};

struct RtfRun {
    std::string text;   // UTF-8
    bool bold = false;
    bool italic = false;
    bool underline = false;
    std::optional<RtfColor> color;       // none: the default text colour
    std::optional<RtfColor> highlight;   // none: no highlight
    int halfPoints = 0;                  // font size in half points; 0: the default size

    // True when both runs carry the same attributes (text aside).
    bool SameFormat(const RtfRun& other) const
    {
        return bold == other.bold && italic == other.italic && underline == other.underline &&
               color == other.color && highlight == other.highlight && halfPoints == other.halfPoints;
    }
};

struct RtfText {
    std::string fontName;      // the one (monospace) font family; empty: the writer's default
    int defaultHalfPoints = 0; // size of runs without their own; 0: the writer's default
    std::vector<RtfRun> runs;
};

} // namespace richtext
