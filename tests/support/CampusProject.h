#pragma once
// The project "campus" for dialog tests: DataFolders "Audit" and "Field Lab",
// the routers core-r1 and core-r2 and the switch dist-sw1 in its inventory,
// opened as the baseline; prompts are scripted.
#include "guidataset/dataset/CDatasetComboBox.h"
#include "host/adaptor/GuiLiveAccessCenter.h"
#include "host/baseline/CBaseline.h"
#include "host/netmodel/GlobalNetworkInfo.h"
#include "host/netmodel/TWDeviceType.h"
#include "host/util/CTWRTPath.h"
#include "host/util/TWFileSystem.h"
#include "platform/qt/ControlId.h"
#include "support/RecordingDeviceCenter.h"
#include "support/RecordingLiveAccess.h"
#include "support/ScopedProfile.h"
#include "support/ScriptedPrompter.h"
#include "support/TempDir.h"

#include <QComboBox>
#include <QDialog>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace twtest {

class CampusProject : public testing::Test {
protected:
    CampusProject() : profile(temp / "profile.ini")
    {
        project = temp / "campus/";
        EXPECT_TRUE(TWFileSystem::CreateProject(project, "Campus"));
        EXPECT_TRUE(temp.MakeDir("campus/DataFolders/Audit"));
        EXPECT_TRUE(temp.MakeDir("campus/DataFolders/Field Lab"));
        EXPECT_TRUE(CBaseline::Open(project));
        GlobalNetworkInfo* inventory = GetCurrentGNI();
        EXPECT_NE(inventory, nullptr);
        if (inventory) {
            inventory->AddDevice("core-r1", TW_DEVICE_ROUTER);
            inventory->AddDevice("core-r2", TW_DEVICE_ROUTER);
            inventory->AddDevice("dist-sw1", TW_DEVICE_SWITCH);
        }
    }
    ~CampusProject() override { CBaseline::Close(); }

    std::string DataFolder(const std::string& name) const { return project + "DataFolders/" + name + "/"; }
    // Writes a table of host into the DataFolder and returns its path.
    std::string PutTable(const std::string& dataFolder, int type, const std::string& host,
                         const std::string& name = "", const std::string& qualifier = "")
    {
        const std::string folder = CTWRTPath::GetTableFolder(DataFolder(dataFolder), type);
        const std::string file = CTWRTPath::GetRtbFileName(host, name, qualifier, type);
        const std::string relative = folder.substr(temp.Path().size()) + file;
        EXPECT_TRUE(temp.WriteFile(relative, "table of " + host + "\r\n"));
        return folder + file;
    }

    // Chooses the entry as a user does, by its text (a picker: its DataFolder name).
    static void Choose(QDialog& dialog, int id, const std::string& text)
    {
        auto* list = platform::Control<QComboBox>(&dialog, id);
        ASSERT_NE(list, nullptr) << id;
        int index = list->findText(QString::fromStdString(text));
        if (auto* picker = dynamic_cast<CDatasetComboBox*>(list); picker && index < 0)
            index = picker->FindDataSet(text.c_str());
        ASSERT_GE(index, 0) << text;
        list->setCurrentIndex(index);
        emit list->activated(index);
    }
    static std::vector<std::string> Items(QDialog& dialog, int id)
    {
        std::vector<std::string> items;
        auto* list = platform::Control<QComboBox>(&dialog, id);
        for (int i = 0; list && i < list->count(); ++i)
            items.push_back(list->itemText(i).toStdString());
        return items;
    }

    static std::string ItemStartingWith(QDialog& dialog, int id, const std::string& prefix)
    {
        for (const std::string& item : Items(dialog, id))
            if (item.rfind(prefix, 0) == 0)
                return item;
        ADD_FAILURE() << "no entry starting with " << prefix << " in " << id;
        return {};
    }

    TempDir temp;
    ScopedProfile profile;
    // Every prompt a test expects is scripted; any other fails it.
    ScriptedPrompter prompter;
    std::string project;
};

} // namespace twtest
