#include "RegistryTestFolder.h"

#include "host/util/CConf.h"
#include "host/util/RegistryAnswerMemo.h"
#include "host/util/TWDataSet.h"
#include "host/util/TWFileSystem.h"

#include <gtest/gtest.h>

#include <thread>

namespace {

TEST(RegistryAnswerMemo, RegistryAnswersStayWhileOpenOnItsThreadOnly)
{
    registrytest::TestFolder tmp;
    ASSERT_TRUE(TWFileSystem::CreateProject(tmp.Path("proj"), "proj"));
    TWFileSystem fileSystem(tmp.Path("proj"));
    TWDataSet& registry = *fileSystem.GetDataSet();
    const std::string monday = tmp.Folder("proj/DataFolders/Monday");
    const std::string tuesday = tmp.Folder("proj/DataFolders/Tuesday");
    CConf ini(tmp.Path("proj/TWDataSet.ini"));
    ASSERT_TRUE(ini.SetValue("RECORD_INFO", "CurrentPath", monday));

    {
        RegistryAnswerMemo memo;
        EXPECT_EQ(registry.GetCurrentDataSet(), monday);
        EXPECT_EQ(registry.GetDataSetPath("tuesday"), tuesday);
        ASSERT_TRUE(ini.SetValue("RECORD_INFO", "CurrentPath", tuesday));
        tmp.Folder("proj/DataFolders/Wednesday");
        {
            RegistryAnswerMemo inner;   // shares the outer memo's answers
            EXPECT_EQ(registry.GetCurrentDataSet(), monday);
        }
        EXPECT_EQ(registry.GetCurrentDataSet(), monday);
        std::thread([&] { EXPECT_EQ(registry.GetCurrentDataSet(), tuesday); }).join();
    }
    EXPECT_EQ(registry.GetCurrentDataSet(), tuesday);
    EXPECT_EQ(registry.GetDataSetPath("Wednesday"), tmp.Path("proj/DataFolders/Wednesday") + "/");
}

} // namespace
