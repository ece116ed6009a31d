// libFuzzer target for the MAC table parser: any bytes parse without a
// sanitizer report; each entry carries a MAC address as the device printed it.
// Run: fuzz_mac_table [corpus] -max_total_time=60 -max_len=65536
#include "host/l2/CCiscoSwitchObj.h"
#include "host/netutil/CliText.h"

#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    for (const CCiscoSwitchObj::MacEntry& entry : CCiscoSwitchObj::ParseMacText(text)) {
        if (!CliText::IsMacAddress(entry.mac))
            std::abort();
    }
    return 0;
}
