#include "RegistryTestFolder.h"

#include "host/baseline/CBaseline.h"
#include "host/util/EventDispatcher.h"
#include "host/util/EventSubscriber.h"
#include "host/util/TWFileSystem.h"
#include "host/util/TWRoot.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <vector>

namespace fs = std::filesystem;
using registrytest::TestFolder;
using registrytest::WriteFile;

namespace {

// What a project subscriber sees of each event, including the state of the
// host at the moment it arrives.
struct ProjectEvent {
    int action = 0;
    void* first = nullptr;
    CBaseline* openAtDelivery = nullptr;
    TWFileSystem* currentAtDelivery = nullptr;
};

class ProjectRecorder : public EventSubscriber {
public:
    ProjectRecorder() { EventDispatcher::Instance().Register(kEventProject, this); }
    ~ProjectRecorder() override { EventDispatcher::Instance().UnRegister(this); }

    void DoAfter(int category, int action, void* first, void*) override
    {
        if (category == kEventProject)
            events.push_back({action, first, CBaseline::Instance(), GetCurrBaselineFileSystem()});
    }

    std::vector<ProjectEvent> events;
};

class CBaselineTest : public ::testing::Test {
protected:
    void TearDown() override { CBaseline::Close(); }
    TestFolder m_tmp;
    ProjectRecorder m_recorder;
};

} // namespace

TEST_F(CBaselineTest, OpenAndCloseAnnounceProjectInOrder)
{
    ASSERT_TRUE(TWFileSystem::CreateProject(m_tmp.Path("first"), "First"));
    ASSERT_TRUE(CBaseline::Open(m_tmp.Path("first")));
    CBaseline* first = CBaseline::Instance();
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(GetCurrentBaseline(), first);
    EXPECT_EQ(first->GetName(), "First");
    EXPECT_TRUE(first->CanCreateDataSet());
    EXPECT_EQ(GetCurrBaselineFileSystem(), first->GetFileSystem());
    EXPECT_EQ(TWFileSystem::GetCurrentBaselineFolder(), m_tmp.Path("first") + "/");
    EXPECT_EQ(TWRoot::Instance().GetFileSystem(TWGuid2::AllOnes()), first->GetFileSystem());

    ASSERT_EQ(m_recorder.events.size(), 1u);
    EXPECT_EQ(m_recorder.events[0].action, kActionProjectOpened);
    EXPECT_EQ(m_recorder.events[0].first, static_cast<CNetworkBase*>(first));
    EXPECT_EQ(m_recorder.events[0].currentAtDelivery, first->GetFileSystem());

    // Opening another project closes the first one before announcing the new one.
    ASSERT_TRUE(CBaseline::Open(m_tmp.Path("second"), true));
    ASSERT_EQ(m_recorder.events.size(), 3u);
    EXPECT_EQ(m_recorder.events[1].action, kActionProjectClosing);
    EXPECT_EQ(m_recorder.events[1].first, nullptr);
    EXPECT_EQ(m_recorder.events[1].openAtDelivery, m_recorder.events[0].openAtDelivery);
    EXPECT_NE(m_recorder.events[1].currentAtDelivery, nullptr);
    EXPECT_EQ(m_recorder.events[2].action, kActionProjectOpened);
    EXPECT_EQ(m_recorder.events[2].first, static_cast<CNetworkBase*>(CBaseline::Instance()));
    EXPECT_EQ(CBaseline::Instance()->GetName(), "second");

    CBaseline::Close();
    ASSERT_EQ(m_recorder.events.size(), 4u);
    EXPECT_EQ(m_recorder.events[3].action, kActionProjectClosing);
    EXPECT_NE(m_recorder.events[3].openAtDelivery, nullptr);
    EXPECT_EQ(CBaseline::Instance(), nullptr);
    EXPECT_EQ(GetCurrBaselineFileSystem(), nullptr);
    EXPECT_EQ(TWRoot::Instance().GetFileSystem(TWGuid2::AllOnes()), nullptr);

    CBaseline::Close();   // nothing open: no event
    EXPECT_EQ(m_recorder.events.size(), 4u);
}

TEST_F(CBaselineTest, FolderThatIsNoProjectOpensOnlyWhenCreationIsAsked)
{
    const std::string plain = m_tmp.Folder("plain");
    EXPECT_FALSE(CBaseline::Open(plain));
    EXPECT_FALSE(fs::exists(plain + "Workspace.ini"));
    EXPECT_EQ(CBaseline::Instance(), nullptr);
    EXPECT_TRUE(m_recorder.events.empty());

    WriteFile(m_tmp.Path("file"), "x");
    EXPECT_FALSE(CBaseline::Open(m_tmp.Path("file") + "/proj", true));
    EXPECT_TRUE(m_recorder.events.empty());

    ASSERT_TRUE(CBaseline::Open(plain, true));
    EXPECT_TRUE(fs::is_directory(plain + "DataFolders/Local default"));
    EXPECT_EQ(CBaseline::Instance()->GetName(), "plain");
}
