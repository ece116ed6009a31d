#pragma once
// "twdata parse" and "twdata compare-tables": the commands that only read
// files and print a table. They need no project, so twdata runs them in its
// own small process (RunAlone); the whole command line offers them as well.
#include <iosfwd>
#include <string>

namespace CLI {
class App;
}

namespace twdata {

class TableCommandsCli {
public:
    TableCommandsCli(std::ostream& out, std::ostream& err);

    // Whether argv's first word is one of these commands.
    static bool IsTableCommand(int argc, char** argv);
    // Parses argv (a table command) and runs it; the exit status.
    int RunAlone(int argc, char** argv);

    // Adds both commands to a command line; after it parsed, Parsed says
    // whether it named one of them and Run runs that one.
    void AddTo(CLI::App& app);
    bool Parsed() const;
    int Run();

private:
    std::ostream& m_out;
    std::ostream& m_err;
    CLI::App* m_parse = nullptr;
    CLI::App* m_compare = nullptr;
    std::string m_kind;
    std::string m_first;
    std::string m_second;
    bool m_includeIgnored = false;
};

} // namespace twdata
