#include "host/util/TWRoot.h"

#include "host/util/TWFileSystem.h"

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

TWRoot& TWRoot::Instance()
{
    static TWRoot root;
    return root;
}

TWFileSystem* TWRoot::GetFileSystem(const TWGuid2& /*id*/) const { return GetCurrBaselineFileSystem(); }
