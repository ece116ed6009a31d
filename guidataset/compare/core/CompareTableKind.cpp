#include "guidataset/compare/core/CompareTableKind.h"

#include "host/util/CTWRTPath.h"

CompareTableKind CompareTableKindOf(int kind)
{
    switch (kind) {
    case CTWRTPath::kRouteTable: return {"Compare Route Table", 24};
    case CTWRTPath::kArpTable: return {"Compare ARP Table", 26};
    case CTWRTPath::kMacTable: return {"Compare MAC Table", 28};
    case CTWRTPath::kCdpTable: return {"Compare CDP Table", 30};
    default: return {};
    }
}

int CompareKindFromExtension(const std::string& extension, int kind)
{
    if (extension == ".ort")
        return CTWRTPath::kRouteTable;
    if (extension == ".oat")
        return CTWRTPath::kArpTable;
    if (extension == ".omt")
        return CTWRTPath::kMacTable;
    if (extension == ".txt")
        return CTWRTPath::kShowCommandResult;
    if (extension == ".cdp")
        return CTWRTPath::kCdpTable;
    return kind;
}
