// The import writes results on a second thread in batches and holds tables
// back until the log is done; on the benchmark's capture it must leave exactly
// the files of a plain pass that saves and parses each piece on one thread,
// writing every file at once.
#include "bench/support/BenchCapture.h"
#include "guidataset/showcmd/core/SplitShowCmds.h"
#include "host/netmodel/CHostName.h"
#include "host/util/TWFileSystem.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace fs = std::filesystem;

namespace {

constexpr int kDevices = 10;

// Cuts the log at its command lines as splitFile does, then saves and parses
// each piece straight away: no writer thread, no batch.
class PlainSplitter : public SplitShowCmds {
public:
    void StorePlainly(const std::string& log)
    {
        int code = -1;
        std::string device, command, output, found;
        std::size_t start = 0;
        for (;;) {
            const std::size_t lf = log.find('\n', start);
            const std::string line = log.substr(start, lf == std::string::npos ? std::string::npos : lf - start);
            std::vector<char> buffer(line.begin(), line.end());
            buffer.push_back('\0');
            int foundCode = 6;
            if (findShowCmd(buffer.data(), found, foundCode)) {
                Store(code, device, command, output);
                device = CHostName::GetBackendHostName(buffer.data());
                code = foundCode;
                command = found;
                output.clear();
            }
            output += line + '\n';
            if (lf == std::string::npos)
                break;
            start = lf + 1;
        }
        Store(code, device, command, output);
    }

private:
    void Store(int code, const std::string& device, const std::string& command, const std::string& output)
    {
        saveToDataFolder(code, device, command, output);
        dispatchParse(code, device, output);
    }
};

class Project {
public:
    explicit Project(const std::string& folder)
    {
        TWFileSystem::CreateProject(folder, "Lab");
        twtest::WriteBytes(folder + "/Devices.ini", benchcapture::DevicesIni(kDevices));
        m_fileSystem = std::make_unique<TWFileSystem>(folder);
    }
    void MakeCurrent() const { SetCurrBaselineFileSystem(m_fileSystem.get()); }
    std::string DataFolder() const { return m_fileSystem->GetDataSetRecent(); }

    // Every table by its name, and the results of each device and command
    // by their names' order (the names hold the time they were stored).
    std::map<std::string, std::string> Files() const
    {
        std::map<std::string, std::string> files;
        std::map<std::string, int> stored;
        const std::string root = DataFolder();
        std::vector<fs::path> paths;
        for (const auto& entry : fs::recursive_directory_iterator(root))
            if (entry.is_regular_file())
                paths.push_back(entry.path());
        std::sort(paths.begin(), paths.end());
        for (const fs::path& path : paths) {
            std::string name = path.string().substr(root.size());
            if (name.rfind("ShowCommand/", 0) == 0) {
                name = name.substr(0, name.rfind('$'));
                name += " #" + std::to_string(++stored[name]);
            }
            files[name] = twtest::ReadBytes(path.string());
        }
        return files;
    }

private:
    std::unique_ptr<TWFileSystem> m_fileSystem;
};

} // namespace

TEST(SplitterPlainPass, ImportLeavesTheFilesOfAPlainOneThreadPass)
{
    twtest::TempDir tmp;
    // About 2 MB: several writer batches, every device's tables rewritten
    // dozens of times.
    std::string log;
    for (int n = 0; n < 600; ++n)
        benchcapture::AppendPiece(log, n, kDevices, 3500);
    const std::string logPath = tmp / "capture.log";
    ASSERT_TRUE(twtest::WriteBytes(logPath, log));

    Project fast(tmp / "fast");
    fast.MakeCurrent();
    SplitShowCmds splitter;
    splitter.setDataFolder(fast.DataFolder());
    EXPECT_EQ(splitter.splitFile(logPath), 600);

    Project plain(tmp / "plain");
    plain.MakeCurrent();
    PlainSplitter reference;
    reference.setDataFolder(plain.DataFolder());
    reference.StorePlainly(log);
    SetCurrBaselineFileSystem(nullptr);

    bool askFast = false, askPlain = false;
    EXPECT_EQ(splitter.getStatString(askFast), reference.getStatString(askPlain));
    EXPECT_EQ(splitter.getStatString(askFast).rfind("200 route tables, 0 CDP tables, 0 MAC tables, 200 ARP", 0), 0u);
    EXPECT_EQ(splitter.getWriteFailures().Count(), 0);

    const std::map<std::string, std::string> fastFiles = fast.Files();
    const std::map<std::string, std::string> plainFiles = plain.Files();
    // 400 results, and per device a route and an ARP table with raw copies.
    EXPECT_EQ(fastFiles.size(), 400u + 4u * kDevices);
    ASSERT_EQ(fastFiles.size(), plainFiles.size());
    for (const auto& [name, bytes] : plainFiles) {
        const auto it = fastFiles.find(name);
        ASSERT_NE(it, fastFiles.end()) << name;
        EXPECT_TRUE(it->second == bytes) << name;
    }
}
