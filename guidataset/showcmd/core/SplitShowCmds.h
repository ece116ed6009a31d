#pragma once
// Cuts a captured CLI session log into one piece per show command (device,
// command, output), stores each piece in a DataFolder as a show-command
// result (and ARP, MAC and route tables also as a raw copy), and hands the
// known tables to the workstation's parsers, counting what was imported.
// Counts only rise, so they sum over every splitFile call on one object.
#include "guidataset/showcmd/core/ImportWriteFailures.h"
#include "guidataset/showcmd/core/LogReadProblem.h"
#include "host/util/FileWriteBatch.h"

#include <set>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

class ResultFileWriter;

class SplitShowCmds {
public:
    SplitShowCmds();
    virtual ~SplitShowCmds() = default;
    SplitShowCmds(const SplitShowCmds&) = default;
    SplitShowCmds& operator=(const SplitShowCmds&) = default;

    void setDataFolder(const std::string& dataFolder);
    // Number of command lines recognised in the file (0 when it cannot be
    // opened), or -1 when the splitting or a parser raised an exception;
    // pieces saved before that stay saved. A file not read to its end adds
    // the reason to getReadProblems.
    int splitFile(const std::string& path);
    // askL2Flag: whether any CDP, MAC or ARP table came in, so the L2
    // topology is worth recalculating.
    std::string getStatString(bool& askL2Flag);
    // The logs not read to their end, over every splitFile call, in call order.
    const std::vector<LogReadProblem>& getReadProblems() const { return m_readProblems; }

    // The files that could not be written, over every splitFile call, and
    // whether writing stopped because the DataFolder is missing: then no
    // further log is worth splitting. A table that was not written is not
    // counted in getStatString.
    const CImportWriteFailures& getWriteFailures() const { return m_writeFailures; }

    // Longest line taken from a log; a longer one ends the reading.
    static constexpr std::size_t kLineBufferSize = 2048;

protected:
    void addCmdParsePair(std::string command, int code);
    // line is a zero-terminated buffer that this overwrites: on success it
    // begins with the device name.
    bool findShowCmd(char* line, std::string& command, int& code);

    void saveToDataFolder(int code, const std::string& device, const std::string& command,
                          const std::string& output);
    void saveToSubFolder(const std::string& path, const std::string& text);
    void dispatchParse(int code, const std::string& device, const std::string& output);

    std::string m_dataFolder;
    std::vector<std::pair<std::string, int>> m_cmdTable;
    int m_routeCount = 0;
    int m_cdpCount = 0;
    int m_macCount = 0;
    int m_arpCount = 0;

private:
    // Text every command of the table starts with; a line without it holds none.
    std::string m_commonPrefix;
    std::vector<LogReadProblem> m_readProblems;

    // Kind folders found or made during the current splitFile call.
    std::set<std::string> m_readyFolders;
    // The writer of the result files while splitFile runs.
    ResultFileWriter* m_resultWriter = nullptr;

    // What could not be written, and the failures already looked at.
    CImportWriteFailures m_writeFailures;
    int m_failuresSeen = 0;
    // The DataFolder was found by an earlier splitFile call.
    bool m_dataFolderSeen = false;
    // Kind folders already rid of the temporaries of killed imports.
    std::set<std::string> m_cleanedFolders;

    // The line that ends the piece being finished, and that of the piece
    // whose route table threw on the writer thread (-1: none did).
    long m_pieceLine = 0;
    long m_routeFailureLine = -1;
    // The route tables of this splitFile call by path: whether the writer
    // thread parses them; and those it counted.
    std::unordered_map<std::string, bool> m_routeTablesOnWriter;
    std::size_t m_writerRouteTables = 0;
    int m_writerRouteCount = 0;

    // Sets up and ends the writing of one splitFile call.
    class WriteScope;

    bool IsDataFolderThere() const;
    void CheckDataFolder();
    void NoticeNewFailures();
    void RemoveLeftoverTemporaries();
    void TakeTableFailures(const std::vector<FileWriteBatch::Failure>& failures);
    // 0 when the kind folder is there (made inside the DataFolder if
    // missing), else why not (errno).
    int EnsureKindFolder(const std::string& kindFolder);
    // findShowCmd on a line holding lone CRs: the visible text after the
    // last one first, then the line as a whole.
    bool FindShowCmdBehindOverprint(char* line, std::size_t length, char*& device, std::string& command,
                                    int& code);
    void AddReadProblem(const std::string& path, LogReadProblem::Kind kind, long line, int error = 0,
                        std::string detail = {});
    void FinishPiece(int code, const std::string& device, const std::string& command,
                     const std::string& output);
    void InterfacePieceToDevice(const std::string& device, const std::string& output);
    // Whether the route table at path is parsed on the writer thread.
    bool RouteTableOnWriter(const std::string& path);
    // True when the table counts as imported.
    bool SaveRouteTable(const std::string& device, const std::string& output, const std::string& path);
    // The line to report an exception at: that of the piece whose route
    // table failed on the writer thread, else lineNumber.
    long StoppedAt(long lineNumber) const;
};
