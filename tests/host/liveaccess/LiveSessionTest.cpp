// SSH sessions against the device emulator behind a real OpenSSH server on
// loopback: prompts, enable, paging, host keys, authentication and the faults
// a real network shows.
#include "support/SshTestServer.h"

#include "host/liveaccess/CLiveCollector.h"

#include <gtest/gtest.h>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <fstream>
#include <sstream>
#include <thread>

namespace {

using twtest::EmulatedDevice;
using twtest::SshTestServer;

class LiveSessionTest : public ::testing::Test {
protected:
    void StartServer(const std::vector<EmulatedDevice>& devices)
    {
        const std::string reason = m_server.Start(devices);
        if (!reason.empty())
            GTEST_SKIP() << "Skipped: no test SSH server (" << reason << ")";
    }

    CLiveCollector::Options Options(bool knowHosts = true)
    {
        CLiveCollector::Options options;
        options.knownHostsFile = m_server.KnownHostsFile();
        options.identityFiles = {m_server.ClientKey()};
        // Generous: a loaded machine takes seconds to log in.
        options.timeouts.promptMs = 15000;
        options.timeouts.idleMs = 15000;
        options.callbacks.acceptHostKey = [this, knowHosts](const std::string&, int, const std::string& print) {
            m_asked.push_back(print);
            return knowHosts;
        };
        return options;
    }

    CollectJob Job(const std::string& device, CliPlatform platform, std::vector<std::string> commands = {})
    {
        CollectJob job;
        job.access.device = device;
        job.access.address = "127.0.0.1";
        job.access.port = m_server.Port(device);
        job.access.platform = platform;
        job.commands = std::move(commands);
        return job;
    }

    DeviceOutcome RunOne(const CollectJob& job, CLiveCollector::Options options)
    {
        CLiveCollector collector(std::move(options));
        return collector.RunOne(job, nullptr, nullptr);
    }

    SshTestServer m_server;
    std::vector<std::string> m_asked;
};

// A client that has connected and not logged in: it holds one of the logins
// that sshd lets be under way at once. Connected once sshd has greeted it.
class PendingLogin {
public:
    explicit PendingLogin(int port)
    {
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
        while (std::chrono::steady_clock::now() < deadline) {
            m_fd = ::socket(AF_INET, SOCK_STREAM, 0);
            sockaddr_in address {};
            address.sin_family = AF_INET;
            address.sin_port = htons(static_cast<uint16_t>(port));
            address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
            char greeting[4] = {};
            if (::connect(m_fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0 &&
                ::recv(m_fd, greeting, sizeof greeting, MSG_WAITALL) == 4 && std::string(greeting, 4) == "SSH-")
                return;
            Release();
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        }
    }
    ~PendingLogin() { Release(); }
    bool Connected() const { return m_fd >= 0; }
    void Release()
    {
        if (m_fd >= 0)
            ::close(m_fd);
        m_fd = -1;
    }

private:
    int m_fd = -1;
};

std::string Lines(const std::string& text, int count)
{
    std::istringstream in(text);
    std::string line, out;
    for (int i = 0; i < count && std::getline(in, line); ++i)
        out += line + "\n";
    return out;
}

TEST_F(LiveSessionTest, IosOutputReadsAsTheCapturedLogThroughEnableAndPaging)
{
    StartServer({{"core-r1", "IOS", "normal", ""}});
    if (IsSkipped())
        return;
    const DeviceOutcome outcome =
        RunOne(Job("core-r1", CliPlatform::Ios, {"show ip route", "show running-config", "show arp"}), Options());
    ASSERT_TRUE(outcome.error.empty()) << outcome.error;
    ASSERT_EQ(outcome.commands.size(), 3u);
    for (const CommandOutcome& command : outcome.commands)
        EXPECT_TRUE(command.ok) << command.command << ": " << command.error;
    // The prompt is privileged: enable was entered before the commands.
    EXPECT_EQ(Lines(outcome.commands[0].text, 2), "core-r1#show ip route\nCodes: L - local, C - connected, S - static, R - RIP, M - mobile, B - BGP\n");
    const std::string& config = outcome.commands[1].text;
    EXPECT_EQ(config.find("--More--"), std::string::npos);
    EXPECT_NE(config.find("hostname core-r1\n"), std::string::npos);
    EXPECT_EQ(config.find('\r'), std::string::npos);
    EXPECT_EQ(config.find('\b'), std::string::npos);
}

TEST_F(LiveSessionTest, PagingThatStaysOnIsAnsweredAndOtherPlatformsPromptsAreRead)
{
    StartServer({{"core-r1", "IOS"},
                 {"pager", "IOS", "sticky-paging", "core-r1"},
                 {"nx-core1", "NX-OS"},
                 {"access-sw2", "CatOS", "normal", "cat-sw"}});
    if (IsSkipped())
        return;
    const DeviceOutcome plain = RunOne(Job("core-r1", CliPlatform::Ios, {"show running-config"}), Options());
    const DeviceOutcome paged = RunOne(Job("pager", CliPlatform::Ios, {"show running-config"}), Options());
    ASSERT_TRUE(plain.AllSucceeded()) << plain.Summary();
    ASSERT_TRUE(paged.AllSucceeded()) << paged.Summary();
    // Every page arrives, and no trace of the pager is left between them.
    EXPECT_EQ(paged.commands[0].text.substr(paged.commands[0].text.find('\n')),
              plain.commands[0].text.substr(plain.commands[0].text.find('\n')));

    const DeviceOutcome nexus = RunOne(Job("nx-core1", CliPlatform::NxOs, {"show ip route"}), Options());
    ASSERT_TRUE(nexus.AllSucceeded()) << nexus.Summary();
    EXPECT_EQ(Lines(nexus.commands[0].text, 1), "nx-core1# show ip route\n");
    const DeviceOutcome catos = RunOne(Job("access-sw2", CliPlatform::CatOs, {"show cam dynamic"}), Options());
    ASSERT_TRUE(catos.AllSucceeded()) << catos.Summary();
    EXPECT_EQ(Lines(catos.commands[0].text, 1), "access-sw2> (enable) show cam dynamic\n");
}

TEST_F(LiveSessionTest, HostKeysAreAskedAboutOnceAndAChangedKeyIsRefusedBeforeLogin)
{
    StartServer({{"core-r1", "IOS", "normal", ""}});
    if (IsSkipped())
        return;
    const CollectJob job = Job("core-r1", CliPlatform::Ios, {"show arp"});

    // Declined: nothing runs, nothing is remembered.
    DeviceOutcome outcome = RunOne(job, Options(false));
    EXPECT_NE(outcome.error.find("is not known and was not accepted"), std::string::npos) << outcome.error;
    EXPECT_TRUE(outcome.commands.empty());
    ASSERT_EQ(m_asked.size(), 1u);
    EXPECT_EQ(m_asked[0].rfind("SHA256:", 0), 0u);

    // Accepted: written to known_hosts, not asked about the next time.
    outcome = RunOne(job, Options(true));
    EXPECT_TRUE(outcome.AllSucceeded()) << outcome.Summary();
    outcome = RunOne(job, Options(true));
    EXPECT_TRUE(outcome.AllSucceeded()) << outcome.Summary();
    EXPECT_EQ(m_asked.size(), 2u);

    // Changed: refused without a question, whatever the user would answer.
    std::ofstream(m_server.KnownHostsFile(), std::ios::trunc) << m_server.ChangedKnownHostsLine("core-r1");
    outcome = RunOne(job, Options(true));
    EXPECT_NE(outcome.error.find("has changed"), std::string::npos) << outcome.error;
    EXPECT_TRUE(outcome.commands.empty());
    EXPECT_EQ(m_asked.size(), 2u);
}

TEST_F(LiveSessionTest, AWrongKeyOrAMissingServerEndsWithAClearReason)
{
    StartServer({{"core-r1", "IOS", "normal", ""}});
    if (IsSkipped())
        return;
    std::ofstream(m_server.KnownHostsFile()) << m_server.KnownHostsLine("core-r1");
    CLiveCollector::Options options = Options();
    options.identityFiles = {m_server.WrongKey()};
    DeviceOutcome outcome = RunOne(Job("core-r1", CliPlatform::Ios, {"show arp"}), options);
    EXPECT_NE(outcome.error.find("No SSH key of the agent or of ~/.ssh was accepted"), std::string::npos)
        << outcome.error;

    CollectJob nowhere = Job("core-r1", CliPlatform::Ios, {"show arp"});
    nowhere.access.port = SshTestServer::UnusedPort();
    outcome = RunOne(nowhere, Options());
    EXPECT_EQ(outcome.error.rfind("Cannot connect to 127.0.0.1 port " + std::to_string(nowhere.access.port), 0), 0u)
        << outcome.error;
}

TEST_F(LiveSessionTest, ALoginTurnedAwayIsTriedOnceMoreAndThenExplained)
{
    // sshd, as a device with few login lines, takes one login at a time.
    m_server.SetMaxStartups(1);
    StartServer({{"core-r1", "IOS", "normal", ""}});
    if (IsSkipped())
        return;
    std::ofstream(m_server.KnownHostsFile()) << m_server.KnownHostsLine("core-r1");
    const CollectJob job = Job("core-r1", CliPlatform::Ios, {"show arp"});
    std::vector<std::string> states;
    const auto progress = [&states](const std::string&, const std::string& state) { states.push_back(state); };

    // The other login ends before the second try: this one gets in.
    PendingLogin other(m_server.Port("core-r1"));
    ASSERT_TRUE(other.Connected());
    CLiveCollector collector(Options());
    DeviceOutcome outcome = collector.RunOne(job, [&](const std::string& device, const std::string& state) {
        progress(device, state);
        if (state == "Connecting again")
            other.Release();
    }, nullptr);
    EXPECT_TRUE(outcome.AllSucceeded()) << outcome.Summary();
    EXPECT_NE(std::find(states.begin(), states.end(), "Connecting again"), states.end());

    // It stays: the second try fails too, and the message says what was tried.
    PendingLogin stays(m_server.Port("core-r1"));
    ASSERT_TRUE(stays.Connected());
    outcome = collector.RunOne(job, progress, nullptr);
    EXPECT_EQ(outcome.error.rfind("Cannot connect to 127.0.0.1 port " + std::to_string(job.access.port), 0), 0u)
        << outcome.error;
    EXPECT_NE(outcome.error.find(". A second try 2 s later was turned away too"), std::string::npos) << outcome.error;
}

TEST_F(LiveSessionTest, SilentDroppingAndRefusingDevicesFailOnlyWhatTheySpoilt)
{
    StartServer({{"hang", "IOS", "hang", "core-r1"},
                 {"drop", "IOS", "drop", "core-r1"},
                 {"core-r1", "IOS"},
                 {"noisy", "IOS", "escapes", "core-r1"}});
    if (IsSkipped())
        return;
    std::ofstream known(m_server.KnownHostsFile());
    for (const char* device : {"hang", "drop", "core-r1", "noisy"})
        known << m_server.KnownHostsLine(device);
    known.close();
    CLiveCollector::Options options = Options();
    CLiveCollector::Options impatient = Options();
    impatient.timeouts.promptMs = 2000;

    const DeviceOutcome silent = RunOne(Job("hang", CliPlatform::Ios, {"show arp"}), impatient);
    EXPECT_NE(silent.error.find("stopped answering after login"), std::string::npos) << silent.error;

    const DeviceOutcome dropped = RunOne(Job("drop", CliPlatform::Ios, {"show ip route", "show arp"}), options);
    ASSERT_EQ(dropped.commands.size(), 2u) << dropped.error;
    EXPECT_FALSE(dropped.commands[0].ok);
    EXPECT_NE(dropped.commands[0].error.find("closed the connection in the middle of \"show ip route\""),
              std::string::npos)
        << dropped.commands[0].error;
    EXPECT_FALSE(dropped.commands[1].ok);

    const DeviceOutcome refused =
        RunOne(Job("core-r1", CliPlatform::Ios, {"show bogus", "show arp"}), options);
    ASSERT_EQ(refused.commands.size(), 2u);
    EXPECT_FALSE(refused.commands[0].ok);
    EXPECT_NE(refused.commands[0].error.find("% Invalid input detected"), std::string::npos)
        << refused.commands[0].error;
    EXPECT_TRUE(refused.commands[1].ok) << refused.commands[1].error;

    // Colour codes and NUL bytes leave text identical to a plain device's.
    const DeviceOutcome noisy = RunOne(Job("noisy", CliPlatform::Ios, {"show arp"}), options);
    ASSERT_TRUE(noisy.AllSucceeded()) << noisy.Summary();
    const std::string& text = noisy.commands[0].text;
    EXPECT_EQ(text.find('\x1b'), std::string::npos);
    EXPECT_EQ(text.find('\0'), std::string::npos);
    EXPECT_EQ(text.substr(text.find('\n')),
              refused.commands[1].text.substr(refused.commands[1].text.find('\n')));
}

} // namespace
