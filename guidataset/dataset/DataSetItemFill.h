#pragma once
// The one filling of a DataFolder picker from the registry, shared by the
// dialog pickers, any host CComboBoxTip and the toolbar picker: registry order,
// the current DataFolder kept and selected, with limitToEight only the first
// eight others, then the "New..." and "More..." command items.
#include <string>

class CNetworkBase;
class TWDataSet;
struct tagDataSetInfo;

// Where filled items go. AppendItem takes ownership of record and returns the new index.
class DataSetItemSink {
public:
    virtual ~DataSetItemSink() = default;
    virtual int AppendItem(const std::string& text, tagDataSetInfo* record) = 0;
    virtual int ItemCount() const = 0;
    virtual void SelectItem(int index) = 0;
};

inline constexpr const char* kNewItemText = "New...";
inline constexpr const char* kMoreItemText = "More...";
inline constexpr int kMaxOtherDataSets = 8;

// DataFolder names compare without regard to ASCII case.
bool SameDataSetName(const std::string& a, const std::string& b);

// The network's registry; null without a network or file system.
TWDataSet* RegistryOf(CNetworkBase* network);

// A heap record with text as both names (the picker's own items).
tagDataSetInfo* MakeItemRecord(const std::string& text, int type, CNetworkBase* network);

// The registry's record of the DataFolder named name (caller owns it, network
// set), or null when the network's registry has none.
tagDataSetInfo* TakeRegisteredRecord(CNetworkBase* network, const std::string& name);

// What a picker shows for a record: its brief name, else its full name.
std::string ShownName(const tagDataSetInfo& record);

// Appends the network's DataFolders to sink (which should be empty). current: a
// DataFolder name, or null/empty for the registry's current DataFolder. Selects
// the current DataFolder's item, else item 0 when anything was appended.
// Returns the selected index, -1 when nothing was appended (null network,
// no file system).
int FillDataSetItems(DataSetItemSink& sink, CNetworkBase* network, const char* current,
                     bool limitToEight, bool withNew);
