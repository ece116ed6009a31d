#include "guidataset/showcmd/core/SplitShowCmds.h"

#include "guidataset/dataset/core/DataKind.h"
#include "guidataset/showcmd/core/ResultFileWriter.h"
#include "guidataset/showcmd/core/SessionLogReader.h"
#include "host/l2/CCiscoSwitchObj.h"
#include "host/l2/CDeviceObj.h"
#include "host/l2/CRouterObj.h"
#include "host/liveaccess/CDiscoverSetting.h"
#include "host/netmodel/CHostName.h"
#include "host/netmodel/DeviceSetting.h"
#include "host/netmodel/GlobalNetworkInfo.h"
#include "host/netmodel/L2NetworkInfo.h"
#include "host/netmodel/MacAddress.h"
#include "host/netmodel/TWDevice.h"
#include "host/netutil/CCliResultParserRule.h"
#include "host/netutil/InterfaceTypeCfg.h"
#include "host/netutil/RoutingTable.h"
#include "host/probe/IfTableEntry.h"
#include "host/probe/TWLiveData.h"
#include "host/util/CFileName.h"
#include "host/util/FileWriteBatch.h"
#include "host/util/RegistryAnswerMemo.h"
#include "host/util/TWDataSet.h"
#include "host/util/TWFileSystem.h"
#include "platform/core/TempFiles.h"

#include <sys/stat.h>

#include <cerrno>
#include <cstring>
#include <exception>
#include <filesystem>
#include <functional>
#include <set>

namespace {

// The DataFolder of a splitter that was never given one: a Windows root,
// which names no folder here.
constexpr const char* kUnsetDataFolder = "C:\\";

// Bytes of results (and route tables) that may wait for the writer thread.
constexpr std::size_t kMaxQueuedResultBytes = 8u << 20;

// The L2 parsers' tag for text captured from a CLI session.
constexpr int kCliCaptureSource = 1021;

// The interface rules are loaded into one object that lives as long as the program.
CCliResultParserRule& SharedInterfaceRule()
{
    static CCliResultParserRule* rule = new CCliResultParserRule();
    return *rule;
}

std::string CurrentDataFolderName(TWDataSet& registry)
{
    return registry.GetDatasetName(registry.GetCurrentDataSet());
}

} // namespace

// A device's tables and raw copies are rewritten with each of its pieces: a
// batch holds them back, so only the last text of each reaches the disk, when
// the file is done (or given up on). Result files are written, and route
// tables parsed, on a second thread while this one parses the rest; the
// route tables are held back in a batch of that thread.
class SplitShowCmds::WriteScope {
public:
    explicit WriteScope(SplitShowCmds& splitter)
        : m_splitter(splitter)
        , m_results(&splitter.m_writeFailures, kMaxQueuedResultBytes,
                    [this](const std::function<void()>& runJobs) {
                        FileWriteBatch routeTables;
                        std::exception_ptr stopped;
                        try {
                            runJobs();
                        } catch (...) {
                            stopped = std::current_exception();
                        }
                        routeTables.Flush();
                        m_routeTableFailures = routeTables.TakeFailures();
                        if (stopped)
                            std::rethrow_exception(stopped);
                    })
    {
        m_splitter.m_readyFolders.clear();
        m_splitter.m_resultWriter = &m_results;
        m_splitter.m_routeFailureLine = -1;
        m_splitter.m_routeTablesOnWriter.clear();
        m_splitter.m_writerRouteTables = 0;
        m_splitter.m_writerRouteCount = 0;
        m_splitter.CheckDataFolder();
        if (!m_splitter.m_writeFailures.IsStopped())
            m_splitter.RemoveLeftoverTemporaries();
    }

    ~WriteScope()
    {
        try {
            Settle();
        } catch (...) {
            // Out of memory for the report: the files themselves are settled.
        }
    }

    // Waits until everything is written; throws what the writer thread
    // stopped on.
    void Finish() { Settle(); }

    WriteScope(const WriteScope&) = delete;
    WriteScope& operator=(const WriteScope&) = delete;

private:
    void Settle()
    {
        if (m_settled)
            return;
        m_settled = true;
        std::exception_ptr stopped;
        try {
            m_results.Finish();
        } catch (...) {
            stopped = std::current_exception();
        }
        m_splitter.m_resultWriter = nullptr;
        m_splitter.m_routeCount += m_splitter.m_writerRouteCount;
        m_splitter.m_writerRouteCount = 0;
        m_tables.Flush();
        m_splitter.TakeTableFailures(m_routeTableFailures);
        m_splitter.TakeTableFailures(m_tables.TakeFailures());
        // The writer may have failed only after the last piece was cut.
        m_splitter.NoticeNewFailures();
        if (stopped)
            std::rethrow_exception(stopped);
    }

    SplitShowCmds& m_splitter;
    FileWriteBatch m_tables;
    // Filled by the writer thread as it ends.
    std::vector<FileWriteBatch::Failure> m_routeTableFailures;
    bool m_settled = false;
    ResultFileWriter m_results;
};

SplitShowCmds::SplitShowCmds()
    : m_dataFolder(kUnsetDataFolder)
{
    addCmdParsePair("show cdp neighbor detail", 0);
    addCmdParsePair("show cdp neighbors detail", 0);
    addCmdParsePair("show interface", 1);
    addCmdParsePair("show arp", 2);
    addCmdParsePair("show mac-address-table dynamic", 3);
    addCmdParsePair("show cam dynamic", 4);
    addCmdParsePair("show ip route", 5);
    addCmdParsePair("show ", 6);
}

void SplitShowCmds::setDataFolder(const std::string& dataFolder)
{
    m_dataFolder = dataFolder;
}

void SplitShowCmds::addCmdParsePair(std::string command, int code)
{
    if (m_cmdTable.empty()) {
        m_commonPrefix = command;
    } else {
        std::size_t same = 0;
        while (same < m_commonPrefix.size() && same < command.size() && m_commonPrefix[same] == command[same])
            ++same;
        m_commonPrefix.resize(same);
    }
    m_cmdTable.emplace_back(std::move(command), code);
}

bool SplitShowCmds::findShowCmd(char* line, std::string& command, int& code)
{
    command.clear();
    code = 6;
    if (m_cmdTable.empty() || line == nullptr)
        return false;

    if (!m_commonPrefix.empty() && std::strstr(line, m_commonPrefix.c_str()) == nullptr)
        return false;

    char* match = nullptr;
    const std::pair<std::string, int>* entry = nullptr;
    for (const auto& pair : m_cmdTable) {
        match = std::strstr(line, pair.first.c_str());
        if (match) {
            entry = &pair;
            break;
        }
    }
    if (!entry)
        return false;

    const std::string typed(match);
    *match = '\0';
    bool promptSeen = false;
    for (char* p = match; p > line; --p) {
        if (*p == '\t' || *p == ' ') {
            *p = '\0';
        } else if (*p == '#' || *p == '$' || *p == '>') {
            *p = '\0';
            promptSeen = true;
        }
    }
    code = entry->second;
    command = (code >= 0 && code <= 5) ? entry->first : typed;
    return promptSeen && line[0] != '\0';
}

int SplitShowCmds::splitFile(const std::string& path)
{
    long lineNumber = 0;
    try {
        RegistryAnswerMemo registryAnswers;
        // Everything this call writes is on disk, or among the write
        // failures, when it returns.
        WriteScope writing(*this);
        SessionLogReader reader;
        switch (reader.Open(path)) {
        case SessionLogReader::OpenResult::Opened:
            break;
        case SessionLogReader::OpenResult::NotAFile:
            AddReadProblem(path, LogReadProblem::Kind::NotAFile, 0);
            return 0;
        case SessionLogReader::OpenResult::CannotOpen:
            AddReadProblem(path, LogReadProblem::Kind::CannotRead, 0, reader.Error());
            return 0;
        }

        int currentCode = -1;
        std::string device;
        std::string command;
        std::string output;
        int recognised = 0;

        char buffer[kLineBufferSize];
        std::string foundCommand;
        for (;;) {
            const SessionLogReader::Line read = reader.ReadLine(buffer, kLineBufferSize);
            ++lineNumber;
            // Added before the search overwrites the buffer; a command line
            // is taken back out to begin the next piece.
            const std::size_t lineStart = output.size();
            output.append(buffer, read.length);
            output += '\n';
            int foundCode = 6;
            char* name = buffer;
            const bool found = read.loneCr
                                   ? FindShowCmdBehindOverprint(buffer, read.length, name, foundCommand, foundCode)
                                   : findShowCmd(buffer, foundCommand, foundCode);
            if (found) {
                ++recognised;
                const std::string line(output, lineStart);
                output.resize(lineStart);
                m_pieceLine = lineNumber;
                FinishPiece(currentCode, device, command, output);
                device = CHostName::GetBackendHostName(std::string(name));
                if (line.find("(enable)") != std::string::npos) {
                    if (GlobalNetworkInfo* gni = GetCurrentGNI()) {
                        if (L2NetworkInfo* l2 = gni->getL2NetworkInfo()) {
                            if (const auto* sw = l2->getSwitchByOriName(device))
                                device = sw->name;
                        }
                    }
                }
                currentCode = foundCode;
                output.assign(line);
                command = foundCommand;
            }
            if (read.last) {
                if (read.tooLong)
                    AddReadProblem(path, LogReadProblem::Kind::LineTooLong, lineNumber);
                break;
            }
        }
        if (reader.Error() != 0)
            AddReadProblem(path,
                           reader.ReadAnything() ? LogReadProblem::Kind::ReadFailed : LogReadProblem::Kind::CannotRead,
                           lineNumber, reader.Error());
        m_pieceLine = lineNumber;
        FinishPiece(currentCode, device, command, output);
        writing.Finish();
        return recognised;
    } catch (const std::exception& e) {
        AddReadProblem(path, LogReadProblem::Kind::Stopped, StoppedAt(lineNumber), 0, e.what());
        return -1;
    } catch (...) {
        AddReadProblem(path, LogReadProblem::Kind::Stopped, StoppedAt(lineNumber), 0, "unknown error");
        return -1;
    }
}

bool SplitShowCmds::FindShowCmdBehindOverprint(char* line, std::size_t length, char*& device,
                                               std::string& command, int& code)
{
    // A terminal that overprints (a pager's "--More--" wiped with CR and
    // blanks) shows what follows the last CR: a prompt there is what the user
    // saw. CRs that end the line overprint nothing.
    std::size_t end = length;
    while (end > 0 && line[end - 1] == '\r')
        line[--end] = '\0';
    std::size_t visible = end;
    while (visible > 0 && line[visible - 1] != '\r')
        --visible;
    if (visible > 0) {
        const std::string shown(line + visible, end - visible);
        if (findShowCmd(line + visible, command, code)) {
            device = line + visible;
            return true;
        }
        // No command there: the line is read as a whole, as any other line.
        std::memcpy(line + visible, shown.data(), shown.size());
    }
    device = line;
    return findShowCmd(line, command, code);
}

void SplitShowCmds::AddReadProblem(const std::string& path, LogReadProblem::Kind kind, long line, int error,
                                   std::string detail)
{
    // Called while handling an error too: a report that cannot be kept is lost, not thrown.
    try {
        m_readProblems.push_back(LogReadProblem{path, kind, line, error, std::move(detail)});
    } catch (...) {
    }
}

// The unset DataFolder names no folder: nothing may land under the working
// directory as "C:/LiveRouteTable/...".
bool SplitShowCmds::IsDataFolderThere() const
{
    struct stat info {};
    return !m_dataFolder.empty() && m_dataFolder != kUnsetDataFolder && ::stat(m_dataFolder.c_str(), &info) == 0 &&
           S_ISDIR(info.st_mode);
}

// Nothing is written once the DataFolder is missing: it is never made again
// by the import, so one deleted during the import ends it.
void SplitShowCmds::CheckDataFolder()
{
    if (m_writeFailures.IsStopped())
        return;
    if (IsDataFolderThere()) {
        m_dataFolderSeen = true;
        return;
    }
    if (m_dataFolder.empty() || m_dataFolder == kUnsetDataFolder)
        m_writeFailures.Stop("No DataFolder was chosen to import into; nothing was imported.");
    else if (m_dataFolderSeen)
        m_writeFailures.Stop("The DataFolder '" + m_dataFolder + "' was deleted during the import; the import stopped.");
    else
        m_writeFailures.Stop("The DataFolder '" + m_dataFolder + "' does not exist; nothing was imported.");
}

// A killed import leaves temporaries in the kind folders it was writing to
// (never under a result's or a table's name); the next import removes them,
// once per folder. The L2 tables go to the current DataFolder.
void SplitShowCmds::RemoveLeftoverTemporaries()
{
    std::vector<std::string> dataFolders{m_dataFolder};
    if (TWFileSystem* fileSystem = GetCurrBaselineFileSystem()) {
        if (TWDataSet* registry = fileSystem->GetDataSet())
            dataFolders.push_back(registry->GetCurrentDataSet());
    }
    for (const std::string& dataFolder : dataFolders) {
        if (dataFolder.empty())
            continue;
        for (const std::string& folder :
             {TWFileSystem::GetLiveShowCommandDataFolder(dataFolder), TWFileSystem::GetLiveRoutingTableFolder(dataFolder),
              TWFileSystem::GetLiveArpTableFolder(dataFolder), TWFileSystem::GetLiveMacTableFolder(dataFolder),
              TWFileSystem::GetLiveCdpTableFolder(dataFolder), TWFileSystem::GetLiveInterfaceFolder(dataFolder)}) {
            if (m_cleanedFolders.insert(folder).second)
                platform::RemoveStaleTemporaries(folder);
        }
    }
}

// A table that did not reach the disk was not imported: each piece counted
// for it is taken back.
void SplitShowCmds::TakeTableFailures(const std::vector<FileWriteBatch::Failure>& failures)
{
    const std::pair<DataKind, int SplitShowCmds::*> counted[] = {
        {kKindLiveRouteTable, &SplitShowCmds::m_routeCount},
        {kKindLiveArpTable, &SplitShowCmds::m_arpCount},
        {kKindLiveMacTable, &SplitShowCmds::m_macCount},
        {kKindLiveCdpTable, &SplitShowCmds::m_cdpCount},
    };
    for (const FileWriteBatch::Failure& failure : failures) {
        for (const auto& [kind, count] : counted) {
            const std::string extension = DataKindExtension(kind);
            if (failure.path.size() > extension.size() &&
                failure.path.compare(failure.path.size() - extension.size(), extension.size(), extension) == 0)
                this->*count -= failure.writes;
        }
        m_writeFailures.Add(failure.path, failure.error);
    }
}

int SplitShowCmds::EnsureKindFolder(const std::string& kindFolder)
{
    if (m_readyFolders.count(kindFolder))
        return 0;
    if (kindFolder.empty() || !IsDataFolderThere())
        return ENOENT;
    if (::mkdir(kindFolder.c_str(), 0777) != 0 && errno != EEXIST)
        return errno;
    struct stat info {};
    if (::stat(kindFolder.c_str(), &info) != 0)
        return errno;
    if (!S_ISDIR(info.st_mode))
        return ENOTDIR;
    m_readyFolders.insert(kindFolder);
    return 0;
}

// A new failure may mean that the DataFolder was deleted under the import.
void SplitShowCmds::NoticeNewFailures()
{
    if (m_writeFailures.Count() == m_failuresSeen)
        return;
    m_failuresSeen = m_writeFailures.Count();
    CheckDataFolder();
}

void SplitShowCmds::FinishPiece(int code, const std::string& device, const std::string& command,
                                const std::string& output)
{
    // The writer thread stopped on an exception: so does the import.
    if (m_resultWriter && m_resultWriter->Stopped())
        m_resultWriter->Finish();
    NoticeNewFailures();
    if (m_writeFailures.IsStopped())
        return;
    saveToDataFolder(code, device, command, output);
    dispatchParse(code, device, output);
}

std::string SplitShowCmds::getStatString(bool& askL2Flag)
{
    std::string text = std::to_string(m_routeCount) + " route tables, " + std::to_string(m_cdpCount)
                       + " CDP tables, " + std::to_string(m_macCount) + " MAC tables, "
                       + std::to_string(m_arpCount) + " ARP tables were imported successfully.";
    askL2Flag = m_cdpCount >= 1 || m_macCount >= 1 || m_arpCount >= 1;
    if (askL2Flag)
        text += "\nDo you want to recalculate the L2 Topology with imported L2 data now?";
    return text;
}

void SplitShowCmds::saveToDataFolder(int code, const std::string& device, const std::string& command,
                                     const std::string& output)
{
    if (code == -1 || code == 6)
        return;
    GlobalNetworkInfo* gni = GetCurrentGNI();
    if (!gni || !gni->GetDevice(device, true))
        return;

    TWDataSet dataSet;
    const std::string folder = dataSet.GetLiveShowCommandFolder(m_dataFolder);
    const std::string path = folder + CFileName::ToShowCommandResultFileName(device, command, "", "txt");
    if (const int error = EnsureKindFolder(folder)) {
        m_writeFailures.Add(path, error);
        return;
    }
    // Handed to the writer thread during splitFile.
    if (m_resultWriter) {
        m_resultWriter->Add(path, output);
    } else if (const int error = ResultFileWriter::WriteNow(path, output).error) {
        m_writeFailures.Add(path, error);
        return;
    }

    std::string kindFolder;
    switch (code) {
    case 2: kindFolder = TWFileSystem::GetLiveArpTableFolder(m_dataFolder); break;
    case 3:
    case 4: kindFolder = TWFileSystem::GetLiveMacTableFolder(m_dataFolder); break;
    case 5: kindFolder = TWFileSystem::GetLiveRoutingTableFolder(m_dataFolder); break;
    default: return;
    }
    if (kindFolder.empty())
        return;
    // The device comes from a prompt: encoded so that it names a file of this folder.
    const std::string copy = kindFolder + CFileName::ToSysFileName(device) + ".txt";
    if (const int error = EnsureKindFolder(kindFolder)) {
        m_writeFailures.Add(copy, error);
        return;
    }
    saveToSubFolder(copy, output);
}

void SplitShowCmds::saveToSubFolder(const std::string& path, const std::string& text)
{
    if (!FileWriteBatch::WriteWithCrLf(path, text))
        m_writeFailures.Add(path, errno);
}

void SplitShowCmds::dispatchParse(int code, const std::string& device, const std::string& output)
{
    if (device.empty() || output.empty())
        return;
    GlobalNetworkInfo* gni = GetCurrentGNI();
    if (!gni)
        return;
    TWDevice* deviceObj = gni->GetDevice(device, true);
    if (!deviceObj)
        return;
    if (!CDiscoverSetting::Instance().IsCommandResult(deviceObj->GetDeviceSubType(), output))
        return;
    TWFileSystem* fileSystem = GetCurrBaselineFileSystem();
    if (!fileSystem || !fileSystem->GetDataSet())
        return;
    TWDataSet& registry = *fileSystem->GetDataSet();

    switch (code) {
    case 0:
        if (CDeviceObj::ParseCdpTable(device, kCliCaptureSource, CurrentDataFolderName(registry), output, "",
                                      std::set<std::string>()))
            ++m_cdpCount;
        break;
    case 2:
        if (CRouterObj::ParseArpTable(device, kCliCaptureSource, CurrentDataFolderName(registry), output, ""))
            ++m_arpCount;
        break;
    case 3:
    case 4:
        if (CCiscoSwitchObj::ParseMacTable(device, kCliCaptureSource, CurrentDataFolderName(registry), output,
                                           ""))
            ++m_macCount;
        break;
    case 5: {
        std::string path = registry.GetLiveRoutingTablePath(m_dataFolder, device, "", false);
        if (path.empty())
            return;
        if (RouteTableOnWriter(path))
            m_resultWriter->AddJob([this, device, output, path = std::move(path), line = m_pieceLine] {
                try {
                    if (SaveRouteTable(device, output, path))
                        ++m_writerRouteCount;
                } catch (...) {
                    m_routeFailureLine = line;
                    throw;
                }
            },
                                   output.size());
        else if (SaveRouteTable(device, output, path))
            ++m_routeCount;
        break;
    }
    case 1:
        InterfacePieceToDevice(device, output);
        break;
    default:
        break;
    }
}

// A route table needs nothing of the network model: up to half of the
// devices' tables are parsed on the writer thread, which has less to do than
// this one unless creating files is slow there. Each table stays with one
// thread, which holds it back until the end.
bool SplitShowCmds::RouteTableOnWriter(const std::string& path)
{
    if (!m_resultWriter)
        return false;
    const auto known = m_routeTablesOnWriter.find(path);
    if (known != m_routeTablesOnWriter.end())
        return known->second;
    const bool onWriter =
        m_writerRouteTables * 2 <= m_routeTablesOnWriter.size() && !m_resultWriter->Behind();
    m_routeTablesOnWriter.emplace(path, onWriter);
    if (onWriter)
        ++m_writerRouteTables;
    return onWriter;
}

bool SplitShowCmds::SaveRouteTable(const std::string& device, const std::string& output, const std::string& path)
{
    RoutingTable table(device);
    table.ParseCmdString(output);
    // Counted unless its table could not be written; one that the import
    // holds back and fails to write later is taken back then.
    return table.SaveRTData(path) || table.RouteCount() == 0;
}

long SplitShowCmds::StoppedAt(long lineNumber) const
{
    return m_routeFailureLine >= 0 ? m_routeFailureLine : lineNumber;
}

void SplitShowCmds::InterfacePieceToDevice(const std::string& device, const std::string& output)
{
    GlobalNetworkInfo* gni = GetCurrentGNI();
    DeviceSetting* setting = gni ? gni->getDeviceSetting(device) : nullptr;
    if (!setting)
        return;
    const std::string ruleFile = TWFileSystem::GetSystemConfFolder() + "fix_CliShowIfCmdRule.xml";
    CCliResultParserRule& rule = SharedInterfaceRule();
    if (!rule.LoadFile(ruleFile))
        return;
    std::vector<CCliResultParserRule::Record> records;
    rule.ParseCliResult(output, records, 0);

    std::vector<IfTableEntry> entries;
    int index = 1;
    for (const auto& record : records) {
        const auto name = record.find("Interface Name");
        if (name == record.end() || name->second.empty())
            continue;
        const std::string shortName = InterfaceTypeCfg::Instance().getIfNameBknFromFull(name->second.front());
        if (shortName.empty())
            continue;
        std::string mac;
        const auto macField = record.find("Mac Address");
        if (macField != record.end() && !macField->second.empty())
            mac = macField->second.front();
        if (mac.empty())
            continue;
        setting->setInterfaceMacAddress(shortName, MacAddress(mac));
        IfTableEntry entry;
        entry.index = index;
        entry.name = shortName;
        entry.macAddress = mac;
        entries.push_back(std::move(entry));
        ++index;
    }
    if (TWFileSystem* fileSystem = GetCurrBaselineFileSystem()) {
        if (TWDataSet* registry = fileSystem->GetDataSet())
            TWLiveData::SaveLiveInterfaceData(registry->GetCurrentLiveInterfaceFolder(), device, entries);
    }
    setting->saveToDB(nullptr, false, true);
}
