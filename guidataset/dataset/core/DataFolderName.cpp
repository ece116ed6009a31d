#include "guidataset/dataset/core/DataFolderName.h"

#include "platform/core/Paths.h"

#include <algorithm>
#include <array>
#include <filesystem>
#include <system_error>

namespace {

constexpr const char* kForbiddenCharacters = "\\/:*?\"<>|";

char FoldAscii(char c)
{
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c + ('a' - 'A')) : c;
}

std::string Lower(std::string s)
{
    std::transform(s.begin(), s.end(), s.begin(), FoldAscii);
    return s;
}

bool IsBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f';
}

std::string Trim(const std::string& s)
{
    std::size_t begin = 0;
    std::size_t end = s.size();
    while (begin < end && IsBlank(s[begin]))
        ++begin;
    while (end > begin && IsBlank(s[end - 1]))
        --end;
    return s.substr(begin, end - begin);
}

// Characters as the entry field counts them: UTF-8 continuation bytes don't
// start a character.
std::size_t CharacterCount(const std::string& s)
{
    return static_cast<std::size_t>(std::count_if(s.begin(), s.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    }));
}

bool IsReservedName(const std::string& name)
{
    static const std::array<const char*, 4> reserved = {"more...", "new...", "open...", "k-map."};
    const std::string lower = Lower(name);
    return std::find(reserved.begin(), reserved.end(), lower) != reserved.end() ||
           name.back() == '.';
}

// Two names differing only in case are the same DataFolder.
bool EntryExists(const std::string& folder, const std::string& name)
{
    std::error_code ec;
    if (std::filesystem::exists(platform::JoinPath(folder, name), ec))
        return true;
    const std::string lower = Lower(name);
    std::filesystem::directory_iterator it(folder, ec);
    for (; !ec && it != std::filesystem::directory_iterator(); it.increment(ec)) {
        if (Lower(it->path().filename().string()) == lower)
            return true;
    }
    return false;
}

DataFolderNameCheck Refuse(DataFolderNameCheck check, DataFolderNameStatus status,
                           std::string message)
{
    check.status = status;
    check.message = std::move(message);
    return check;
}

} // namespace

std::string ForbiddenCharactersMessage(const std::string& what)
{
    std::string message = "The " + what + "'s name can't include any of the following characters\n\t";
    for (const char* c = kForbiddenCharacters; *c; ++c) {
        message += ' ';
        message += *c;
    }
    return message;
}

DataFolderNameCheck CheckDataFolderName(const std::string& entered,
                                        const std::string& dataSetsFolder)
{
    DataFolderNameCheck check;
    check.name = Trim(entered);
    const std::string& name = check.name;

    if (name.empty())
        return Refuse(check, DataFolderNameStatus::Empty, "Please input DataFolder name.");
    if (name.find_first_of(kForbiddenCharacters) != std::string::npos)
        return Refuse(check, DataFolderNameStatus::ForbiddenCharacter,
                      ForbiddenCharactersMessage("DataFolder"));
    // A tab or a line break would split the DataFolder's line in every listing.
    if (std::any_of(name.begin(), name.end(), [](char c) {
            const auto u = static_cast<unsigned char>(c);
            return u < 0x20 || u == 0x7f;
        }))
        return Refuse(check, DataFolderNameStatus::ForbiddenCharacter,
                      "The DataFolder's name can't include a tab, a line break or any other control character.");
    if (CharacterCount(name) > kMaxDataFolderNameLength)
        return Refuse(check, DataFolderNameStatus::TooLong,
                      "The DataFolder name can't be longer than 32 characters.");
    if (IsReservedName(name))
        return Refuse(check, DataFolderNameStatus::Invalid, "The DataFolder name is invalid.");
    if (!dataSetsFolder.empty() && EntryExists(dataSetsFolder, name))
        return Refuse(check, DataFolderNameStatus::Exists, "The DataFolder already exists.");
    return check;
}
