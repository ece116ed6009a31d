// libFuzzer target for the ARP parser: any bytes parse without a sanitizer
// report; each entry has an IPv4 address and a MAC address (or "Incomplete").
// Run: fuzz_arp_table [corpus] -max_total_time=60 -max_len=65536
#include "host/l2/CRouterObj.h"
#include "host/netutil/CliText.h"

#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    for (const CRouterObj::ArpEntry& entry : CRouterObj::ParseArpText(text)) {
        if (!CliText::IsIPv4(entry.address))
            std::abort();
        if (!CliText::IsMacAddress(entry.mac) && !CliText::EqualsNoCase(entry.mac, "Incomplete"))
            std::abort();
    }
    return 0;
}
