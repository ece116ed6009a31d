#include "CCliResultParserRule.h"

#include "host/netutil/CliText.h"

#include <pugixml.hpp>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <regex>
#include <string_view>

namespace {

struct FieldRule {
    int group = 0;
    std::string name;
};

struct LineRule {
    bool start = false;
    std::string contains;
    std::regex pattern;
    std::vector<FieldRule> fields;
};

struct Rule {
    std::string name;
    std::vector<LineRule> lines;
};

bool ReadRule(const pugi::xml_node& node, Rule& rule)
{
    rule.name = node.attribute("name").as_string();
    for (const pugi::xml_node& lineNode : node.children("Line")) {
        LineRule line;
        line.start = lineNode.attribute("start").as_bool(false);
        line.contains = lineNode.attribute("contains").as_string();
        const std::string pattern = lineNode.attribute("pattern").as_string();
        if (pattern.empty())
            return false;
        try {
            line.pattern = std::regex(pattern, std::regex::ECMAScript | std::regex::optimize);
        } catch (const std::regex_error&) {
            return false;
        }
        const auto groups = static_cast<int>(line.pattern.mark_count());
        for (const pugi::xml_node& fieldNode : lineNode.children("Field")) {
            FieldRule field{fieldNode.attribute("group").as_int(-1), fieldNode.attribute("name").as_string()};
            if (field.group < 0 || field.group > groups || field.name.empty())
                return false;
            line.fields.push_back(std::move(field));
        }
        rule.lines.push_back(std::move(line));
    }
    return !rule.lines.empty();
}

} // namespace

struct CCliResultParserRule::Rules {
    std::vector<Rule> list;
};

CCliResultParserRule::CCliResultParserRule() : m_rules(std::make_unique<Rules>()) {}

CCliResultParserRule::~CCliResultParserRule() = default;

bool CCliResultParserRule::LoadFile(const std::string& path)
{
    m_rules->list.clear();
    std::error_code ec;
    if (path.empty() || !std::filesystem::is_regular_file(path, ec))
        return false;
    std::ifstream in(path, std::ios::binary);
    const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    return in.good() || in.eof() ? LoadText(text) : false;
}

bool CCliResultParserRule::LoadText(const std::string& xml)
{
    m_rules->list.clear();
    pugi::xml_document document;
    if (!document.load_string(xml.c_str()))
        return false;
    const pugi::xml_node root = document.child("CliResultParserRule");
    if (!root)
        return false;
    std::vector<Rule> rules;
    for (const pugi::xml_node& node : root.children("Rule")) {
        Rule rule;
        if (!ReadRule(node, rule))
            return false;
        rules.push_back(std::move(rule));
    }
    if (rules.empty())
        return false;
    m_rules->list = std::move(rules);
    return true;
}

int CCliResultParserRule::ParseCliResult(const std::string& output, std::vector<Record>& records,
                                         int ruleIndex) const
{
    if (ruleIndex < 0 || ruleIndex >= GetRuleCount())
        return 0;
    const Rule& rule = m_rules->list[static_cast<std::size_t>(ruleIndex)];
    const std::size_t before = records.size();
    bool open = false;
    std::cmatch match;
    for (std::string_view line : CliText::SplitLines(output)) {
        if (line.size() > MaxLineLength)
            continue;
        for (const LineRule& lineRule : rule.lines) {
            if (!lineRule.contains.empty() && line.find(lineRule.contains) == std::string_view::npos)
                continue;
            if (!std::regex_search(line.data(), line.data() + line.size(), match, lineRule.pattern))
                continue;
            if (lineRule.start) {
                records.emplace_back();
                open = true;
            }
            if (!open)
                continue;
            Record& record = records.back();
            for (const FieldRule& field : lineRule.fields)
                record[field.name].push_back(match[field.group].str());
        }
    }
    return static_cast<int>(records.size() - before);
}

int CCliResultParserRule::GetRuleCount() const
{
    return static_cast<int>(m_rules->list.size());
}

std::string CCliResultParserRule::GetRuleName(int ruleIndex) const
{
    if (ruleIndex < 0 || ruleIndex >= GetRuleCount())
        return {};
    return m_rules->list[static_cast<std::size_t>(ruleIndex)].name;
}
