#pragma once
// Small tokenising helpers shared by the show-command parsers. They work on
// views of the device output, never allocate per character, and accept any
// byte: binary noise is just text that matches nothing.
#include <string>
#include <string_view>
#include <vector>

class CliText {
public:
    // Lines split at LF; a CR before the LF (or a lone trailing CR) is dropped.
    // Text without any LF is split at CR (captures whose lines end in CR alone).
    static std::vector<std::string_view> SplitLines(std::string_view text);
    // The lines of SplitLines handed to visit(std::string_view) one by one,
    // without a vector of them all.
    template <typename Visit>
    static void ForEachLine(std::string_view text, Visit visit)
    {
        const char lineEnd = LineEnd(text);
        std::size_t start = 0;
        while (start < text.size()) {
            std::size_t end = text.find(lineEnd, start);
            const std::size_t next = (end == std::string_view::npos) ? text.size() : end + 1;
            if (end == std::string_view::npos)
                end = text.size();
            std::string_view line = text.substr(start, end - start);
            if (!line.empty() && line.back() == '\r')
                line.remove_suffix(1);
            visit(line);
            start = next;
        }
    }
    // The character that ends the lines of text: LF, or CR when text holds CRs but no LF.
    static char LineEnd(std::string_view text);
    // Runs of non-blank bytes; every byte up to ' ' counts as blank.
    static std::vector<std::string_view> Tokens(std::string_view line);
    // The same into a caller's vector (cleared first), which keeps its capacity
    // from line to line.
    static void Tokens(std::string_view line, std::vector<std::string_view>& tokens);
    // The line split at commas, each part trimmed.
    static std::vector<std::string_view> SplitCommas(std::string_view line);
    static void SplitCommas(std::string_view line, std::vector<std::string_view>& parts);
    static std::string_view Trim(std::string_view text);
    static bool IsBlank(unsigned char ch) { return ch <= ' ' || ch == 0x7F; }

    static bool EqualsNoCase(std::string_view a, std::string_view b);
    static bool StartsWithNoCase(std::string_view text, std::string_view prefix);
    // Position of needle in text ignoring ASCII case, or npos.
    static std::size_t FindNoCase(std::string_view text, std::string_view needle);

    static bool IsDigits(std::string_view text);
    // Dotted quad, each part 0..255.
    static bool IsIPv4(std::string_view text);
    // "a.b.c.d/len" with len 0..32; address and length out when given.
    static bool IsIPv4Prefix(std::string_view text, std::string_view* address = nullptr,
                             std::string_view* length = nullptr);
    // Contiguous dotted mask to its length; -1 when the text is no such mask.
    static int MaskLength(std::string_view mask);
    // 0011.2233.4455, 00:11:22:33:44:55 or 00-11-22-33-44-55 (hex digits).
    static bool IsMacAddress(std::string_view text);
    // Uptime forms of route tables: 00:01:02, 1d02h, 3w4d, 1y2w, "never".
    static bool IsUptime(std::string_view text);
};
