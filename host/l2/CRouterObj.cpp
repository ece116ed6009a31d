#include "CRouterObj.h"

#include "host/netutil/CliText.h"
#include "host/netutil/TableFile.h"
#include "host/util/TWFileSystem.h"

#include <string_view>

namespace {

// "-", minutes ("12"), "00:03:10", or NX-OS's fraction of a minute ("0.106174").
bool IsAge(std::string_view token)
{
    if (token == "-")
        return true;
    for (char ch : token)
        if (ch != ':' && ch != '.' && (ch < '0' || ch > '9'))
            return false;
    return !token.empty();
}

bool IsEncapsulation(std::string_view token)
{
    for (const char* known : {"ARPA", "SNAP", "SAP", "SMDS", "Novell-Ether", "ETHERNET", "FRAME"})
        if (CliText::EqualsNoCase(token, known))
            return true;
    return false;
}

// NX-OS marks some entries with a flag after the interface.
bool IsArpFlag(std::string_view token)
{
    return token == "*" || token == "+" || token == "#" || token == "D";
}

// tokens: the caller's vector, reused from line to line.
bool ParseArpLine(std::string_view line, std::vector<std::string_view>& tokens, CRouterObj::ArpEntry& entry)
{
    CliText::Tokens(line, tokens);
    // The address is the first or second token: "Internet 10.0.0.1 ..." or "10.0.0.1 ...".
    std::size_t at = 0;
    if (tokens.size() >= 3 && CliText::IsIPv4(tokens[1]) && !CliText::IsIPv4(tokens[0]) &&
        !CliText::IsDigits(tokens[0]))
        at = 1;
    if (tokens.size() < at + 3 || !CliText::IsIPv4(tokens[at]))
        return false;
    const std::string_view age = tokens[at + 1];
    const std::string_view mac = tokens[at + 2];
    if (!IsAge(age) || !(CliText::IsMacAddress(mac) || CliText::EqualsNoCase(mac, "Incomplete")))
        return false;
    entry = {};
    if (at == 1)
        entry.protocol = std::string(tokens[0]);
    entry.address = std::string(tokens[at]);
    entry.age = std::string(age);
    entry.mac = std::string(mac);
    std::size_t next = at + 3;
    // IOS prints a type column whenever it prints the protocol, so the token
    // after the MAC is the type even when it is no common encapsulation
    // ("SRP-A"); a line that ends there has no interface.
    if (next < tokens.size() && (at == 1 || IsEncapsulation(tokens[next])))
        entry.type = std::string(tokens[next++]);
    if (next < tokens.size() && !IsArpFlag(tokens[next]))
        entry.interface = std::string(tokens[next]);
    return true;
}

} // namespace

std::vector<CRouterObj::ArpEntry> CRouterObj::ParseArpText(const std::string& output)
{
    std::vector<ArpEntry> entries;
    ArpEntry entry;
    std::vector<std::string_view> tokens;
    for (std::string_view line : CliText::SplitLines(output))
        if (ParseArpLine(line, tokens, entry))
            entries.push_back(std::move(entry));
    return entries;
}

const std::vector<std::string>& CRouterObj::ArpColumns()
{
    static const std::vector<std::string> columns{"protocol", "address", "age", "mac", "type", "interface"};
    return columns;
}

bool CRouterObj::ParseArpTable(const std::string& device, int /*source*/, const std::string& dataFolder,
                               const std::string& output, const std::string& qualifier)
{
    const std::vector<ArpEntry> entries = ParseArpText(output);
    if (entries.empty())
        return false;
    const std::string path = TablePath(dataFolder, &TWFileSystem::GetLiveArpTableFolder, device, qualifier, ".oat");
    if (path.empty())
        return false;
    // Written straight from the entries, as the route table is: rows copied
    // first would cost an allocation per cell.
    return TableFile::WriteEntries(path, ArpColumns(), entries, [](std::string& text, const ArpEntry& e) {
        TableFile::AppendLine(text, {e.protocol, e.address, e.age, e.mac, e.type, e.interface});
    });
}
