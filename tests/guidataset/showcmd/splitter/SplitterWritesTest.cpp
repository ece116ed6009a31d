// What the splitter writes when its DataFolder refuses files, is missing or
// disappears, or holds the leftovers of a killed import.
#include "guidataset/showcmd/core/ShowCommandResultList.h"
#include "guidataset/showcmd/core/SplitShowCmds.h"
#include "host/util/TWFileSystem.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <linux/capability.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

#include <atomic>
#include <filesystem>
#include <thread>

namespace fs = std::filesystem;

namespace {

const char* kRouteAndArp = "core-r1#show ip route\nS*    0.0.0.0/0 [1/0] via 10.0.0.2\n"
                           "core-r1#show arp\nInternet  10.0.0.2  12  5254.0012.3402  ARPA  Gi0/0\n";

// A project that knows core-r1 and a splitter into its system DataFolder.
class Project {
public:
    Project()
    {
        TWFileSystem::CreateProject(m_dir / "lab", "Lab");
        twtest::WriteBytes(m_dir / "lab/Devices.ini", "[core-r1]\nType=router\nSubType=ios\n");
        m_fileSystem = std::make_unique<TWFileSystem>(m_dir / "lab");
        SetCurrBaselineFileSystem(m_fileSystem.get());
        splitter.setDataFolder(DataFolder());
    }
    ~Project() { SetCurrBaselineFileSystem(nullptr); }
    std::string DataFolder() const { return m_fileSystem->GetDataSetRecent(); }
    std::string Log(const std::string& text) const
    {
        twtest::WriteBytes(m_dir / "r.log", text);
        return m_dir / "r.log";
    }
    std::string Report() const { return splitter.getWriteFailures().Describe(); }

    SplitShowCmds splitter;

private:
    twtest::TempDir m_dir;
    std::unique_ptr<TWFileSystem> m_fileSystem;
};

// Root passes every permission check; without these capabilities (of this
// thread and the threads it starts) it meets them as any user does.
class ScopedPermissionChecks {
public:
    ScopedPermissionChecks()
    {
        if (::syscall(SYS_capget, &m_header, m_saved) != 0)
            return;
        __user_cap_data_struct reduced[2] = {m_saved[0], m_saved[1]};
        reduced[0].effective &= ~((1u << CAP_DAC_OVERRIDE) | (1u << CAP_DAC_READ_SEARCH) | (1u << CAP_FOWNER));
        m_changed = ::syscall(SYS_capset, &m_header, reduced) == 0;
    }
    ~ScopedPermissionChecks()
    {
        if (m_changed)
            ::syscall(SYS_capset, &m_header, m_saved);
    }

private:
    __user_cap_header_struct m_header{_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct m_saved[2]{};
    bool m_changed = false;
};

} // namespace

TEST(SplitterWrites, ReadOnlyDataFolderIsReportedAndNothingCounted)
{
    Project project;
    ::chmod(project.DataFolder().c_str(), 0555);
    {
        ScopedPermissionChecks checked;
        EXPECT_EQ(project.splitter.splitFile(project.Log(kRouteAndArp)), 2);
    }
    ::chmod(project.DataFolder().c_str(), 0755);
    bool ask = true;
    EXPECT_EQ(project.splitter.getStatString(ask),
              "0 route tables, 0 CDP tables, 0 MAC tables, 0 ARP tables were imported successfully.");
    // Two results, the route table and the ARP table.
    EXPECT_EQ(project.Report().rfind(
                  "4 files could not be written:\n'" + project.DataFolder() + "ShowCommand/core-r1$show ip route$", 0),
              0u)
        << project.Report();
    EXPECT_NE(project.Report().find("LiveArpTable/core-r1.oat': Permission denied"), std::string::npos);
    EXPECT_TRUE(fs::is_empty(project.DataFolder()));
}

TEST(SplitterWrites, DataFolderDeletedDuringTheImportIsNotMadeAgain)
{
    Project project;
    std::string text;
    for (int i = 0; i < 20000; ++i)
        text += "core-r1#show ip route\nS*    0.0.0.0/0 [1/0] via 10.0.0." + std::to_string(i % 250) + "\n";
    const std::string log = project.Log(text);
    const std::string dataFolder = project.DataFolder();
    std::atomic<bool> done{false};
    std::thread import([&] {
        project.splitter.splitFile(log);
        done = true;
    });
    while (!done && (!fs::exists(dataFolder + "ShowCommand") || fs::is_empty(dataFolder + "ShowCommand")))
        std::this_thread::yield();
    // Files may still arrive while it goes: removed until it stays gone.
    std::error_code ec;
    for (int tries = 0; tries < 1000 && fs::exists(dataFolder); ++tries)
        fs::remove_all(dataFolder, ec);
    const bool deletedWhileRunning = !done;
    import.join();
    ASSERT_TRUE(deletedWhileRunning) << "the import ended before its DataFolder was deleted";
    EXPECT_FALSE(fs::exists(dataFolder));
    EXPECT_EQ(project.Report().rfind(
                  "The DataFolder '" + dataFolder + "' was deleted during the import; the import stopped.", 0),
              0u)
        << project.Report();
    EXPECT_EQ(project.splitter.splitFile(project.Log(kRouteAndArp)), 2);
    EXPECT_FALSE(fs::exists(dataFolder));
}

TEST(SplitShowCmds, UnsetDataFolderWritesNothing)
{
    Project project;
    SplitShowCmds unset;
    const fs::path before = fs::current_path();
    const fs::path work = fs::path(project.Log("")).parent_path();
    fs::current_path(work);
    EXPECT_EQ(unset.splitFile(project.Log("core-r1#show ip route\nS*    0.0.0.0/0 [1/0] via 10.0.0.2\n")), 1);
    // A DataFolder given relative to the working folder is one.
    SplitShowCmds relative;
    relative.setDataFolder("lab/DataFolders/Local default/");
    relative.splitFile(project.Log("core-r1#show arp\nInternet  10.0.0.2  12  5254.0012.3402  ARPA  Gi0/0\n"));
    fs::current_path(before);
    EXPECT_TRUE(fs::exists(project.DataFolder() + "LiveArpTable/core-r1.txt"));
    // Not under the working folder ("C:/LiveRouteTable/...").
    EXPECT_EQ(std::distance(fs::directory_iterator(work), fs::directory_iterator()), 2); // lab/, r.log
    EXPECT_EQ(unset.getWriteFailures().Describe(), "No DataFolder was chosen to import into; nothing was imported.");
}

TEST(SplitterWrites, LeftoversOfKilledImportsAreRemovedAndNeverListed)
{
    Project project;
    const pid_t child = ::fork();
    if (child == 0)
        ::_exit(0);
    ::waitpid(child, nullptr, 0);
    const std::string results = project.DataFolder() + "ShowCommand/";
    const std::string routes = project.DataFolder() + "LiveRouteTable/";
    const std::string killed = ".twtmp." + std::to_string(child) + ".4.1f";
    const std::string running = ".twtmp." + std::to_string(::getpid()) + ".9.2e";
    for (const std::string& file : {results + killed, routes + killed, results + running})
        ASSERT_TRUE(twtest::WriteBytes(file, "core-r1#show ip ro"));

    EXPECT_EQ(project.splitter.splitFile(project.Log(kRouteAndArp)), 2);
    EXPECT_FALSE(fs::exists(results + killed));
    EXPECT_FALSE(fs::exists(routes + killed));
    EXPECT_TRUE(fs::exists(results + running)) << "another import's file in the making";
    EXPECT_EQ(EnumShowCommandResults({}, nullptr, 0, results, {}, false), 2);
    EXPECT_EQ(project.Report(), "");
}
