#include "RegistryTestFolder.h"

#include "host/util/TWFileSystem.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

namespace fs = std::filesystem;
using registrytest::ReadFile;
using registrytest::TestFolder;
using registrytest::WriteFile;

TEST(TWFileSystemLayout, CreateProjectMakesLayoutAndKeepsExistingFiles)
{
    TestFolder tmp;
    const std::string root = tmp.Path("Lab Net");
    ASSERT_FALSE(TWFileSystem::IsProjectFolder(root));
    ASSERT_TRUE(TWFileSystem::CreateProject(root, "Lab Network"));

    EXPECT_TRUE(TWFileSystem::IsProjectFolder(root + "/"));
    EXPECT_TRUE(fs::is_directory(root + "/Config"));
    EXPECT_TRUE(fs::is_directory(root + "/DataFolders/Local default"));
    EXPECT_TRUE(fs::is_regular_file(root + "/TWDataSet.ini"));
    EXPECT_NE(ReadFile(root + "/Workspace.ini").find("\r\n"), std::string::npos);

    TWFileSystem fileSystem(root);
    EXPECT_EQ(fileSystem.GetProjectFolder(), root + "/");
    EXPECT_EQ(fileSystem.GetProjectName(), "Lab Network");
    EXPECT_EQ(fileSystem.GetDataSetsFolder(), root + "/DataFolders/");
    EXPECT_EQ(fileSystem.GetDataSetRecent(), root + "/DataFolders/Local default/");
    EXPECT_EQ(fileSystem.GetConfigRootFolder(), root + "/Config/");

    // A second run repairs what is missing and touches nothing else.
    WriteFile(root + "/TWDataSet.ini", "[RECORD_INFO]\r\nCurrent=Local default\r\n");
    WriteFile(root + "/DataFolders/Local default/r1.config", "hostname r1\n");
    fs::remove_all(root + "/Config");
    ASSERT_TRUE(TWFileSystem::CreateProject(root, "Other Name"));
    EXPECT_TRUE(fs::is_directory(root + "/Config"));
    EXPECT_EQ(ReadFile(root + "/TWDataSet.ini"), "[RECORD_INFO]\r\nCurrent=Local default\r\n");
    EXPECT_EQ(ReadFile(root + "/DataFolders/Local default/r1.config"), "hostname r1\n");
    EXPECT_EQ(fileSystem.GetProjectName(), "Lab Network");
}

TEST(TWFileSystemLayout, ProjectNameFallsBackToFolderAndCreationFailureIsReported)
{
    TestFolder tmp;
    const std::string root = tmp.Folder("Branch-7");
    WriteFile(root + "Workspace.ini", "");
    EXPECT_EQ(TWFileSystem(root).GetProjectName(), "Branch-7");

    // A regular file where the project folder should go: nothing can be created.
    WriteFile(tmp.Path("blocker"), "x");
    EXPECT_FALSE(TWFileSystem::CreateProject(tmp.Path("blocker") + "/proj", "p"));
    EXPECT_FALSE(TWFileSystem::CreateProject("", "p"));
}

TEST(TWFileSystemLayout, KindFoldersAcceptAnyTrailingSeparator)
{
    for (const std::string dataSet : {"/d/DF1", "/d/DF1/", "/d/DF1\\"}) {
        EXPECT_EQ(TWFileSystem::GetLiveConfigFolder(dataSet), "/d/DF1/LiveConfig/");
        EXPECT_EQ(TWFileSystem::GetLiveRoutingTableFolder(dataSet), "/d/DF1/LiveRouteTable/");
        EXPECT_EQ(TWFileSystem::GetLiveArpTableFolder(dataSet), "/d/DF1/LiveArpTable/");
        EXPECT_EQ(TWFileSystem::GetLiveMacTableFolder(dataSet), "/d/DF1/LiveMacTable/");
        EXPECT_EQ(TWFileSystem::GetLiveCdpTableFolder(dataSet), "/d/DF1/LiveCdpTable/");
        EXPECT_EQ(TWFileSystem::GetLiveInterfaceFolder(dataSet), "/d/DF1/LiveInterface/");
        EXPECT_EQ(TWFileSystem::GetLiveShowCommandDataFolder(dataSet), "/d/DF1/ShowCommand/");
    }
    // Never a folder relative to the working directory.
    EXPECT_EQ(TWFileSystem::GetLiveConfigFolder(""), "");
}

TEST(TWFileSystemLayout, CurrentBaselineAndSystemConfFolders)
{
    TestFolder tmp;
    ASSERT_TRUE(TWFileSystem::CreateProject(tmp.Path("p"), "p"));
    ASSERT_EQ(GetCurrBaselineFileSystem(), nullptr);
    EXPECT_EQ(TWFileSystem::GetCurrentBaselineFolder(), "");
    {
        TWFileSystem fileSystem(tmp.Path("p"));
        SetCurrBaselineFileSystem(&fileSystem);
        EXPECT_EQ(TWFileSystem::GetCurrentBaselineFolder(), tmp.Path("p") + "/");
    }
    // The destroyed file system no longer answers as the current one.
    EXPECT_EQ(GetCurrBaselineFileSystem(), nullptr);

    const char* inherited = std::getenv("TW_SYSTEM_CONF_DIR");
    const std::string saved = inherited ? inherited : "";
    unsetenv("TW_SYSTEM_CONF_DIR");
    const std::string builtIn = TWFileSystem::GetSystemConfFolder();
    EXPECT_EQ(builtIn.back(), '/');
    setenv("TW_SYSTEM_CONF_DIR", "/opt/tw/rules", 1);
    EXPECT_EQ(TWFileSystem::GetSystemConfFolder(), "/opt/tw/rules/");
    unsetenv("TW_SYSTEM_CONF_DIR");
    EXPECT_EQ(TWFileSystem::GetSystemConfFolder(), builtIn);
    if (inherited)
        setenv("TW_SYSTEM_CONF_DIR", saved.c_str(), 1);
}
