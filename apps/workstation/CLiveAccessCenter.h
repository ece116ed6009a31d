#pragma once
// The workstation's live access: Re-Execute runs one command on one device,
// "Retrieve Live Data" collects a list of devices into a DataFolder in the
// background (a bounded number of SSH sessions at a time) while a progress
// window shows each device, and saves what comes back through the import's
// own saving and parsing. Host keys and passwords are asked through the
// prompter on the GUI thread.
#include "apps/workstation/CLiveProgressWindow.h"
#include "host/adaptor/GuiLiveAccessCenter.h"
#include "host/liveaccess/CLiveCollector.h"

#include <QObject>
#include <QPointer>

#include <atomic>
#include <memory>
#include <string>
#include <thread>
#include <vector>

class CDevicePasswords;
class CLiveDataSaver;
class ISecretStore;

namespace workstation {

class CLiveAccessCenter : public QObject, public GuiLiveAccessCenter {
    Q_OBJECT
public:
    explicit CLiveAccessCenter(QObject* parent = nullptr);
    ~CLiveAccessCenter() override;

    void SetCurrentDataSetPath(const std::string& path) override;
    bool ExecuteCommand(const std::string& device, const std::string& command, const std::string& resultPath,
                        QWidget* owner) override;
    bool IsRetrieving() override;
    void RetrieveLiveData(const std::string& devices, const std::string& dataFolder, int mode) override;
    void ViewIpAccounting(const std::string& path) override;

    // Said when a command is to run on a device whose address nobody has set.
    static std::string NoAccessMessage(const std::string& device, const std::string& command);

    // Where host keys are checked and which keys are offered besides the
    // agent's and ~/.ssh's (tests point these at their own files).
    void SetSshFiles(const std::string& knownHostsFile, const std::vector<std::string>& identityFiles);
    void SetTimeouts(const CliTimeouts& timeouts) { m_timeouts = timeouts; }
    void SetMaxSessions(int sessions) { m_maxSessions = sessions; }
    // Where typed passwords are kept between runs (tests use a stand-in).
    void SetSecretStore(ISecretStore& store);
    // Stops the running retrieval: open sessions end, no new one starts.
    void CancelRetrieval();
    // Waits (events processed) until the retrieval ends; false on timeout.
    bool WaitForRetrieval(int timeoutMs);
    // The outcome of each device of the last retrieval, in the order asked.
    const std::vector<DeviceOutcome>& LastOutcomes() const { return m_lastOutcomes; }
    CLiveProgressWindow* ProgressWindow() const { return m_progress; }

signals:
    void RetrievalFinished();

private:
    CLiveCollector::Options CollectorOptions();
    bool AskHostKey(const std::string& host, int port, const std::string& fingerprint);
    bool AskPassword(const SshLogin& login, std::string& password);
    // Runs call on the GUI thread and waits for it.
    void OnGuiThread(const std::function<void()>& call);
    void FinishRetrieval(std::vector<DeviceOutcome> outcomes);

    std::string m_currentDataFolder;
    std::string m_knownHostsFile;
    std::vector<std::string> m_identityFiles;
    CliTimeouts m_timeouts;
    int m_maxSessions = 8;
    std::unique_ptr<ISecretStore> m_desktopSecrets;
    std::unique_ptr<CDevicePasswords> m_passwords;

    std::atomic<bool> m_retrieving{false};
    std::atomic<bool> m_cancel{false};
    std::thread m_worker;
    std::unique_ptr<CLiveDataSaver> m_saver;
    std::vector<DeviceOutcome> m_lastOutcomes;
    QPointer<CLiveProgressWindow> m_progress;
};

} // namespace workstation
