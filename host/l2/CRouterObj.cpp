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

// One entry's cells: views into the output.
struct ArpCells {
    std::string_view protocol;
    std::string_view address;
    std::string_view age;
    std::string_view mac;
    std::string_view type;
    std::string_view interface;
};

// tokens: the caller's vector, reused from line to line.
bool ParseArpLine(std::string_view line, std::vector<std::string_view>& tokens, ArpCells& entry)
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
        entry.protocol = tokens[0];
    entry.address = tokens[at];
    entry.age = age;
    entry.mac = mac;
    std::size_t next = at + 3;
    // IOS prints a type column whenever it prints the protocol, so the token
    // after the MAC is the type even when it is no common encapsulation
    // ("SRP-A"); a line that ends there has no interface.
    if (next < tokens.size() && (at == 1 || IsEncapsulation(tokens[next])))
        entry.type = tokens[next++];
    if (next < tokens.size() && !IsArpFlag(tokens[next]))
        entry.interface = tokens[next];
    return true;
}

// emit(const ArpCells&) for each entry, in the order of the output.
template <typename EmitEntry>
void ParseArp(std::string_view output, EmitEntry emit)
{
    ArpCells entry;
    std::vector<std::string_view> tokens;
    CliText::ForEachLine(output, [&](std::string_view line) {
        if (ParseArpLine(line, tokens, entry))
            emit(entry);
    });
}

} // namespace

std::vector<CRouterObj::ArpEntry> CRouterObj::ParseArpText(const std::string& output)
{
    std::vector<ArpEntry> entries;
    ParseArp(output, [&entries](const ArpCells& e) {
        entries.push_back({std::string(e.protocol), std::string(e.address), std::string(e.age), std::string(e.mac),
                           std::string(e.type), std::string(e.interface)});
    });
    return entries;
}

const std::vector<std::string>& CRouterObj::ArpColumns()
{
    static const std::vector<std::string> columns{"protocol", "address", "age", "mac", "type", "interface"};
    return columns;
}

std::size_t CRouterObj::AppendArpTableText(std::string_view output, std::string& text,
                                           const TableFile::LineAppended& appended)
{
    // Lines appended as the entries are parsed: entries held as strings first
    // would cost an allocation per cell.
    TableFile::AppendLine(text, ArpColumns(), ArpColumns().size());
    std::size_t rows = 0;
    ParseArp(output, [&text, &rows, &appended](const ArpCells& e) {
        TableFile::AppendLine(text, {e.protocol, e.address, e.age, e.mac, e.type, e.interface});
        ++rows;
        if (appended)
            appended(text);
    });
    return rows;
}

bool CRouterObj::ParseArpTable(const std::string& device, int /*source*/, const std::string& dataFolder,
                               const std::string& output, const std::string& qualifier)
{
    std::string text;
    // Reserved once: rows are shorter than the lines they come from.
    text.reserve(output.size() + 64);
    if (AppendArpTableText(output, text, {}) == 0)
        return false;
    const std::string path = TablePath(dataFolder, &TWFileSystem::GetLiveArpTableFolder, device, qualifier, ".oat");
    return !path.empty() && TableFile::WriteText(path, std::move(text));
}
