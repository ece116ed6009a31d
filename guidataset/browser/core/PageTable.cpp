#include "guidataset/browser/core/PageTable.h"

#include "host/netutil/CliText.h"

int ServedPageId(int pageId)
{
    return pageId == 20 ? kKindMonitor : pageId;
}

PageClass PageClassOf(int pageId)
{
    switch (ServedPageId(pageId)) {
    case kKindLiveConfig: return PageClass::ConfigFile;
    case kKindLiveRouteTable:
    case kKindSimulatedRouteTable:
    case kKindLiveArpTable:
    case kKindLiveMacTable:
    case kKindLiveCdpTable:
    case kKindTextResult: return PageClass::XTable;
    case 21: return PageClass::RtSummary;
    case kKindMonitor: return PageClass::Monitor;
    case kKindDeviceStatus:
    case kKindLiveInterface:
    case kKindPerformance:
    case kKindPing:
    case kKindTrace: return PageClass::Normal;
    case kKindIpAccounting: return PageClass::IpAccount;
    case kKindLiveCommand: return PageClass::LiveCommand;
    case kKindLiveCommandDevice: return PageClass::LiveCommandDevice;
    case kKindShowCommand: return PageClass::ShowCommands;
    default: return PageClass::None;
    }
}

std::string KindFolderName(int pageId)
{
    switch (pageId) {
    case kKindLiveConfig: return "LiveConfig";
    case kKindLiveRouteTable: return "LiveRouteTable";
    case kKindLiveArpTable: return "LiveArpTable";
    case kKindLiveMacTable: return "LiveMacTable";
    case kKindLiveCdpTable: return "LiveCdpTable";
    case kKindShowCommand: return "ShowCommand";
    default: return {};
    }
}

int PageIdOfKindFolder(const std::string& folderName)
{
    static const int kinds[] = {kKindLiveConfig,   kKindLiveRouteTable, kKindLiveArpTable,
                                kKindLiveMacTable, kKindLiveCdpTable,   kKindShowCommand};
    for (int kind : kinds)
        if (CliText::EqualsNoCase(KindFolderName(kind), folderName))
            return kind;
    return 0;
}

std::string KindFileWord(int pageId)
{
    switch (ServedPageId(pageId)) {
    case kKindLiveConfig: return "configuration file";
    case kKindLiveRouteTable:
    case kKindSimulatedRouteTable: return "route table";
    case kKindLiveArpTable: return "ARP table";
    case kKindLiveMacTable: return "MAC table";
    case kKindLiveCdpTable: return "CDP table";
    case kKindShowCommand: return "show-command result";
    default: return "file";
    }
}

const std::vector<BrowserTab>& BrowserTabs()
{
    static const std::vector<BrowserTab> tabs = {
        {"Configuration File", kKindLiveConfig}, {"Route Table", kKindLiveRouteTable},
        {"ARP Table", kKindLiveArpTable},        {"MAC Table", kKindLiveMacTable},
        {"CDP Table", kKindLiveCdpTable},        {"Show Command", kKindShowCommand},
    };
    return tabs;
}

int PageIdOfCaption(const std::string& caption)
{
    const int index = TabIndexOfCaption(caption);
    return index < 0 ? 0 : BrowserTabs()[static_cast<std::size_t>(index)].pageId;
}

int TabIndexOfCaption(const std::string& caption)
{
    const auto& tabs = BrowserTabs();
    for (std::size_t i = 0; i < tabs.size(); ++i)
        if (caption == tabs[i].caption)
            return static_cast<int>(i);
    return -1;
}
