#include "RoutingTable.h"

#include "host/netutil/CliText.h"
#include "host/netutil/TableFile.h"

#include <optional>
#include <string_view>
#include <utility>

namespace {

using Route = RoutingTable::Route;

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
std::string ProtocolFromCodes(const std::vector<std::string_view>& codes)
{
    std::string protocol;
    for (std::string_view code : codes) {
        std::string word;
        for (char ch : code) {
            if (IsFlag(ch)) {
                if (!word.empty()) {
                    protocol += protocol.empty() ? "" : " ";
                    protocol += word;
                    word.clear();
                }
            } else {
                word += ch;
            }
        }
        if (!word.empty()) {
            protocol += protocol.empty() ? "" : " ";
            protocol += word;
        }
    }
    return protocol;
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
bool ParseDistanceMetric(std::string_view token, Route& route)
{
    if (token.size() < 5 || token.front() != '[' || token.back() != ']')
        return false;
    token = token.substr(1, token.size() - 2);
    const std::size_t slash = token.find('/');
    if (slash == std::string_view::npos)
        return false;
    route.distance = std::string(token.substr(0, slash));
    route.metric = std::string(token.substr(slash + 1));
    return true;
}

// Next-hop part of an IOS route line or continuation line: "[110/2] via
// 10.0.0.2, 00:00:12, Gi0/1", "is directly connected, Vlan10", "is a summary, 00:01:02, Null0".
bool ParseIosNextHop(std::string_view text, Route& route)
{
    const auto parts = CliText::SplitCommas(text);
    if (parts.empty())
        return false;
    bool any = false;
    const auto head = CliText::Tokens(parts[0]);
    for (std::size_t i = 0; i < head.size(); ++i) {
        if (ParseDistanceMetric(head[i], route)) {
            any = true;
        } else if (head[i] == "via" && i + 1 < head.size()) {
            std::string_view hop = head[++i];
            if (CliText::IsIPv4(hop))
                route.nexthopIp = std::string(hop);
            else
                route.nexthopIf = std::string(hop);
            any = true;
        } else if (head[i] == "connected" || head[i] == "summary") {
            any = true;
        }
    }
    if (!any)
        return false;
    for (std::size_t i = 1; i < parts.size(); ++i) {
        const auto words = CliText::Tokens(parts[i]);
        if (words.empty() || words[0].front() == '(')
            continue;
        if (route.uptime.empty() && CliText::IsUptime(words[0]))
            route.uptime = std::string(words[0]);
        else if (route.nexthopIf.empty())
            route.nexthopIf = std::string(words[0]);
    }
    return true;
}

// NX-OS "*via 10.1.1.1%vrf, Eth1/1, [110/2], 5d18h, ospf-10, intra, tag 5".
bool ParseNxosVia(std::string_view text, Route& route)
{
    const auto parts = CliText::SplitCommas(text);
    std::string_view hop = parts[0];
    const std::size_t percent = hop.find('%');
    if (percent != std::string_view::npos)
        hop = hop.substr(0, percent);
    if (CliText::IsIPv4(hop))
        route.nexthopIp = std::string(hop);
    else if (!hop.empty())
        route.nexthopIf = std::string(hop);
    bool distanceSeen = false;
    for (std::size_t i = 1; i < parts.size(); ++i) {
        const std::string_view part = parts[i];
        if (part.empty())
            continue;
        if (part.front() == '[') {
            distanceSeen = ParseDistanceMetric(part, route) || distanceSeen;
        } else if (!distanceSeen) {
            if (route.nexthopIf.empty())
                route.nexthopIf = std::string(part);
        } else if (route.uptime.empty()) {
            route.uptime = std::string(part);
        } else if (route.protocol.empty()) {
            route.protocol = std::string(part);
        }
    }
    return distanceSeen;
}

// The text of line after token, which is a view into line.
std::string_view RestAfter(std::string_view line, std::string_view token)
{
    return line.substr(static_cast<std::size_t>(token.data() - line.data()) + token.size());
}

class RouteParser {
public:
    explicit RouteParser(std::vector<Route>& routes) : m_routes(routes) {}

    void Line(std::string_view line)
    {
        const auto tokens = CliText::Tokens(line);
        if (tokens.empty())
            return;
        const std::string_view trimmed = CliText::Trim(line);
        if (CliText::StartsWithNoCase(trimmed, "Routing Table:")) {
            Flush();
            m_vrf = std::string(CliText::Trim(trimmed.substr(14)));
            m_template.reset();
            return;
        }
        if (CliText::StartsWithNoCase(trimmed, "IP Route Table for VRF")) {
            Flush();
            std::string_view name = CliText::Trim(trimmed.substr(22));
            if (name.size() >= 2 && name.front() == '"' && name.back() == '"')
                name = name.substr(1, name.size() - 2);
            m_vrf = std::string(name);
            m_template.reset();
            return;
        }
        if (NxosLine(trimmed, tokens) || SubnetHeader(trimmed, tokens) || Continuation(trimmed, tokens) ||
            IosRoute(line, tokens))
            return;
        Flush();
        m_template.reset();
    }

    void Flush()
    {
        if (m_awaitingNextHop && m_template)
            m_routes.push_back(*m_template);
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
            Route route;
            route.vrf = m_vrf;
            route.network = std::string(address);
            route.prefixLength = std::string(length);
            m_nxosPrefix = route;
            m_template.reset();
            return true;
        }
        std::string_view body = trimmed;
        while (!body.empty() && body.front() == '*')
            body.remove_prefix(1);
        if (!m_nxosPrefix || !CliText::StartsWithNoCase(body, "via "))
            return false;
        Route route = *m_nxosPrefix;
        if (ParseNxosVia(body.substr(4), route))
            m_routes.push_back(std::move(route));
        return true;
    }

    bool SubnetHeader(std::string_view trimmed, const std::vector<std::string_view>& tokens)
    {
        if (tokens.size() < 3 || CliText::FindNoCase(trimmed, "subnetted") == std::string_view::npos)
            return false;
        std::string_view length;
        if (CliText::IsIPv4Prefix(tokens[0], nullptr, &length)) {
            m_headerLength = std::string(length);
        } else if (CliText::IsIPv4(tokens[0]) && CliText::MaskLength(tokens[1]) >= 0) {
            m_headerLength = std::to_string(CliText::MaskLength(tokens[1]));
        } else {
            return false;
        }
        Flush();
        m_template.reset();
        return true;
    }

    bool Continuation(std::string_view trimmed, const std::vector<std::string_view>& tokens)
    {
        if (!m_template || tokens[0].front() != '[')
            return false;
        Route route = *m_template;
        if (!ParseIosNextHop(trimmed, route))
            return false;
        m_awaitingNextHop = false;
        m_routes.push_back(std::move(route));
        return true;
    }

    bool IosRoute(std::string_view line, const std::vector<std::string_view>& tokens)
    {
        std::size_t k = 0;
        while (k < tokens.size() && k < 4 && IsCodeToken(tokens[k]))
            ++k;
        if (k == 0 || k >= tokens.size())
            return false;
        Route route;
        std::string_view address, length;
        std::string_view last = tokens[k];
        if (CliText::IsIPv4Prefix(tokens[k], &address, &length)) {
            route.prefixLength = std::string(length);
        } else if (CliText::IsIPv4(tokens[k])) {
            address = tokens[k];
            if (k + 1 < tokens.size() && CliText::MaskLength(tokens[k + 1]) >= 0) {
                route.prefixLength = std::to_string(CliText::MaskLength(tokens[k + 1]));
                last = tokens[k + 1];
            } else {
                route.prefixLength = m_headerLength.empty() ? ClassfulLength(address) : m_headerLength;
            }
        } else {
            return false;
        }
        Flush();
        route.protocol = ProtocolFromCodes({tokens.begin(), tokens.begin() + static_cast<long>(k)});
        route.vrf = m_vrf;
        route.network = std::string(address);
        m_template = route;
        const std::string_view rest = CliText::Trim(RestAfter(line, last));
        if (rest.empty()) {
            // The next hops follow on continuation lines (long network texts wrap).
            m_awaitingNextHop = true;
            return true;
        }
        if (ParseIosNextHop(rest, route))
            m_routes.push_back(std::move(route));
        else
            m_routes.push_back(*m_template);
        return true;
    }

    std::vector<Route>& m_routes;
    std::string m_vrf;
    std::string m_headerLength;
    std::optional<Route> m_template;     // network of the last IOS route line
    std::optional<Route> m_nxosPrefix;   // prefix line of the NX-OS via lines below it
    bool m_awaitingNextHop = false;
};

} // namespace

RoutingTable::RoutingTable(std::string device) : m_device(std::move(device)) {}

bool RoutingTable::ParseCmdString(const std::string& output)
{
    m_routes.clear();
    RouteParser parser(m_routes);
    for (std::string_view line : CliText::SplitLines(output))
        parser.Line(line);
    parser.Flush();
    return !m_routes.empty();
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
    if (m_routes.empty())
        return false;
    std::vector<TableFile::Row> rows;
    rows.reserve(m_routes.size());
    for (const Route& r : m_routes)
        rows.push_back({r.protocol, r.vrf, r.network, r.prefixLength, r.distance, r.metric, r.nexthopIp,
                        r.nexthopIf, r.uptime});
    return TableFile::Write(path, Columns(), rows);
}
