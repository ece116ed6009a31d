#include "host/util/TWRoot.h"

#include "host/netmodel/DeviceSetting.h"
#include "host/netmodel/GlobalNetworkInfo.h"
#include "host/util/TWFileSystem.h"

#include <cctype>

TWGuid2 TWGuid2::AllOnes()
{
    TWGuid2 id;
    id.data1 = 0xFFFFFFFFu;
    id.data2 = 0xFFFF;
    id.data3 = 0xFFFF;
    for (auto& byte : id.data4)
        byte = 0xFF;
    return id;
}

bool TWGuid2::IsAllOnes() const { return *this == AllOnes(); }

TWGuid2 TWGuid2::FromNumber(std::uint64_t number)
{
    TWGuid2 id;
    id.data1 = static_cast<std::uint32_t>(number);
    id.data2 = static_cast<std::uint16_t>(number >> 32);
    id.data3 = static_cast<std::uint16_t>(number >> 48);
    return id;
}

std::uint64_t TWGuid2::ToNumber() const
{
    return std::uint64_t(data1) | std::uint64_t(data2) << 32 | std::uint64_t(data3) << 48;
}

std::string TWGuid2::ToStringDec() const { return std::to_string(ToNumber()); }

TWRoot& TWRoot::Instance()
{
    static TWRoot root;
    return root;
}

TWFileSystem* TWRoot::GetFileSystem(const TWGuid2& /*id*/) const { return GetCurrBaselineFileSystem(); }

std::optional<TWNode> TWRoot::GetNode(const TWGuid2& id, const TWGuid2& /*network*/) const
{
    GlobalNetworkInfo* model = GetCurrentGNI();
    if (!model)
        return std::nullopt;
    const std::uint64_t number = id.ToNumber();
    for (const DeviceSetting* device : model->GetDevices())
        if (NodeNumberOf(device->GetName()) == number)
            return TWNode{TWGuid2::FromNumber(number), device->GetName()};
    return std::nullopt;
}

std::uint64_t TWRoot::NodeNumberOf(const std::string& deviceName)
{
    // 64-bit FNV-1a over the lower-case name.
    std::uint64_t hash = 14695981039346656037ull;
    for (unsigned char c : deviceName) {
        hash ^= static_cast<unsigned char>(std::tolower(c));
        hash *= 1099511628211ull;
    }
    return hash;
}
