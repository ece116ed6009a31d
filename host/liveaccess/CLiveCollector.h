#pragma once
// Runs commands on many devices at once, each over its own SSH session, with
// a bounded number of sessions open at a time. Each device's outcome is
// handed to a sink as soon as it is known, one at a time, so the sink may
// save it without locking; questions to the user (host keys, passwords) are
// asked one at a time too, and an accepted host key is not asked about again.
#include "host/liveaccess/CCliSession.h"
#include "host/liveaccess/CDeviceAccess.h"
#include "host/liveaccess/CSshSession.h"

#include <atomic>
#include <functional>
#include <memory>
#include <mutex>
#include <set>
#include <string>
#include <vector>

struct CommandOutcome {
    std::string command;
    bool ok = false;
    std::string text;    // the captured-log form (CCliSession::Output::text)
    std::string error;
};

struct DeviceOutcome {
    std::string device;
    CliPlatform platform = CliPlatform::Ios;
    std::string error;   // why the device could not be reached or used; empty when it was
    std::vector<CommandOutcome> commands;

    int SucceededCount() const;
    bool AllSucceeded() const;
    // One line for the user: what came back, or why not.
    std::string Summary() const;
};

struct CollectJob {
    CDeviceAccess access;
    std::vector<std::string> commands;   // empty: the platform's live-data commands
};

class CLiveCollector {
public:
    struct Options {
        int maxSessions = 8;
        std::string knownHostsFile;
        std::vector<std::string> identityFiles;
        int connectTimeoutSeconds = 10;
        // A connection turned away is tried once more after this long.
        int retryDelayMs = 2000;
        CliTimeouts timeouts;
        SshCallbacks callbacks;
    };
    using SinkFn = std::function<void(const DeviceOutcome&)>;
    // A device's state as it changes: "Connecting", "Running <command>", ...
    using ProgressFn = std::function<void(const std::string& device, const std::string& state)>;

    explicit CLiveCollector(Options options);

    // Runs every job and returns their outcomes in job order. Cancelling
    // stops new sessions and ends open ones between reads.
    std::vector<DeviceOutcome> Run(const std::vector<CollectJob>& jobs, const SinkFn& sink,
                                   const ProgressFn& progress, const std::atomic<bool>* cancel);
    // One device, on the calling thread.
    DeviceOutcome RunOne(const CollectJob& job, const ProgressFn& progress, const std::atomic<bool>* cancel);

private:
    SshCallbacks SerialisedCallbacks();

    Options m_options;
    // Shared with the callbacks of every session of one collector.
    struct AskState {
        std::mutex mutex;
        std::set<std::string> acceptedKeys;   // "host port fingerprint"
    };
    std::shared_ptr<AskState> m_ask;
};
