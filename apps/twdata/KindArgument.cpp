#include "apps/twdata/KindArgument.h"

#include <charconv>

namespace twdata {

namespace {

constexpr DataKind kFirstKind = kKindLiveConfig;
constexpr DataKind kLastKind = kKindShowCommand;

bool EqualsNoCase(const std::string& a, const std::string& b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        auto fold = [](char c) { return (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c; };
        if (fold(a[i]) != fold(b[i]))
            return false;
    }
    return true;
}

// Show-command results are ".txt" files in the DataFolder's ShowCommand folder;
// the lister knows that extension under the per-device command kind.
std::optional<KindListing> Listing(DataKind kind)
{
    if (kind == kKindShowCommand)
        return KindListing{kind, kKindLiveCommandDevice};
    if (kind < kFirstKind || kind > kLastKind || !DataKindListsFiles(kind))
        return std::nullopt;
    return KindListing{kind, kind};
}

} // namespace

std::optional<KindListing> ParseKindArgument(const std::string& text)
{
    if (text.empty())
        return std::nullopt;
    int number = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), number);
    if (ec == std::errc() && end == text.data() + text.size())
        return Listing(number);
    // Two numbers share the name "ShowCommand"; the later one holds the results.
    for (DataKind kind = kLastKind; kind >= kFirstKind; --kind) {
        const std::string name = DataKindName(kind);
        if (!name.empty() && EqualsNoCase(name, text))
            return Listing(kind);
    }
    return std::nullopt;
}

std::string KnownKindsText()
{
    std::string text;
    for (DataKind kind = kFirstKind; kind <= kLastKind; ++kind) {
        if (!Listing(kind))
            continue;
        if (!text.empty())
            text += ", ";
        const std::string name = DataKindName(kind);
        text += name.empty() ? std::to_string(kind) : name + " (" + std::to_string(kind) + ")";
    }
    return text;
}

} // namespace twdata
