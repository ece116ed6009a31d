#pragma once
// A project open in a real main window, whose viewers are reached the way the
// DataFolder browser reaches them: messages through MessageDispatcher and
// calls of the host services. Prompts are scripted and the difference
// viewer's command lines are recorded instead of started.
#include "apps/workstation/MainWindow.h"
#include "apps/workstation/viewers/CConfigViewer.h"
#include "apps/workstation/viewers/CHostViewers.h"
#include "apps/workstation/viewers/CTableViewer.h"
#include "support/ScriptedPrompter.h"
#include "support/TempDir.h"

#include "host/baseline/CBaseline.h"
#include "host/util/MessageDispatcher.h"
#include "host/util/TWFileSystem.h"
#include "support/RecordingProcessStarter.h"

#include <gtest/gtest.h>

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QStatusBar>

#include <string>
#include <vector>

namespace twtest {

class ViewerFixture : public ::testing::Test {
protected:
    // The project "Campus" with core-r1 (router) and dist-sw1 (switch), the
    // DataFolder "Audit" and the system one.
    void SetUp() override
    {
        m_project = m_tmp.Path() + "campus/";
        ASSERT_TRUE(TWFileSystem::CreateProject(m_project, "Campus"));
        ASSERT_TRUE(m_tmp.WriteFile("campus/Devices.ini", kDevices));
        ASSERT_TRUE(m_tmp.MakeDir("campus/DataFolders/Audit"));
        m_window = std::make_unique<workstation::MainWindow>();
        m_window->show();
        ASSERT_TRUE(m_window->OpenProject(m_project));
    }
    void TearDown() override
    {
        m_window.reset();
        EXPECT_EQ(m_prompter.PendingCount(), 0u);
    }

    static constexpr const char* kDevices =
        "[core-r1]\r\nType=router\r\nSubType=ios\r\n[dist-sw1]\r\nType=switch\r\nSubType=ios\r\n";

    std::string Project() const { return m_project; }
    std::string Audit() const { return m_project + "DataFolders/Audit/"; }
    std::string LocalDefault() const { return m_project + "DataFolders/Local default/"; }
    // Writes a file under the project folder; returns its full path.
    std::string Write(const std::string& relPath, const std::string& bytes)
    {
        EXPECT_TRUE(m_tmp.WriteFile("campus/" + relPath, bytes));
        return m_project + relPath;
    }
    std::string Read(const std::string& relPath) const { return m_tmp.ReadFile("campus/" + relPath); }

    long Send(int receiver, unsigned message, std::uintptr_t wparam, std::intptr_t lparam)
    {
        return MessageDispatcher::Instance().CallReceiver(receiver, message, wparam, lparam);
    }
    static std::uintptr_t W(const void* pointer) { return reinterpret_cast<std::uintptr_t>(pointer); }
    static std::intptr_t L(const void* pointer) { return reinterpret_cast<std::intptr_t>(pointer); }

    workstation::CHostViewers& Viewers() const { return *m_window->Viewers(); }
    int WindowCount() const { return static_cast<int>(m_window->MdiArea()->subWindowList().size()); }
    QString ActiveTitle() const
    {
        QMdiSubWindow* active = m_window->MdiArea()->activeSubWindow();
        return active ? active->windowTitle() : QString();
    }
    std::string StatusText() const { return m_window->statusBar()->currentMessage().toStdString(); }

    TempDir m_tmp;
    ScriptedPrompter m_prompter;
    RecordingProcessStarter m_starter;
    std::string m_project;
    std::unique_ptr<workstation::MainWindow> m_window;
};

} // namespace twtest
