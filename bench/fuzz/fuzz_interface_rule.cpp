// libFuzzer target for the rule-driven reader with the shipped interface
// rules ("show interfaces"): any bytes parse without a sanitizer report or a
// runaway regular expression, and every record starts with an interface name.
// Run: fuzz_interface_rule [corpus] -max_total_time=60 -max_len=65536
#include "host/netutil/CCliResultParserRule.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

const CCliResultParserRule& Rule()
{
    static const CCliResultParserRule* rule = [] {
        auto* loaded = new CCliResultParserRule();
        if (!loaded->LoadFile(std::string(TW_SOURCE_DIR) + "/host/netutil/conf/fix_CliShowIfCmdRule.xml"))
            std::abort();
        return loaded;
    }();
    return *rule;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    std::vector<CCliResultParserRule::Record> records;
    const int count = Rule().ParseCliResult(text, records, 0);
    if (count != static_cast<int>(records.size()))
        std::abort();
    for (const auto& record : records) {
        const auto name = record.find("Interface Name");
        if (name == record.end() || name->second.empty() || name->second.front().empty())
            std::abort();
    }
    return 0;
}
