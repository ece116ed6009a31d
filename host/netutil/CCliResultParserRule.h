#pragma once
// Rule-driven reader of show-command output. A rule file holds one or more
// rules; a rule cuts the output into records with line-oriented regular
// expressions and names the captured groups:
//
//   <CliResultParserRule>
//     <Rule name="show interfaces">
//       <Line start="true" pattern="^(\S+) is (.*)$">      a match opens a record
//         <Field group="1" name="Interface Name"/>
//         <Field group="2" name="Link Status"/>
//       </Line>
//       <Line contains="address" pattern="address(?: is|:) +([0-9a-fA-F.]+)">
//         <Field group="1" name="Mac Address"/>
//       </Line>
//     </Rule>
//   </CliResultParserRule>
//
// Every line of the output is tried against every Line of the rule (in file
// order); a match inside an open record appends each named group's text to
// that field. "contains" is a plain text that must occur in the line before
// its pattern is tried. Lines longer than MaxLineLength are not matched, so
// a huge line of noise costs only its scan.
#include <map>
#include <memory>
#include <string>
#include <vector>

class CCliResultParserRule {
public:
    using Record = std::map<std::string, std::vector<std::string>>;
    static constexpr std::size_t MaxLineLength = 512;

    CCliResultParserRule();
    ~CCliResultParserRule();
    CCliResultParserRule(const CCliResultParserRule&) = delete;
    CCliResultParserRule& operator=(const CCliResultParserRule&) = delete;

    // Replaces the rules with those of the file. False, with no rule kept,
    // when the file is missing, is not such XML, holds no rule, or a pattern
    // is not a valid regular expression.
    bool LoadFile(const std::string& path);
    // Same from XML text in memory.
    bool LoadText(const std::string& xml);

    // Records of the output by the rule at ruleIndex (0: the first), appended
    // to records in output order. Returns how many were appended; 0 also when
    // no rule of that index is loaded.
    int ParseCliResult(const std::string& output, std::vector<Record>& records, int ruleIndex) const;

    int GetRuleCount() const;
    // The rule's name attribute; empty for an index out of range.
    std::string GetRuleName(int ruleIndex) const;

private:
    struct Rules;
    std::unique_ptr<Rules> m_rules;
};
