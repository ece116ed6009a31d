// "Update to workspace" (messages 1092 and 1121): DataFolder configurations
// become the project's, for the devices the project knows, and nothing else
// changes.
#include "ViewerFixture.h"

#include "host/adaptor/GuiDeviceCenter.h"
#include "host/adaptor/HostMessages.h"

#include <filesystem>

namespace fs = std::filesystem;

namespace {

class WorkspaceUpdate : public twtest::ViewerFixture {
protected:
    long UpdateOne(const std::string& device, const std::string& path, int kind = 3)
    {
        hostmsg::ConfigUpdateRequest request;
        request.kind = kind;
        request.deviceName = device;
        request.deviceType = 1;
        request.path = path;
        return Send(hostmsg::kConfigViewerReceiver, hostmsg::kUpdateConfig, 0, L(&request));
    }
    long UpdateMany(const std::vector<std::string>& devices, const std::string& folder)
    {
        std::vector<GuiDeviceCenter::DeviceEntry> entries;
        for (const std::string& device : devices)
            entries.push_back({device, 1});
        return Send(hostmsg::kConfigViewerReceiver, hostmsg::kUpdateConfigs, W(&entries), L(folder.c_str()));
    }
    std::vector<std::string> ConfigFiles() const
    {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(Project() + "Config"))
            names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }
};

const char* const kNewConfig = "!\r\nhostname core-r1\r\ninterface Gi0/0\r\n shutdown\r\nend\r\n";

} // namespace

TEST_F(WorkspaceUpdate, OneDeviceReplacesTheProjectsFileAndNothingElse)
{
    Write("Config/Core-R1.config", "hostname core-r1\r\n! the old one\r\n");
    const std::string source = Write("DataFolders/Audit/LiveConfig/core-r1.config", kNewConfig);
    const std::string devicesBefore = Read("Devices.ini");

    ASSERT_EQ(UpdateOne("CORE-R1", source), 1);
    // The project's file keeps its name; the bytes are the DataFolder's, CR LF and all.
    EXPECT_EQ(ConfigFiles(), (std::vector<std::string>{"Core-R1.config"}));
    EXPECT_EQ(Read("Config/Core-R1.config"), kNewConfig);
    EXPECT_EQ(Read("DataFolders/Audit/LiveConfig/core-r1.config"), kNewConfig);
    EXPECT_EQ(Read("Devices.ini"), devicesBefore);
    EXPECT_EQ(StatusText(), "Workspace updated: the configuration of core-r1 is now the project's (Config/).");

    // A device the project does not have takes nothing, and is not added.
    const std::string stranger = Write("DataFolders/Audit/LiveConfig/edge-fw9.config", "hostname edge-fw9\r\n");
    m_prompter.ExpectMessage("This configuration was not copied into the project:\n\n"
                             "edge-fw9: the project has no such device, so it takes no configuration.",
                             platform::BoxAnswer::Ok);
    ASSERT_EQ(UpdateOne("edge-fw9", stranger), 1);
    EXPECT_EQ(ConfigFiles(), (std::vector<std::string>{"Core-R1.config"}));
    EXPECT_EQ(Read("Devices.ini"), devicesBefore);

    // Requests of other kinds are not this receiver's.
    EXPECT_EQ(UpdateOne("core-r1", source, 4), 0);
}

TEST_F(WorkspaceUpdate, ManyDevicesFromAFolderSayWhatFailedAndWhy)
{
    const std::string folder = Project() + "DataFolders/Audit/LiveConfig/";
    Write("DataFolders/Audit/LiveConfig/core-r1.config", kNewConfig);
    // A file named otherwise is found by the host name it gives itself.
    Write("DataFolders/Audit/LiveConfig/dsw1-backup.config", "!\r\nhostname dist-sw1\r\nend\r\n");
    Write("Config/dist-sw1.config", "hostname dist-sw1\r\n! old\r\n");
    // A binary file never replaces a configuration.
    fs::create_directories(Project() + "DataFolders/Other/LiveConfig");
    Write("DataFolders/Other/LiveConfig/core-r1.config", std::string("\0\1\2\3garbage", 11));

    m_prompter.ExpectMessage("This configuration was not copied into the project:\n\n"
                             "ghost: 'DataFolders/Audit/LiveConfig/' holds no configuration of it.",
                             platform::BoxAnswer::Ok);
    ASSERT_EQ(UpdateMany({"core-r1", "ghost", "dist-sw1"}, folder), 1);
    EXPECT_EQ(Read("Config/core-r1.config"), kNewConfig);
    EXPECT_EQ(Read("Config/dist-sw1.config"), "!\r\nhostname dist-sw1\r\nend\r\n");
    EXPECT_EQ(StatusText(),
              "Workspace updated: the configurations of core-r1 and dist-sw1 are now the project's (Config/).");

    // A file that cannot be replaced (here a folder of that name) keeps what
    // was there; the binary one is refused before anything is written.
    fs::remove(Project() + "Config/dist-sw1.config");
    fs::create_directories(Project() + "Config/dist-sw1.config");
    m_prompter.ExpectMessage(
        "This configuration was not copied into the project:\n\n"
        "core-r1: 'DataFolders/Other/LiveConfig/core-r1.config' is a binary file, not a configuration.",
        platform::BoxAnswer::Ok);
    ASSERT_EQ(UpdateMany({"core-r1"}, Project() + "DataFolders/Other/LiveConfig/"), 1);
    m_prompter.ExpectMessage(
        "This configuration was not copied into the project:\n\n"
        "dist-sw1: 'Config/dist-sw1.config' cannot be written (is the folder read-only or the disk full?); the "
        "project's configuration is unchanged.",
        platform::BoxAnswer::Ok);
    ASSERT_EQ(UpdateMany({"dist-sw1"}, folder), 1);
    EXPECT_EQ(Read("Config/core-r1.config"), kNewConfig);
    EXPECT_TRUE(fs::is_directory(Project() + "Config/dist-sw1.config"));
}
