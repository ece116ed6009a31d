// libFuzzer target for the route-table parser: any bytes parse without a
// sanitizer report, and every route it reports has a dotted-quad network and
// a prefix length of 0..32, as the table file's readers expect.
// Run: fuzz_route_table [corpus] -max_total_time=60 -max_len=65536
#include "host/netutil/CliText.h"
#include "host/netutil/RoutingTable.h"

#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    RoutingTable table("r1");
    const bool any = table.ParseCmdString(text);
    if (any == table.GetRoutes().empty())
        std::abort();
    for (const RoutingTable::Route& route : table.GetRoutes()) {
        if (!CliText::IsIPv4(route.network) || !CliText::IsDigits(route.prefixLength) ||
            std::stoi(route.prefixLength) > 32)
            std::abort();
    }
    return 0;
}
