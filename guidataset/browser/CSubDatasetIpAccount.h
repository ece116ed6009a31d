#pragma once
// The IP accounting page (page id 33): every file of the folder; View opens
// one in the live-access service's IP-accounting viewer.
#include "guidataset/browser/CSubDatasetNormal.h"

class CSubDatasetIpAccount : public CSubDatasetNormal {
public:
    void ViewFile(const std::string& path, int pageId) override;
};
