#include "CCiscoSwitchObj.h"

#include "host/netutil/CliText.h"
#include "host/netutil/TableFile.h"
#include "host/util/TWFileSystem.h"

#include <string_view>
#include <utility>

namespace {

using MacEntry = CCiscoSwitchObj::MacEntry;
using Tokens = std::vector<std::string_view>;

bool IsVlan(std::string_view token)
{
    return CliText::IsDigits(token) || CliText::EqualsNoCase(token, "All") || CliText::EqualsNoCase(token, "N/A") ||
           token.find_first_not_of('-') == std::string_view::npos;
}

// Protocol lists such as "ip,ipx,assigned,other".
bool IsProtocolList(std::string_view token)
{
    for (std::string_view part : CliText::SplitCommas(token)) {
        bool known = false;
        for (const char* name : {"ip", "ipx", "assigned", "other", "appletalk", "decnet", "vines", "xns"})
            known = known || CliText::EqualsNoCase(part, name);
        if (!known)
            return false;
    }
    return true;
}

// Columns printed between the type and the ports when no header told how many:
// learn, age, secure and notify flags, protocol lists.
bool IsBetweenTypeAndPorts(std::string_view token)
{
    for (const char* word : {"Yes", "No", "-", "n/a", "NA", "~~~", "F", "T"})
        if (CliText::EqualsNoCase(token, word))
            return true;
    return CliText::IsDigits(token) || IsProtocolList(token);
}

// Before the VLAN a MAC table prints at most entry flags ("*", "G", "R", "+");
// an ARP line has its protocol and address there, and is no MAC entry.
bool OnlyFlagsBefore(const Tokens& tokens, std::size_t vlanIndex)
{
    for (std::size_t i = 0; i < vlanIndex; ++i)
        if (tokens[i].size() > 2)
            return false;
    return true;
}

// CatOS follows its ports ("3/1", "4/1-2") with a protocol type ("[ALL]").
bool IsCatOsPort(std::string_view token)
{
    return token.find('/') != std::string_view::npos && token.front() != '[';
}

void AppendPort(std::string& ports, std::string_view port)
{
    if (!ports.empty() && ports.back() != ',')
        ports += ',';
    ports += port;
}

void AppendPorts(std::string& ports, const Tokens& tokens, std::size_t from)
{
    for (std::size_t i = from; i < tokens.size(); ++i)
        AppendPort(ports, tokens[i]);
}

// One entry's cells as the parser hands it over: views into the output, the
// ports joined in the parser's own buffer.
struct MacCells {
    std::string_view vlan;
    std::string_view mac;
    std::string_view type;
    std::string_view ports;
};

// Entries are handed to emit(const MacCells&) one at a time, once no further
// line can add ports to them: nothing is allocated per entry.
template <typename EmitEntry>
class MacParser {
public:
    explicit MacParser(EmitEntry emit) : m_emit(std::move(emit)) {}

    void Line(std::string_view line)
    {
        Tokens& tokens = m_tokens;
        CliText::Tokens(line, tokens);
        if (tokens.empty()) {
            m_lastWasEntry = false;
            return;
        }
        if (Section(tokens) || m_multicast)
            return;
        // An entry line holds a MAC address and a header line none, so the two
        // tests never both pass; the entry goes first as by far the most frequent.
        if (Entry(line, tokens) || Header(line, tokens) || Continuation(line, tokens))
            return;
        m_lastWasEntry = false;
    }

    void Finish() { Emit(); }

private:
    void Emit()
    {
        if (!m_pending)
            return;
        m_cells.ports = m_ports;
        m_emit(m_cells);
        m_pending = false;
    }

    // The entry that the next lines may still add ports to.
    void Begin(std::string_view vlan, std::string_view mac, std::string_view type)
    {
        Emit();
        m_cells = {vlan, mac, type, {}};
        m_ports.clear();
        m_pending = true;
    }

    // IOS prints learned addresses under "Unicast Entries" and the flood lists
    // of broadcast and multicast groups under "Multicast Entries"; the latter
    // are no learned entries. The section ends at the next title or at the
    // next module's table ("Displaying entries from ...").
    bool Section(const Tokens& tokens)
    {
        if (tokens.size() == 2 && CliText::EqualsNoCase(tokens[1], "Entries")) {
            m_multicast = CliText::EqualsNoCase(tokens[0], "Multicast");
            m_lastWasEntry = false;
            return true;
        }
        if (m_multicast && CliText::EqualsNoCase(tokens[0], "Displaying"))
            m_multicast = false;
        return false;
    }

    bool Header(std::string_view line, const Tokens& tokens)
    {
        if (CliText::FindNoCase(line, "mac") == std::string_view::npos ||
            CliText::FindNoCase(line, "vlan") == std::string_view::npos)
            return false;
        for (std::string_view token : tokens)
            if (CliText::IsMacAddress(token))
                return false;
        m_catos = CliText::FindNoCase(line, "Dest MAC") != std::string_view::npos;
        m_between = -1;
        for (std::size_t i = 0; i < tokens.size(); ++i) {
            if (!CliText::EqualsNoCase(tokens[i], "type"))
                continue;
            for (std::size_t j = i + 1; j < tokens.size(); ++j) {
                if (CliText::StartsWithNoCase(tokens[j], "port") || CliText::EqualsNoCase(tokens[j], "Destination")) {
                    m_between = static_cast<int>(j - i - 1);
                    break;
                }
            }
            break;
        }
        m_lastWasEntry = false;
        return true;
    }

    bool Entry(std::string_view line, const Tokens& tokens)
    {
        // The MAC is one of the first five tokens.
        std::size_t m = 0;
        while (m < tokens.size() && m <= 4 && !CliText::IsMacAddress(tokens[m]))
            ++m;
        if (m >= tokens.size() || m > 4)
            return false;
        std::size_t rest = m + 1;
        if (m == 0) {
            // "Destination Address  Address Type  VLAN  Destination Port"
            if (tokens.size() < 3 || !IsVlan(tokens[2]))
                return false;
            Begin(tokens[2], tokens[m], tokens[1]);
            AppendPorts(m_ports, tokens, 3);
        } else if (m_catos) {
            if (!IsVlan(tokens[m - 1]))
                return false;
            Begin(tokens[m - 1], tokens[m], {});
            for (std::size_t i = rest; i < tokens.size(); ++i)
                if (IsCatOsPort(tokens[i]))
                    AppendPort(m_ports, tokens[i]);
        } else {
            if (!IsVlan(tokens[m - 1]) || !OnlyFlagsBefore(tokens, m - 1))
                return false;
            Begin(tokens[m - 1], tokens[m], rest < tokens.size() ? tokens[rest++] : std::string_view());
            if (m_between >= 0) {
                rest += static_cast<std::size_t>(m_between);
            } else {
                while (rest < tokens.size() && IsBetweenTypeAndPorts(tokens[rest]))
                    ++rest;
            }
            AppendPorts(m_ports, tokens, rest);
        }
        m_lastWasEntry = true;
        m_macEnd = static_cast<std::size_t>(tokens[m].data() - line.data()) + tokens[m].size();
        return true;
    }

    // Long port lists go on in the ports column of the following lines, one
    // or several ports a line; such a line starts right of the MAC column.
    bool Continuation(std::string_view line, const Tokens& tokens)
    {
        if (!m_lastWasEntry || static_cast<std::size_t>(tokens.front().data() - line.data()) < m_macEnd)
            return false;
        for (std::string_view token : tokens)
            if (!m_catos || IsCatOsPort(token))
                AppendPort(m_ports, token);
        return true;
    }

    EmitEntry m_emit;
    Tokens m_tokens;      // of the current line; kept so that a line costs no allocation
    MacCells m_cells;     // of the pending entry
    std::string m_ports;  // of the pending entry
    bool m_pending = false;
    int m_between = -1;   // columns between type and ports named by the last header; -1 unknown
    bool m_catos = false;
    bool m_multicast = false;  // inside a "Multicast Entries" section
    bool m_lastWasEntry = false;
    std::size_t m_macEnd = 0;  // column after the MAC of the last entry
};

template <typename EmitEntry>
void ParseMac(std::string_view output, EmitEntry emit)
{
    MacParser<EmitEntry> parser(std::move(emit));
    CliText::ForEachLine(output, [&parser](std::string_view line) { parser.Line(line); });
    parser.Finish();
}

} // namespace

std::vector<CCiscoSwitchObj::MacEntry> CCiscoSwitchObj::ParseMacText(const std::string& output)
{
    std::vector<MacEntry> entries;
    ParseMac(output, [&entries](const MacCells& e) {
        entries.push_back({std::string(e.vlan), std::string(e.mac), std::string(e.type), std::string(e.ports)});
    });
    return entries;
}

const std::vector<std::string>& CCiscoSwitchObj::MacColumns()
{
    static const std::vector<std::string> columns{"vlan", "mac", "type", "ports"};
    return columns;
}

std::size_t CCiscoSwitchObj::AppendMacTableText(std::string_view output, std::string& text,
                                                const TableFile::LineAppended& appended)
{
    // Lines appended as the entries are parsed: a big table held as entries
    // first would cost more in allocations than the parsing itself.
    TableFile::AppendLine(text, MacColumns(), MacColumns().size());
    std::size_t rows = 0;
    ParseMac(output, [&text, &rows, &appended](const MacCells& e) {
        TableFile::AppendLine(text, {e.vlan, e.mac, e.type, e.ports});
        ++rows;
        if (appended)
            appended(text);
    });
    return rows;
}

bool CCiscoSwitchObj::ParseMacTable(const std::string& device, int /*source*/, const std::string& dataFolder,
                                    const std::string& output, const std::string& qualifier)
{
    std::string text;
    // Rows are shorter than the lines they come from: one allocation, no regrowth.
    text.reserve(output.size() + 64);
    if (AppendMacTableText(output, text, {}) == 0)
        return false;
    const std::string path = TablePath(dataFolder, &TWFileSystem::GetLiveMacTableFolder, device, qualifier, ".omt");
    if (path.empty())
        return false;
    return TableFile::WriteText(path, std::move(text));
}
