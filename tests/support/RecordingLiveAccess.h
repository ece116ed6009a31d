#pragma once
// A live access that reaches no device: it records what was asked of it,
// answers a command with the text it was given (none: the command fails),
// and is busy when told so; installed for its lifetime.
#include "host/adaptor/GuiLiveAccessCenter.h"
#include "support/TempDir.h"

#include <string>
#include <vector>

namespace twtest {

class RecordingLiveAccess final : public GuiLiveAccessCenter {
public:
    struct Retrieval {
        std::string devices;
        std::string dataFolder;
        int mode = 0;
    };
    RecordingLiveAccess() : m_previous(Install(this)) {}
    ~RecordingLiveAccess() override { Install(m_previous); }

    void SetCurrentDataSetPath(const std::string& path) override { paths.push_back(path); }
    // Recorded as "device|command|result path".
    bool ExecuteCommand(const std::string& device, const std::string& command, const std::string& path,
                        QWidget*) override
    {
        calls.push_back(device + "|" + command + "|" + path);
        return !answer.empty() && WriteBytes(path, answer);
    }
    bool IsRetrieving() override { return busy; }
    void RetrieveLiveData(const std::string& devices, const std::string& dataFolder, int mode) override
    {
        retrievals.push_back({devices, dataFolder, mode});
    }
    void ViewIpAccounting(const std::string&) override {}

    std::vector<std::string> paths;
    std::vector<std::string> calls;
    std::vector<Retrieval> retrievals;
    std::string answer;
    bool busy = false;

private:
    GuiLiveAccessCenter* m_previous;
};

} // namespace twtest
