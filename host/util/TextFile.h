#pragma once
// Whole-file reading for the small settings and descriptor files.
#include <string>

class TextFile {
public:
    // False (and bytes empty) unless path is a readable regular file: a folder
    // or a device given where a file was expected is not read.
    static bool Read(const std::string& path, std::string& bytes);
};
