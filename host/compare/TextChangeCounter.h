#pragma once
// How many lines one text (a configuration, a show-command output) gained and
// lost against another, as a side-by-side viewer would mark them. Line ends
// CR LF and LF count as the same.
#include <cstddef>
#include <string_view>

class CTextChangeCounter {
public:
    struct Counts {
        std::size_t added = 0;
        std::size_t removed = 0;
    };
    static Counts Count(std::string_view first, std::string_view second);
};
