#include "apps/workstation/CLiveAccessCenter.h"

#include "apps/workstation/CLiveProgressWindow.h"
#include "guidataset/showcmd/core/LiveDataSaver.h"
#include "guidataset/showcmd/core/ResultFileWriter.h"
#include "host/liveaccess/CDevicePasswords.h"
#include "host/liveaccess/CSecretStore.h"
#include "host/netmodel/GlobalNetworkInfo.h"
#include "platform/core/Paths.h"
#include "platform/core/Prompter.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QThread>

#include <cstring>

namespace workstation {

namespace {
void Tell(const std::string& text, QWidget* parent = nullptr,
          platform::BoxIcon icon = platform::BoxIcon::Exclamation)
{
    platform::MessageRequest request;
    request.text = text;
    request.icon = icon;
    request.parent = parent;
    platform::Prompter::Instance().Message(request);
}

std::vector<std::string> SplitLines(const std::string& text)
{
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start <= text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos)
            end = text.size();
        std::string line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (!line.empty())
            lines.push_back(line);
        start = end + 1;
    }
    return lines;
}

// The window stays painted while a command runs, but takes no clicks or keys
// (a second Re-Execute would start inside the first).
void ProcessEventsUntil(const std::atomic<bool>& done)
{
    while (!done.load())
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents, 20);
}
} // namespace

CLiveAccessCenter::CLiveAccessCenter(QObject* parent)
    : QObject(parent)
    , m_desktopSecrets(std::make_unique<CSecretStore>())
    , m_passwords(std::make_unique<CDevicePasswords>(*m_desktopSecrets))
{
}

void CLiveAccessCenter::SetSecretStore(ISecretStore& store)
{
    m_passwords = std::make_unique<CDevicePasswords>(store);
}

CLiveAccessCenter::~CLiveAccessCenter()
{
    m_cancel = true;
    if (m_worker.joinable()) {
        // The worker may be waiting for the GUI thread to save a device.
        while (m_retrieving.load())
            QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        m_worker.join();
    }
    delete m_progress.data();
}

void CLiveAccessCenter::SetCurrentDataSetPath(const std::string& path)
{
    m_currentDataFolder = path;
}

void CLiveAccessCenter::SetSshFiles(const std::string& knownHostsFile, const std::vector<std::string>& identityFiles)
{
    m_knownHostsFile = knownHostsFile;
    m_identityFiles = identityFiles;
}

void CLiveAccessCenter::OnGuiThread(const std::function<void()>& call)
{
    if (QThread::currentThread() == thread())
        call();
    else
        QMetaObject::invokeMethod(this, call, Qt::BlockingQueuedConnection);
}

bool CLiveAccessCenter::AskHostKey(const std::string& host, int port, const std::string& fingerprint)
{
    bool accepted = false;
    OnGuiThread([&] {
        platform::MessageRequest request;
        request.text = "The SSH host key of " + host + " (port " + std::to_string(port) +
                       ") is not known yet.\nIts fingerprint is " + fingerprint +
                       ".\n\nCompare it with the device's own key. Trust this key and connect?";
        request.icon = platform::BoxIcon::Question;
        request.buttons = platform::BoxButtons::YesNo;
        accepted = platform::Prompter::Instance().Message(request) == platform::BoxAnswer::Yes;
    });
    return accepted;
}

bool CLiveAccessCenter::AskPassword(const SshLogin& login, std::string& password)
{
    bool given = false;
    OnGuiThread([&] {
        if (m_passwords->Find(login, password)) {
            given = true;
            return;
        }
        platform::InputRequest request;
        request.caption = "Device Password";
        request.label = "Password of " + login.user + " on " + login.host + " (port " + std::to_string(login.port) +
                        "):";
        request.secret = true;
        request.parent = QApplication::activeWindow();
        given = platform::Prompter::Instance().InputText(request, password) && !password.empty();
        if (given)
            m_passwords->Remember(login, password);
    });
    return given;
}

CLiveCollector::Options CLiveAccessCenter::CollectorOptions()
{
    CLiveCollector::Options options;
    options.maxSessions = m_maxSessions;
    options.knownHostsFile = m_knownHostsFile;
    options.identityFiles = m_identityFiles;
    options.timeouts = m_timeouts;
    options.callbacks.acceptHostKey = [this](const std::string& host, int port, const std::string& fingerprint) {
        return AskHostKey(host, port, fingerprint);
    };
    options.callbacks.password = [this](const SshLogin& login, std::string& password) {
        return AskPassword(login, password);
    };
    options.callbacks.passwordRefused = [this](const SshLogin& login) {
        OnGuiThread([this, &login] { m_passwords->Forget(login); });
    };
    return options;
}

std::string CLiveAccessCenter::NoAccessMessage(const std::string& device, const std::string& command)
{
    return "\"" + command + "\" was not run on " + device + ": no device access is configured for it. Set its "
           "address in Tools > Device Access..., or import a captured session log instead.";
}

bool CLiveAccessCenter::ExecuteCommand(const std::string& device, const std::string& command,
                                       const std::string& resultPath, QWidget* owner)
{
    GlobalNetworkInfo* inventory = GetCurrentGNI();
    CollectJob job;
    if (!inventory || !CDeviceAccess::Load(*inventory, device, job.access)) {
        Tell("The device '" + device + "' is not in the project's device inventory, so it cannot be reached.", owner);
        return false;
    }
    // A device is reached only where the engineer said how: no guessing from its name.
    if (job.access.address.empty()) {
        Tell(NoAccessMessage(device, command), owner);
        return false;
    }
    job.commands = {command};
    DeviceOutcome outcome;
    std::atomic<bool> done{false};
    const std::atomic<bool> neverCancelled{false};
    CLiveCollector collector(CollectorOptions());
    std::thread worker([&] {
        outcome = collector.RunOne(job, nullptr, &neverCancelled);
        done = true;
    });
    ProcessEventsUntil(done);
    worker.join();

    if (!outcome.AllSucceeded()) {
        Tell(device + ": " + outcome.Summary(), owner);
        return false;
    }
    // Written as the import writes a show-command result: the command line, then the output.
    int error = 0;
    if (!platform::AtomicWriteFile(resultPath, ResultFileWriter::WithCrLf(CLiveDataSaver::SessionLog(outcome)), true,
                                   &error)) {
        Tell("Cannot write " + resultPath + ": " + std::strerror(error), owner);
        return false;
    }
    return true;
}

bool CLiveAccessCenter::IsRetrieving()
{
    return m_retrieving.load();
}

void CLiveAccessCenter::RetrieveLiveData(const std::string& devices, const std::string& dataFolder, int)
{
    if (m_retrieving.load()) {
        Tell("The system is retrieving the live data. Please wait...");
        return;
    }
    const std::string folder = dataFolder.empty() ? m_currentDataFolder : dataFolder;
    if (folder.empty()) {
        Tell("Please select a DataFolder to retrieve the live data into.");
        return;
    }
    const std::vector<std::string> names = SplitLines(devices);
    if (names.empty()) {
        Tell("No devices were chosen to retrieve live data from.");
        return;
    }
    if (m_worker.joinable())
        m_worker.join();

    GlobalNetworkInfo* inventory = GetCurrentGNI();
    std::vector<CollectJob> jobs;
    std::vector<DeviceOutcome> unknown;
    for (const std::string& name : names) {
        CollectJob job;
        if (inventory && CDeviceAccess::Load(*inventory, name, job.access)) {
            jobs.push_back(job);
        } else {
            DeviceOutcome outcome;
            outcome.device = name;
            outcome.error = "Not in the project's device inventory.";
            unknown.push_back(outcome);
        }
    }

    if (!m_progress) {
        m_progress = new CLiveProgressWindow(qobject_cast<QWidget*>(QApplication::activeWindow()));
        connect(m_progress, &CLiveProgressWindow::CancelRequested, this, &CLiveAccessCenter::CancelRetrieval);
    }
    m_progress->Start(names, folder);
    m_progress->show();
    for (const DeviceOutcome& outcome : unknown)
        m_progress->SetResult(outcome.device, false, outcome.error);

    m_saver = std::make_unique<CLiveDataSaver>(folder);
    m_cancel = false;
    m_retrieving = true;
    m_worker = std::thread([this, jobs, unknown, options = CollectorOptions()]() mutable {
        CLiveCollector collector(std::move(options));
        const auto progress = [this](const std::string& device, const std::string& state) {
            QMetaObject::invokeMethod(this, [this, device, state] {
                if (m_progress && state != "Done" && state != "Failed")
                    m_progress->SetState(device, state);
            });
        };
        const auto sink = [this](const DeviceOutcome& outcome) {
            // Saved on the GUI thread, where the project's model lives.
            OnGuiThread([this, &outcome] {
                const std::string problem = m_saver->Save(outcome);
                if (m_progress)
                    m_progress->SetResult(outcome.device, outcome.AllSucceeded() && problem.empty(),
                                          problem.empty() ? outcome.Summary() : outcome.Summary() + " " + problem);
            });
        };
        std::vector<DeviceOutcome> outcomes = collector.Run(jobs, sink, progress, &m_cancel);
        outcomes.insert(outcomes.end(), unknown.begin(), unknown.end());
        QMetaObject::invokeMethod(this, [this, outcomes]() mutable { FinishRetrieval(std::move(outcomes)); });
    });
}

void CLiveAccessCenter::FinishRetrieval(std::vector<DeviceOutcome> outcomes)
{
    int succeeded = 0;
    for (const DeviceOutcome& outcome : outcomes)
        succeeded += outcome.AllSucceeded() ? 1 : 0;
    if (m_progress)
        m_progress->Finish(succeeded, static_cast<int>(outcomes.size()), m_cancel.load());
    m_lastOutcomes = std::move(outcomes);
    m_saver.reset();
    if (m_worker.joinable())
        m_worker.join();
    m_retrieving = false;
    emit RetrievalFinished();
}

void CLiveAccessCenter::CancelRetrieval()
{
    m_cancel = true;
}

bool CLiveAccessCenter::WaitForRetrieval(int timeoutMs)
{
    QElapsedTimer timer;
    timer.start();
    while (m_retrieving.load() && timer.elapsed() < timeoutMs)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    return !m_retrieving.load();
}

// This workstation has no IP-accounting viewer; the file stays in the DataFolder.
void CLiveAccessCenter::ViewIpAccounting(const std::string&)
{
}

} // namespace workstation
