#include "RoutingTable.h"

#include "host/netutil/CliText.h"
#include "host/netutil/TableFile.h"

#include <algorithm>
#include <array>
#include <optional>
#include <string_view>
#include <utility>

namespace {

enum Field { kProtocol, kVrf, kNetwork, kPrefixLength, kDistance, kMetric, kNexthopIp, kNexthopIf, kUptime };

// A route's cells as the parser hands it over: views into the output, or into
// the parser's own strings for what it works out (protocol, prefix length).
using RouteCells = std::array<std::string_view, 9>;

// Flags printed next to an IOS route code that are not part of the protocol.
bool IsFlag(char ch)
{
    return ch == '*' || ch == '+' || ch == '%' || ch == '&';
}

bool IsCodeToken(std::string_view token)
{
    if (token.empty() || token.size() > 4)
        return false;
    bool letter = false;
    for (char ch : token) {
        if ((ch >= 'A' && ch <= 'Z') || (ch >= 'a' && ch <= 'z'))
            letter = true;
        else if (!(ch >= '0' && ch <= '9') && !IsFlag(ch))
            return false;
    }
    return letter || token == "*";
}

// "O*E2" -> "O E2", "S*" -> "S", "i" "L2" -> "i L2".
void ProtocolFromCodes(const std::string_view* codes, std::size_t count, std::string& protocol)
{
    protocol.clear();
    bool wordOpen = false;
    for (std::size_t c = 0; c < count; ++c) {
        for (char ch : codes[c]) {
            if (IsFlag(ch)) {
                wordOpen = false;
                continue;
            }
            if (!wordOpen && !protocol.empty())
                protocol += ' ';
            protocol += ch;
            wordOpen = true;
        }
        wordOpen = false;
    }
}

std::string ClassfulLength(std::string_view address)
{
    unsigned first = 0;
    for (char ch : address) {
        if (ch == '.')
            break;
        first = first * 10 + static_cast<unsigned>(ch - '0');
    }
    return first < 128 ? "8" : first < 192 ? "16" : first < 224 ? "24" : "32";
}

// "[110/2]" into distance and metric.
bool ParseDistanceMetric(std::string_view token, RouteCells& route)
{
    if (token.size() < 5 || token.front() != '[' || token.back() != ']')
        return false;
    token = token.substr(1, token.size() - 2);
    const std::size_t slash = token.find('/');
    if (slash == std::string_view::npos)
        return false;
    route[kDistance] = token.substr(0, slash);
    route[kMetric] = token.substr(slash + 1);
    return true;
}

// Scratch vectors reused from line to line, so a line costs no allocation.
struct Scratch {
    std::vector<std::string_view> parts;
    std::vector<std::string_view> words;
};

// The first word of a trimmed text.
std::string_view FirstWord(std::string_view text)
{
    std::size_t end = 0;
    while (end < text.size() && !CliText::IsBlank(static_cast<unsigned char>(text[end])))
        ++end;
    return text.substr(0, end);
}

// Next-hop part of an IOS route line or continuation line: "[110/2] via
// 10.0.0.2, 00:00:12, Gi0/1", "is directly connected, Vlan10", "is a summary, 00:01:02, Null0".
bool ParseIosNextHop(std::string_view text, RouteCells& route, Scratch& scratch)
{
    auto& parts = scratch.parts;
    auto& head = scratch.words;
    CliText::SplitCommas(text, parts);
    bool any = false;
    CliText::Tokens(parts[0], head);
    for (std::size_t i = 0; i < head.size(); ++i) {
        if (ParseDistanceMetric(head[i], route)) {
            any = true;
        } else if (head[i] == "via" && i + 1 < head.size()) {
            std::string_view hop = head[++i];
            route[CliText::IsIPv4(hop) ? kNexthopIp : kNexthopIf] = hop;
            any = true;
        } else if (head[i] == "connected" || head[i] == "summary") {
            any = true;
        }
    }
    if (!any)
        return false;
    for (std::size_t i = 1; i < parts.size(); ++i) {
        const std::string_view word = FirstWord(parts[i]);
        if (word.empty() || word.front() == '(')
            continue;
        if (route[kUptime].empty() && CliText::IsUptime(word))
            route[kUptime] = word;
        else if (route[kNexthopIf].empty())
            route[kNexthopIf] = word;
    }
    return true;
}

// NX-OS "*via 10.1.1.1%vrf, Eth1/1, [110/2], 5d18h, ospf-10, intra, tag 5".
bool ParseNxosVia(std::string_view text, RouteCells& route, Scratch& scratch)
{
    auto& parts = scratch.parts;
    CliText::SplitCommas(text, parts);
    std::string_view hop = parts[0];
    const std::size_t percent = hop.find('%');
    if (percent != std::string_view::npos)
        hop = hop.substr(0, percent);
    if (CliText::IsIPv4(hop))
        route[kNexthopIp] = hop;
    else if (!hop.empty())
        route[kNexthopIf] = hop;
    bool distanceSeen = false;
    for (std::size_t i = 1; i < parts.size(); ++i) {
        const std::string_view part = parts[i];
        if (part.empty())
            continue;
        if (part.front() == '[') {
            distanceSeen = ParseDistanceMetric(part, route) || distanceSeen;
        } else if (!distanceSeen) {
            if (route[kNexthopIf].empty())
                route[kNexthopIf] = part;
        } else if (route[kUptime].empty()) {
            route[kUptime] = part;
        } else if (route[kProtocol].empty()) {
            route[kProtocol] = part;
        }
    }
    return distanceSeen;
}

// The text of line after token, which is a view into line.
std::string_view RestAfter(std::string_view line, std::string_view token)
{
    return line.substr(static_cast<std::size_t>(token.data() - line.data()) + token.size());
}

// Routes are handed to emit(const RouteCells&) one at a time, in the order of
// the output, as soon as no further line can change them.
template <typename EmitRoute>
class RouteParser {
public:
    explicit RouteParser(EmitRoute emit) : m_emit(std::move(emit)) {}

    void Line(std::string_view line)
    {
        auto& tokens = m_tokens;
        CliText::Tokens(line, tokens);
        if (tokens.empty())
            return;
        const std::string_view trimmed = CliText::Trim(line);
        if (CliText::StartsWithNoCase(trimmed, "Routing Table:")) {
            Flush();
            m_vrf = CliText::Trim(trimmed.substr(14));
            m_hasTemplate = false;
            return;
        }
        if (CliText::StartsWithNoCase(trimmed, "IP Route Table for VRF")) {
            Flush();
            std::string_view name = CliText::Trim(trimmed.substr(22));
            if (name.size() >= 2 && name.front() == '"' && name.back() == '"')
                name = name.substr(1, name.size() - 2);
            m_vrf = name;
            m_hasTemplate = false;
            return;
        }
        if (NxosLine(trimmed, tokens) || SubnetHeader(trimmed, tokens) || Continuation(trimmed, tokens) ||
            IosRoute(line, tokens))
            return;
        Flush();
        m_hasTemplate = false;
    }

    void Flush()
    {
        if (m_awaitingNextHop && m_hasTemplate)
            m_emit(m_template);
        m_awaitingNextHop = false;
    }

private:
    bool NxosLine(std::string_view trimmed, const std::vector<std::string_view>& tokens)
    {
        std::string_view first = tokens[0];
        if (first.size() > 1 && first.back() == ',') {
            std::string_view address, length;
            if (!CliText::IsIPv4Prefix(first.substr(0, first.size() - 1), &address, &length))
                return false;
            Flush();
            m_nxosPrefix = RouteCells{};
            (*m_nxosPrefix)[kVrf] = m_vrf;
            (*m_nxosPrefix)[kNetwork] = address;
            (*m_nxosPrefix)[kPrefixLength] = length;
            m_hasTemplate = false;
            return true;
        }
        std::string_view body = trimmed;
        while (!body.empty() && body.front() == '*')
            body.remove_prefix(1);
        if (!m_nxosPrefix || !CliText::StartsWithNoCase(body, "via "))
            return false;
        RouteCells route = *m_nxosPrefix;
        if (ParseNxosVia(body.substr(4), route, m_scratch))
            m_emit(route);
        return true;
    }

    bool SubnetHeader(std::string_view trimmed, const std::vector<std::string_view>& tokens)
    {
        if (tokens.size() < 3)
            return false;
        // The cheap test of the first tokens goes first: route lines start with a code.
        std::string_view length;
        int maskLength = -1;
        if (!CliText::IsIPv4Prefix(tokens[0], nullptr, &length) &&
            !(CliText::IsIPv4(tokens[0]) && (maskLength = CliText::MaskLength(tokens[1])) >= 0))
            return false;
        if (CliText::FindNoCase(trimmed, "subnetted") == std::string_view::npos)
            return false;
        Flush();
        m_headerLength = maskLength >= 0 ? std::to_string(maskLength) : std::string(length);
        m_hasTemplate = false;
        return true;
    }

    bool Continuation(std::string_view trimmed, const std::vector<std::string_view>& tokens)
    {
        if (!m_hasTemplate || tokens[0].front() != '[')
            return false;
        RouteCells route = m_template;
        if (!ParseIosNextHop(trimmed, route, m_scratch))
            return false;
        m_emit(route);
        m_awaitingNextHop = false;
        return true;
    }

    bool IosRoute(std::string_view line, const std::vector<std::string_view>& tokens)
    {
        std::size_t k = 0;
        while (k < tokens.size() && k < 4 && IsCodeToken(tokens[k]))
            ++k;
        if (k == 0 || k >= tokens.size())
            return false;
        std::string prefixLength;
        std::string_view address, length;
        std::string_view last = tokens[k];
        if (CliText::IsIPv4Prefix(tokens[k], &address, &length)) {
            prefixLength = std::string(length);
        } else if (CliText::IsIPv4(tokens[k])) {
            address = tokens[k];
            const int maskLength = k + 1 < tokens.size() ? CliText::MaskLength(tokens[k + 1]) : -1;
            if (maskLength >= 0) {
                prefixLength = std::to_string(maskLength);
                last = tokens[k + 1];
            } else {
                prefixLength = m_headerLength.empty() ? ClassfulLength(address) : m_headerLength;
            }
        } else {
            return false;
        }
        // The template of a route waiting for its next hop refers to the
        // protocol and length strings: it goes out before they change.
        Flush();
        ProtocolFromCodes(tokens.data(), k, m_protocol);
        m_templateLength = std::move(prefixLength);
        // Only these four fields of the template are ever set; the others stay empty.
        m_template = RouteCells{};
        m_template[kProtocol] = m_protocol;
        m_template[kVrf] = m_vrf;
        m_template[kNetwork] = address;
        m_template[kPrefixLength] = m_templateLength;
        m_hasTemplate = true;
        const std::string_view rest = CliText::Trim(RestAfter(line, last));
        if (rest.empty()) {
            // The next hops follow on continuation lines (long network texts wrap).
            m_awaitingNextHop = true;
            return true;
        }
        RouteCells route = m_template;
        // A rest that names no next hop leaves the route as the template.
        ParseIosNextHop(rest, route, m_scratch);
        m_emit(route);
        return true;
    }

    EmitRoute m_emit;
    std::vector<std::string_view> m_tokens;
    Scratch m_scratch;
    std::string_view m_vrf;              // of the current section
    std::string m_headerLength;
    std::string m_protocol;              // of the template
    std::string m_templateLength;        // of the template
    RouteCells m_template{};             // network of the last IOS route line, when m_hasTemplate
    bool m_hasTemplate = false;
    std::optional<RouteCells> m_nxosPrefix;  // prefix line of the NX-OS via lines below it
    bool m_awaitingNextHop = false;
};

template <typename EmitRoute>
void ParseRoutes(std::string_view output, EmitRoute emit)
{
    RouteParser<EmitRoute> parser(std::move(emit));
    CliText::ForEachLine(output, [&parser](std::string_view line) { parser.Line(line); });
    parser.Flush();
}

void AppendRouteLine(std::string& text, const RouteCells& r)
{
    TableFile::AppendLine(text, {r[kProtocol], r[kVrf], r[kNetwork], r[kPrefixLength], r[kDistance], r[kMetric],
                                 r[kNexthopIp], r[kNexthopIf], r[kUptime]});
}

} // namespace

RoutingTable::RoutingTable(std::string device) : m_device(std::move(device)) {}

bool RoutingTable::ParseCmdString(std::string_view output)
{
    m_text.clear();
    m_routes.clear();
    m_routesMade = false;
    // Rows are shorter than the lines they come from, bar the copies of an
    // ECMP route's network: one allocation for most tables.
    m_text.reserve(output.size() + 128);
    m_rowCount = AppendTableText(output, m_text, {});
    return m_rowCount != 0;
}

std::size_t RoutingTable::AppendTableText(std::string_view output, std::string& text,
                                          const TableFile::LineAppended& appended)
{
    TableFile::AppendLine(text, Columns(), Columns().size());
    std::size_t rows = 0;
    ParseRoutes(output, [&text, &rows, &appended](const RouteCells& cells) {
        AppendRouteLine(text, cells);
        ++rows;
        if (appended)
            appended(text);
    });
    return rows;
}

const std::vector<RoutingTable::Route>& RoutingTable::GetRoutes() const
{
    if (!m_routesMade) {
        m_routes.clear();
        m_routes.reserve(m_rowCount);
        bool header = true;
        CliText::ForEachLine(m_text, [this, &header](std::string_view line) {
            if (header) {
                header = false;
                return;
            }
            Route route;
            std::string* fields[] = {&route.protocol,     &route.vrf,    &route.network,
                                     &route.prefixLength, &route.distance, &route.metric,
                                     &route.nexthopIp,    &route.nexthopIf, &route.uptime};
            // Every line of the text has one cell per column.
            for (std::string* field : fields) {
                const std::size_t tab = std::min(line.find('\t'), line.size());
                field->assign(line.substr(0, tab));
                line.remove_prefix(std::min(tab + 1, line.size()));
            }
            m_routes.push_back(std::move(route));
        });
        m_routesMade = true;
    }
    return m_routes;
}

const std::vector<std::string>& RoutingTable::Columns()
{
    static const std::vector<std::string> columns{"protocol",   "vrf",        "network",
                                                  "prefix_length", "distance", "metric",
                                                  "nexthop_ip", "nexthop_if", "uptime"};
    return columns;
}

bool RoutingTable::SaveRTData(const std::string& path) const
{
    return m_rowCount != 0 && TableFile::WriteText(path, m_text);
}
