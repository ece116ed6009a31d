#pragma once
// The host's GUI service for tests: records each change of the current
// DataFolder and answers whether the session is restricted; installed for its
// lifetime.
#include "host/adaptor/GuiCenter.h"

#include <string>
#include <vector>

namespace twtest {

class RecordingGuiCenter final : public GuiCenter {
public:
    RecordingGuiCenter() : m_previous(Install(this)) {}
    ~RecordingGuiCenter() override { Install(m_previous); }

    void OnCurrentDataSetChanged(const std::string& path, const std::vector<int>& kinds, bool, int) override
    {
        paths.push_back(path);
        lastKinds = kinds;
    }
    bool IsRestrictedMode() override { return restricted; }

    std::vector<std::string> paths;
    std::vector<int> lastKinds;
    bool restricted = false;

private:
    GuiCenter* m_previous;
};

} // namespace twtest
