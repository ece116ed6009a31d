// libFuzzer target for the CDP neighbour parser: any bytes parse without a
// sanitizer report; every neighbour it keeps has a device id, and fields are
// single lines.
// Run: fuzz_cdp_table [corpus] -max_total_time=60 -max_len=65536
#include "host/l2/CDeviceObj.h"

#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    for (const CDeviceObj::CdpEntry& entry : CDeviceObj::ParseCdpText(text)) {
        if (entry.destinationHost.empty())
            std::abort();
        for (const std::string* field : {&entry.localInterface, &entry.destinationHost, &entry.remotePort,
                                         &entry.platform, &entry.capabilities, &entry.softwareVersion})
            if (field->find('\n') != std::string::npos)
                std::abort();
    }
    return 0;
}
