#pragma once
// The workstation's map service: what the open workspace (map) refers to.
#include <vector>

struct tagDataSetInfo;

class GuiMapCenter {
public:
    virtual ~GuiMapCenter();

    // Appends one new record per outside DataFolder linked to the open
    // workspace, in the workspace's order; the caller owns the records.
    virtual void GetLinkedDataSets(std::vector<tagDataSetInfo*>& records) = 0;

    // The installed service, else a default with no workspace (no records).
    static GuiMapCenter& Instance();
    // Returns the previously installed service; null restores the default.
    static GuiMapCenter* Install(GuiMapCenter* center);
};
