#include "apps/twdata/CollectCommand.h"

#include "apps/twdata/DataFolderCommands.h"
#include "apps/twdata/ProjectSession.h"
#include "guidataset/showcmd/core/LiveDataSaver.h"
#include "host/adaptor/GuiDatasetCenter.h"
#include "host/liveaccess/CLiveCollector.h"
#include "host/netmodel/GlobalNetworkInfo.h"
#include "host/util/TWDataSet.h"
#include "platform/core/Paths.h"

#include <ostream>

namespace twdata {

CollectCommand::CollectCommand(ProjectSession& session, std::ostream& out, std::ostream& err)
    : m_session(session)
    , m_out(out)
    , m_err(err)
{
}

int CollectCommand::Run(const CollectArguments& arguments)
{
    TWDataSet& registry = *m_session.Registry();
    const std::string current = platform::EnsureTrailingSlash(registry.GetCurrentDataSet());
    const std::string target = arguments.dataFolder.empty()
                                   ? current
                                   : platform::EnsureTrailingSlash(registry.GetDataSetPath(arguments.dataFolder));
    if (target == "/" || target.empty()) {
        m_err << "No DataFolder '" << arguments.dataFolder << "' in this project.\n";
        return kExitFailed;
    }
    const std::string name = registry.GetDatasetName(target);
    // As for an imported log: the parsed ARP, MAC, CDP and interface tables go
    // to the current DataFolder, so the two must be one.
    if (target != current) {
        if (!arguments.makeCurrent) {
            m_err << "'" << name << "' is not the current DataFolder: its results would go into '" << name
                  << "' but their ARP, MAC, CDP and interface tables into the current one, '"
                  << registry.GetDatasetName(current) << "'; add --make-current to make '" << name
                  << "' current first.\n";
            return kExitFailed;
        }
        const int status = DataFolderCommands(m_session, m_out, m_err).SetCurrent(name);
        if (status != kExitDone)
            return status;
    }
    bool cancel = false;
    if (m_session.Service()->IsLocked2(target, cancel, true) && cancel) {
        m_err << "Nothing was collected into the read-only DataFolder '" << name << "'.\n";
        return kExitFailed;
    }

    GlobalNetworkInfo* inventory = GetCurrentGNI();
    std::vector<CollectJob> jobs;
    bool allKnown = true;
    for (const std::string& device : arguments.devices) {
        CollectJob job;
        if (!inventory || !CDeviceAccess::Load(*inventory, device, job.access)) {
            m_out << device << "\tFAILED\tNot in the project's device inventory.\n";
            allKnown = false;
            continue;
        }
        job.commands = arguments.commands;
        jobs.push_back(job);
    }

    CLiveCollector::Options options;
    options.maxSessions = arguments.sessions;
    options.knownHostsFile = arguments.knownHostsFile;
    options.identityFiles = arguments.identityFiles;
    options.timeouts.promptMs = options.timeouts.idleMs = arguments.timeoutSeconds * 1000;
    // Scripts run unattended: an unknown host key is refused, not asked
    // about, and only the agent's and the user's keys authenticate.
    CLiveCollector collector(options);
    CLiveDataSaver saver(target);
    bool allSucceeded = allKnown;
    collector.Run(
        jobs,
        [&](const DeviceOutcome& outcome) {
            const std::string problem = saver.Save(outcome);
            const bool ok = outcome.AllSucceeded() && problem.empty();
            allSucceeded = allSucceeded && ok;
            std::string summary = outcome.Summary();
            if (!problem.empty())
                summary += " " + problem;
            for (char& c : summary)
                if (c == '\n' || c == '\t')
                    c = ' ';
            m_out << outcome.device << (ok ? "\tOK\t" : "\tFAILED\t") << summary << "\n" << std::flush;
        },
        nullptr, nullptr);
    return allSucceeded ? kExitDone : kExitFailed;
}

} // namespace twdata
