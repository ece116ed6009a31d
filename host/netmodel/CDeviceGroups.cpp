#include "host/netmodel/CDeviceGroups.h"

#include "host/netmodel/GlobalNetworkInfo.h"
#include "host/netmodel/TWDeviceFactory.h"
#include "host/util/TextFile.h"
#include "platform/core/Paths.h"

#include <filesystem>
#include <strings.h>

namespace {

constexpr const char* kFileName = "DeviceGroups.ini";
// Section syntax, comments, and what a Windows file name cannot hold (groups
// may become folders or file names of exports).
constexpr const char* kForbidden = "[]=;#\\/:*?\"<>|";

bool EqualsNoCase(const std::string& a, const std::string& b)
{
    return a.size() == b.size() && ::strncasecmp(a.c_str(), b.c_str(), a.size()) == 0;
}

} // namespace

// The file as lines, with where each group's section starts and ends.
struct CDeviceGroups::Lines {
    struct Section {
        std::string name;
        std::size_t header = 0;
        std::size_t insertAt = 0;   // after its last entry
        std::vector<std::string> keys;
    };
    std::vector<std::string> text;
    std::vector<Section> sections;

    Section* Find(const std::string& name)
    {
        for (Section& section : sections)
            if (EqualsNoCase(section.name, name))
                return &section;
        return nullptr;
    }
};

CDeviceGroups::CDeviceGroups(const std::string& projectFolder) : m_projectFolder(projectFolder) {}

std::string CDeviceGroups::GetFile() const
{
    return m_projectFolder.empty() ? std::string() : platform::JoinPath(m_projectFolder, kFileName);
}

std::string CDeviceGroups::Trim(const std::string& name)
{
    const std::size_t first = name.find_first_not_of(" \t\r\n");
    if (first == std::string::npos)
        return {};
    return name.substr(first, name.find_last_not_of(" \t\r\n") - first + 1);
}

bool CDeviceGroups::Load(Lines& lines) const
{
    std::string bytes;
    std::error_code ec;
    if (!std::filesystem::exists(GetFile(), ec))
        return true;   // no group yet
    if (!TextFile::Read(GetFile(), bytes))
        return false;
    std::size_t start = 0;
    while (start < bytes.size()) {
        std::size_t end = bytes.find('\n', start);
        if (end == std::string::npos)
            end = bytes.size();
        std::string line = bytes.substr(start, end - start);
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        lines.text.push_back(std::move(line));
        start = end + 1;
    }
    for (std::size_t i = 0; i < lines.text.size(); ++i) {
        const std::string line = Trim(lines.text[i]);
        if (line.size() > 2 && line.front() == '[' && line.back() == ']') {
            lines.sections.push_back({Trim(line.substr(1, line.size() - 2)), i, i + 1, {}});
            continue;
        }
        if (lines.sections.empty() || line.empty() || line[0] == ';' || line[0] == '#')
            continue;
        const std::size_t equals = line.find('=');
        const std::string key = equals == std::string::npos ? std::string() : Trim(line.substr(0, equals));
        if (!key.empty()) {
            lines.sections.back().keys.push_back(key);
            lines.sections.back().insertAt = i + 1;
        }
    }
    return true;
}

bool CDeviceGroups::Save(const Lines& lines) const
{
    std::string bytes;
    for (const std::string& line : lines.text)
        bytes += line + "\r\n";
    return platform::AtomicWriteFile(GetFile(), bytes);
}

std::vector<CDeviceGroups::Group> CDeviceGroups::GetGroups() const
{
    Lines lines;
    std::vector<Group> groups;
    if (!Load(lines))
        return groups;
    for (const Lines::Section& section : lines.sections)
        groups.push_back({section.name, section.keys});
    return groups;
}

std::string CDeviceGroups::FindGroup(const std::string& name) const
{
    Lines lines;
    const Lines::Section* section = Load(lines) ? lines.Find(Trim(name)) : nullptr;
    return section ? section->name : std::string();
}

CDeviceGroups::Result CDeviceGroups::CheckName(const std::string& name)
{
    const std::string trimmed = Trim(name);
    if (trimmed.empty())
        return Result::EmptyName;
    if (trimmed.find_first_of(kForbidden) != std::string::npos)
        return Result::BadName;
    for (char c : trimmed)
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7f)
            return Result::BadName;
    return Result::Ok;
}

namespace {

// One "device=type" line per device that can be a key; a device listed
// twice counts once.
std::vector<std::string> EntryLines(const std::vector<CDeviceGroups::Member>& devices,
                                    std::vector<std::string>& keys)
{
    std::vector<std::string> lines;
    for (const CDeviceGroups::Member& device : devices) {
        if (!GlobalNetworkInfo::IsValidDeviceName(device.name))
            continue;
        bool known = false;
        for (const std::string& key : keys)
            known = known || EqualsNoCase(key, device.name);
        if (known)
            continue;
        keys.push_back(device.name);
        lines.push_back(device.name + "=" + TWDeviceFactory::TypeToText(device.type));
    }
    return lines;
}

} // namespace

CDeviceGroups::Result CDeviceGroups::Create(const std::string& name, const std::vector<Member>& devices, int* added)
{
    if (added)
        *added = 0;
    const std::string group = Trim(name);
    if (const Result rule = CheckName(group); rule != Result::Ok)
        return rule;
    Lines lines;
    if (!Load(lines))
        return Result::WriteFailed;
    if (lines.Find(group))
        return Result::Exists;
    std::vector<std::string> keys;
    const std::vector<std::string> entries = EntryLines(devices, keys);
    if (entries.empty())
        return Result::NoDevices;
    if (!lines.text.empty() && !Trim(lines.text.back()).empty())
        lines.text.emplace_back();
    lines.text.push_back("[" + group + "]");
    lines.text.insert(lines.text.end(), entries.begin(), entries.end());
    if (!Save(lines))
        return Result::WriteFailed;
    if (added)
        *added = static_cast<int>(entries.size());
    return Result::Ok;
}

CDeviceGroups::Result CDeviceGroups::Add(const std::string& name, const std::vector<Member>& devices, int* added)
{
    if (added)
        *added = 0;
    Lines lines;
    if (!Load(lines))
        return Result::WriteFailed;
    Lines::Section* section = lines.Find(Trim(name));
    if (!section)
        return Result::NotFound;
    const std::vector<std::string> entries = EntryLines(devices, section->keys);
    if (entries.empty())
        return devices.empty() ? Result::NoDevices : Result::Ok;
    lines.text.insert(lines.text.begin() + static_cast<std::ptrdiff_t>(section->insertAt), entries.begin(),
                      entries.end());
    if (!Save(lines))
        return Result::WriteFailed;
    if (added)
        *added = static_cast<int>(entries.size());
    return Result::Ok;
}

std::string CDeviceGroups::Describe(Result result, const std::string& name) const
{
    const std::string group = Trim(name);
    switch (result) {
    case Result::Ok:
        return {};
    case Result::EmptyName:
        return "Please enter a name for the device group.";
    case Result::BadName:
        return "A device group's name can't include control characters or any of the following characters:\n"
               "\t[ ] = ; # \\ / : * ? \" < > |";
    case Result::Exists:
        return "The device group '" + FindGroup(group) + "' already exists.";
    case Result::NotFound:
        return "There is no device group '" + group + "' in this project.";
    case Result::NoDevices:
        return "No device was given for the device group '" + group + "'.";
    case Result::WriteFailed:
        return "The device groups in '" + GetFile() +
               "' cannot be read or written (is the project folder read-only?); nothing was changed.";
    }
    return {};
}
