#pragma once
// The DataFolder picker operations on any CComboBoxTip. CDatasetComboBox,
// the toolbar picker and the DataFolder service's CComboBoxTip operations all
// call these, so each rule exists once. Records kept as item data belong to
// the combo box's owner; FreeComboBoxRecords releases them.
#include <string>

class CComboBoxTip;
class CNetworkBase;

namespace picker {

// Frees every item's record and clears the item data.
void FreeComboBoxRecords(CComboBoxTip& combo);
// Frees the records and empties the list.
void ClearComboBox(CComboBoxTip& combo);

// Index of the first item whose record's full name equals name ignoring case;
// -1 when none or name is null.
int FindDataSetItem(const CComboBoxTip& combo, const char* name);

// Appends an item with text as both names; returns its index.
int AddSpecialItem(CComboBoxTip& combo, const char* text, int type, CNetworkBase* network);

// The whole filling of a dialog picker or host combo box: network null means
// the baseline instance (written back to *network when network is given).
// Frees and empties first, records the last selection at the end.
void FillComboBox(CComboBoxTip& combo, const char* current, CNetworkBase** network,
                  bool limitToEight, bool withNew);

// Frees and empties the list, then the shared registry filling (the toolbar's
// ShowDataSets step). Returns the selected index, -1 when the list stays empty.
int RefillComboBox(CComboBoxTip& combo, CNetworkBase* network, const char* current,
                   bool limitToEight, bool withNew);

// Insertion by name: an item whose full name equals name (ignoring case) is
// kept; otherwise a new item is inserted at pos. The selection stays on the same
// item and is recorded as the last selection. Returns the item's index.
int InsertItemByName(CComboBoxTip& combo, int pos, const std::string& name,
                     CNetworkBase* network, int type);

// Makes the named DataFolder an item: the existing one, else the registry's
// record (brief name as text) inserted before the last two items, else an item
// by name at 0 (type 2); without a network an appended item of type 4.
int ForceShowDataSetItem(CComboBoxTip& combo, const std::string& name, CNetworkBase* network);

// Reaction to the user's choice: "New..." and "More..." run the service's
// dialogs (cancel restores the last selection and tells nobody); then the
// tooltip follows the selection and the parent is notified.
void HandleSelectionChange(CComboBoxTip& combo, CNetworkBase* network);

// Full name of the selected item; with no selection shows message (when given)
// and returns "".
std::string GetSelectedFullName(const CComboBoxTip& combo, const char* message);

// Folder of the selected item: the project's configuration folder for
// workspaceName, else the registry's path; without a network the full name.
// name receives the full name. With no selection shows message (when given)
// and returns "".
std::string GetComboBoxDataSetPath(const CComboBoxTip& combo, const char* message,
                                   std::string& name, const std::string& workspaceName,
                                   CNetworkBase* network);

} // namespace picker
