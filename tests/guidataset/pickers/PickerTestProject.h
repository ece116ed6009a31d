#pragma once
// A temporary project opened as the baseline, with DataFolders made on disk,
// for the picker tests, and what a picker shows. The project is closed and the
// folder removed afterwards.
#include "host/baseline/CBaseline.h"
#include "host/guiutil/CComboBoxTip.h"
#include "host/util/tagDataSetInfo.h"
#include "host/util/TWFileSystem.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace twtest {

class PickerTestProject {
public:
    explicit PickerTestProject(const std::vector<std::string>& dataFolders)
    {
        const std::string folder = m_dir / "Project";
        EXPECT_TRUE(TWFileSystem::CreateProject(folder, "Project"));
        for (const std::string& name : dataFolders)
            EXPECT_TRUE(m_dir.MakeDir("Project/DataFolders/" + name));
        EXPECT_TRUE(CBaseline::Open(folder));
    }
    ~PickerTestProject() { CBaseline::Close(); }

    CNetworkBase* Network() const { return CBaseline::Instance(); }
    TWFileSystem* FileSystem() const { return Network()->GetFileSystem(); }
    const TempDir& Dir() const { return m_dir; }

private:
    TempDir m_dir;
};

// "DF01".."DFnn": sorts before "Local default", which every project has.
inline std::vector<std::string> NumberedNames(int count)
{
    std::vector<std::string> names;
    for (int i = 1; i <= count; ++i)
        names.push_back((i < 10 ? "DF0" : "DF") + std::to_string(i));
    return names;
}

inline std::vector<std::string> ItemTexts(const CComboBoxTip& combo)
{
    std::vector<std::string> texts;
    for (int i = 0; i < combo.GetCount(); ++i)
        texts.push_back(combo.GetLBText(i));
    return texts;
}

inline std::vector<int> ItemTypes(const CComboBoxTip& combo)
{
    std::vector<int> types;
    for (int i = 0; i < combo.GetCount(); ++i)
        types.push_back(combo.GetItemRecord(i) ? combo.GetItemRecord(i)->itemType : -1);
    return types;
}

} // namespace twtest
