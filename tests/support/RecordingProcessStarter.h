#pragma once
// Records the command lines that would have started a program, and answers
// whether the start succeeded; installed for its lifetime.
#include "platform/qt/StartProcess.h"

#include <string>
#include <vector>

namespace twtest {

class RecordingProcessStarter final : public platform::ProcessStarter {
public:
    explicit RecordingProcessStarter(bool answer = true)
        : answer(answer), m_previous(platform::InstallProcessStarter(this)) {}
    ~RecordingProcessStarter() override { platform::InstallProcessStarter(m_previous); }
    bool Start(const std::string& commandLine) override
    {
        commandLines.push_back(commandLine);
        return answer;
    }

    std::vector<std::string> commandLines;
    bool answer;

private:
    platform::ProcessStarter* m_previous;
};

} // namespace twtest
