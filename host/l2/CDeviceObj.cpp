#include "CDeviceObj.h"

#include "host/netutil/CliText.h"
#include "host/netutil/TableFile.h"
#include "host/util/TWDataSet.h"
#include "host/util/TWFileSystem.h"

#include <filesystem>
#include <optional>
#include <string_view>
#include <system_error>

namespace {

std::string ResolveDataFolder(const std::string& dataFolder)
{
    std::string path;
    if (TWFileSystem* fileSystem = GetCurrBaselineFileSystem()) {
        if (TWDataSet* registry = fileSystem->GetDataSet())
            path = dataFolder.empty() ? registry->GetCurrentDataSet() : registry->GetDataSetPath(dataFolder);
    }
    std::error_code ec;
    if (path.empty() && !dataFolder.empty() && std::filesystem::is_directory(dataFolder, ec))
        path = dataFolder;
    if (!path.empty() && path.back() != '/')
        path += '/';
    return path;
}

// Value after the first "label:" of the line, trimmed.
std::string_view ValueAfter(std::string_view line, std::string_view label)
{
    const std::size_t at = CliText::FindNoCase(line, label);
    if (at == std::string_view::npos)
        return {};
    return CliText::Trim(line.substr(at + label.size()));
}

// Text between the colon after label and the next comma (or line end).
std::string_view FieldUpToComma(std::string_view line, std::string_view label)
{
    std::string_view value = ValueAfter(line, label);
    const std::size_t comma = value.find(',');
    return CliText::Trim(comma == std::string_view::npos ? value : value.substr(0, comma));
}

// The address of an "IP address: x" / "IPv4 Address: x" line.
std::string_view AddressOf(std::string_view line)
{
    const auto tokens = CliText::Tokens(line);
    if (tokens.size() >= 3 && CliText::StartsWithNoCase(tokens[0], "IP") &&
        CliText::EqualsNoCase(tokens[1], "address:") && CliText::IsIPv4(tokens[2]))
        return tokens[2];
    return {};
}

enum class AddressList { None, Entry, Management };

class CdpParser {
public:
    void Line(std::string_view raw)
    {
        const std::string_view line = CliText::Trim(raw);
        if (m_wantVersion) {
            if (line.empty())
                return;
            m_wantVersion = false;
            if (m_entry)
                m_entry->softwareVersion = std::string(line);
            return;
        }
        if (CliText::StartsWithNoCase(line, "Device ID:")) {
            Finish();
            m_entry = CDeviceObj::CdpEntry{};
            m_entry->destinationHost = std::string(CliText::Trim(line.substr(10)));
            m_list = AddressList::None;
            return;
        }
        if (!m_entry)
            return;
        if (line.size() > 2 && line.find_first_not_of('-') == std::string_view::npos) {
            Finish();
            return;
        }
        if (CliText::StartsWithNoCase(line, "Entry address") || CliText::StartsWithNoCase(line, "Interface address")) {
            m_list = AddressList::Entry;
            return;
        }
        if (CliText::StartsWithNoCase(line, "Management address") || CliText::StartsWithNoCase(line, "Mgmt address")) {
            m_list = AddressList::Management;
            return;
        }
        if (const std::string_view address = AddressOf(line); !address.empty()) {
            if (m_list == AddressList::Entry && m_entryAddress.empty())
                m_entryAddress = std::string(address);
            else if (m_list == AddressList::Management && m_managementAddress.empty())
                m_managementAddress = std::string(address);
            return;
        }
        if (CliText::StartsWithNoCase(line, "IPv6") || CliText::StartsWithNoCase(line, "CLNS") ||
            CliText::StartsWithNoCase(line, "DECnet"))
            return;
        m_list = AddressList::None;
        if (CliText::StartsWithNoCase(line, "Platform:")) {
            m_entry->platform = std::string(FieldUpToComma(line, "Platform:"));
            if (CliText::FindNoCase(line, "Capabilities:") != std::string_view::npos)
                m_entry->capabilities = std::string(ValueAfter(line, "Capabilities:"));
        } else if (CliText::StartsWithNoCase(line, "Capabilities:")) {
            m_entry->capabilities = std::string(ValueAfter(line, "Capabilities:"));
        } else if (CliText::StartsWithNoCase(line, "Interface:")) {
            m_entry->localInterface = std::string(FieldUpToComma(line, "Interface:"));
            if (CliText::FindNoCase(line, "Port ID (outgoing port):") != std::string_view::npos)
                m_entry->remotePort = std::string(ValueAfter(line, "Port ID (outgoing port):"));
        } else if (CliText::StartsWithNoCase(line, "Version") && line.back() == ':' &&
                   CliText::Trim(line.substr(7, line.size() - 8)).empty()) {
            m_wantVersion = true;
        }
    }

    void Finish()
    {
        if (m_entry && !m_entry->destinationHost.empty()) {
            m_entry->managementIp = !m_managementAddress.empty() ? m_managementAddress : m_entryAddress;
            m_entries.push_back(std::move(*m_entry));
        }
        m_entry.reset();
        m_entryAddress.clear();
        m_managementAddress.clear();
        m_list = AddressList::None;
        m_wantVersion = false;
    }

    std::vector<CDeviceObj::CdpEntry>& Entries() { return m_entries; }

private:
    std::vector<CDeviceObj::CdpEntry> m_entries;
    std::optional<CDeviceObj::CdpEntry> m_entry;
    std::string m_entryAddress;
    std::string m_managementAddress;
    AddressList m_list = AddressList::None;
    bool m_wantVersion = false;
};

} // namespace

std::string CDeviceObj::TablePath(const std::string& dataFolder, KindFolder kindFolder, const std::string& device,
                                  const std::string& qualifier, const std::string& extension)
{
    if (device.empty())
        return {};
    const std::string folder = kindFolder(ResolveDataFolder(dataFolder));
    if (folder.empty())
        return {};
    std::string name = TableFile::EncodeName(device);
    if (!qualifier.empty())
        name += '$' + TableFile::EncodeName(qualifier);
    return folder + name + extension;
}

std::vector<CDeviceObj::CdpEntry> CDeviceObj::ParseCdpText(const std::string& output)
{
    CdpParser parser;
    for (std::string_view line : CliText::SplitLines(output))
        parser.Line(line);
    parser.Finish();
    return std::move(parser.Entries());
}

const std::vector<std::string>& CDeviceObj::CdpColumns()
{
    static const std::vector<std::string> columns{"local_interface", "destination_host", "remote_port",
                                                  "management_ip",   "platform",         "capabilities",
                                                  "software_version"};
    return columns;
}

bool CDeviceObj::ParseCdpTable(const std::string& device, int /*source*/, const std::string& dataFolder,
                               std::string output, const std::string& qualifier,
                               const std::set<std::string>& localInterfaces)
{
    std::vector<TableFile::Row> rows;
    for (CdpEntry& e : ParseCdpText(output)) {
        if (!localInterfaces.empty() && !localInterfaces.count(e.localInterface))
            continue;
        rows.push_back({std::move(e.localInterface), std::move(e.destinationHost), std::move(e.remotePort),
                        std::move(e.managementIp), std::move(e.platform), std::move(e.capabilities),
                        std::move(e.softwareVersion)});
    }
    if (rows.empty())
        return false;
    const std::string path = TablePath(dataFolder, &TWFileSystem::GetLiveCdpTableFolder, device, qualifier, ".cdp");
    return !path.empty() && TableFile::Write(path, CdpColumns(), rows);
}
