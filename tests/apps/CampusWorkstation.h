#pragma once
// The project "campus" (its system DataFolder only) and the module loaded from
// the build as the workstation loads it at start; a test adds its DataFolders
// and files, then opens the project in a main window of its own.
#include "apps/workstation/ModuleLoader.h"
#include "host/util/TWFileSystem.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <string>

namespace twtest {

class CampusWorkstation : public testing::Test {
protected:
    CampusWorkstation()
    {
        project = tmp.Path() + "campus/";
        EXPECT_TRUE(TWFileSystem::CreateProject(project, "Campus"));
        EXPECT_TRUE(module.Load(TW_BINARY_DIR "/bin")) << module.Error();
    }

    TempDir tmp;
    std::string project;
    workstation::ModuleLoader module;
};

} // namespace twtest
