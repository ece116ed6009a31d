#pragma once
// The route summary page (page id 21): lists nothing of its own; its View
// hands a summary file to the host.
#include "guidataset/browser/CSubDatasetNormal.h"

class CSubDatasetRtSummary : public CSubDatasetNormal {
public:
    void ViewFile(const std::string& path, int pageId) override;
};
