#pragma once
#include <string>

class StlHelper {
public:
    // Replaces every occurrence of from, scanning left to right without
    // rescanning replaced text; an empty from changes nothing. Returns the count.
    static int replaceString(std::string& text, const std::string& from, const std::string& to);
};
