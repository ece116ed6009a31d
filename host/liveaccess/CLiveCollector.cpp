#include "host/liveaccess/CLiveCollector.h"

#include <chrono>
#include <thread>

namespace {
// Waits, noticing a cancel within a tenth of a second; false when cancelled.
bool Pause(int ms, const std::atomic<bool>* cancel)
{
    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
    while (std::chrono::steady_clock::now() < end) {
        if (cancel && cancel->load())
            return false;
        std::this_thread::sleep_for(std::min<std::chrono::steady_clock::duration>(
            std::chrono::milliseconds(100), end - std::chrono::steady_clock::now()));
    }
    return !(cancel && cancel->load());
}
} // namespace

int DeviceOutcome::SucceededCount() const
{
    int count = 0;
    for (const CommandOutcome& command : commands)
        count += command.ok ? 1 : 0;
    return count;
}

bool DeviceOutcome::AllSucceeded() const
{
    return error.empty() && !commands.empty() && SucceededCount() == static_cast<int>(commands.size());
}

std::string DeviceOutcome::Summary() const
{
    if (!error.empty() && commands.empty())
        return error;
    std::string text = std::to_string(SucceededCount()) + " of " + std::to_string(commands.size()) +
                       " commands returned output.";
    for (const CommandOutcome& command : commands)
        if (!command.ok)
            text += " " + command.error;
    if (!error.empty())
        text += " " + error;
    return text;
}

CLiveCollector::CLiveCollector(Options options)
    : m_options(std::move(options))
    , m_ask(std::make_shared<AskState>())
{
    if (m_options.maxSessions < 1)
        m_options.maxSessions = 1;
}

SshCallbacks CLiveCollector::SerialisedCallbacks()
{
    SshCallbacks callbacks;
    const SshCallbacks inner = m_options.callbacks;
    const std::shared_ptr<AskState> ask = m_ask;
    if (inner.acceptHostKey) {
        callbacks.acceptHostKey = [inner, ask](const std::string& host, int port, const std::string& fingerprint) {
            std::lock_guard<std::mutex> lock(ask->mutex);
            const std::string key = host + " " + std::to_string(port) + " " + fingerprint;
            if (ask->acceptedKeys.count(key))
                return true;
            const bool accepted = inner.acceptHostKey(host, port, fingerprint);
            if (accepted)
                ask->acceptedKeys.insert(key);
            return accepted;
        };
    }
    if (inner.password) {
        callbacks.password = [inner, ask](const SshLogin& login, std::string& password) {
            std::lock_guard<std::mutex> lock(ask->mutex);
            return inner.password(login, password);
        };
    }
    if (inner.passwordRefused) {
        callbacks.passwordRefused = [inner, ask](const SshLogin& login) {
            std::lock_guard<std::mutex> lock(ask->mutex);
            inner.passwordRefused(login);
        };
    }
    return callbacks;
}

DeviceOutcome CLiveCollector::RunOne(const CollectJob& job, const ProgressFn& progress,
                                     const std::atomic<bool>* cancel)
{
    DeviceOutcome outcome;
    outcome.device = job.access.device;
    outcome.platform = job.access.platform;
    const auto report = [&](const std::string& state) {
        if (progress)
            progress(outcome.device, state);
    };
    if (cancel && cancel->load()) {
        outcome.error = "Cancelled.";
        return outcome;
    }
    SshEndpoint endpoint;
    endpoint.host = job.access.HostToConnect();
    endpoint.port = job.access.port;
    endpoint.user = job.access.user;
    endpoint.knownHostsFile = m_options.knownHostsFile;
    endpoint.identityFiles = m_options.identityFiles;
    endpoint.connectTimeoutSeconds = m_options.connectTimeoutSeconds;

    report("Connecting");
    CSshSession ssh;
    const SshCallbacks callbacks = SerialisedCallbacks();
    outcome.error = ssh.Open(endpoint, callbacks);
    // Devices limit how many logins may be under way at once and turn the
    // next ones away; with many sessions at once, one second try is worth it.
    if (!outcome.error.empty() && ssh.TurnedAway()) {
        report("Connecting again");
        if (!Pause(m_options.retryDelayMs, cancel)) {
            outcome.error = "Cancelled.";
            return outcome;
        }
        outcome.error = ssh.Open(endpoint, callbacks);
        if (!outcome.error.empty() && ssh.TurnedAway())
            outcome.error += std::string(outcome.error.back() == '.' ? "" : ".") + " A second try " +
                             std::to_string((m_options.retryDelayMs + 500) / 1000) +
                             " s later was turned away too: the device is down, or takes no more logins at the "
                             "moment.";
    }
    if (!outcome.error.empty())
        return outcome;
    CCliSession cli(ssh, job.access.platform, m_options.timeouts, cancel);
    report("Waiting for the prompt");
    outcome.error = cli.Start();
    if (!outcome.error.empty())
        return outcome;

    const std::vector<std::string> commands =
        job.commands.empty() ? CCliPlatform::LiveDataCommands(job.access.platform) : job.commands;
    for (const std::string& command : commands) {
        report("Running " + command);
        const CCliSession::Output output = cli.Run(command);
        outcome.commands.push_back(CommandOutcome{command, output.ok, output.text, output.error});
    }
    return outcome;
}

std::vector<DeviceOutcome> CLiveCollector::Run(const std::vector<CollectJob>& jobs, const SinkFn& sink,
                                               const ProgressFn& progress, const std::atomic<bool>* cancel)
{
    std::vector<DeviceOutcome> outcomes(jobs.size());
    std::atomic<std::size_t> next{0};
    std::mutex sinkMutex;
    const auto work = [&] {
        for (;;) {
            const std::size_t index = next.fetch_add(1);
            if (index >= jobs.size())
                return;
            DeviceOutcome outcome = RunOne(jobs[index], progress, cancel);
            std::lock_guard<std::mutex> lock(sinkMutex);
            if (sink)
                sink(outcome);
            if (progress)
                progress(outcome.device, outcome.AllSucceeded() ? "Done" : "Failed");
            outcomes[index] = std::move(outcome);
        }
    };
    const std::size_t threads = std::min<std::size_t>(static_cast<std::size_t>(m_options.maxSessions), jobs.size());
    std::vector<std::thread> pool;
    for (std::size_t i = 1; i < threads; ++i)
        pool.emplace_back(work);
    work();
    for (std::thread& thread : pool)
        thread.join();
    return outcomes;
}
