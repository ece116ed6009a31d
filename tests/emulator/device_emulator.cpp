// A network device's CLI for the live-access tests: run as the forced command
// of a test SSH server, it answers the show commands of the sample project's
// devices with the outputs of their captured session logs, pages with
// "--More--" until paging is switched off, and misbehaves on request.
//
// device_emulator --map FILE --log LOG... --config DIR
// The map names, for each server port, the device that answers there:
//   <port> <device> <IOS|IOS-XE|NX-OS|CatOS> <modes> [<source device>]
// modes (comma separated): normal, slow, hang, drop, error, escapes,
// sticky-paging (paging stays on),
// delay=<ms> (before each answer). The source device's outputs are used
// when the device is not in the logs itself; "*" uses any device's.
#include <termios.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

namespace {

struct Device {
    std::string name;
    std::string platform = "IOS";
    std::string source;
    bool slow = false, hang = false, drop = false, error = false, escapes = false, stickyPaging = false;
    int delayMs = 0;
};

using Outputs = std::map<std::string, std::map<std::string, std::vector<std::string>>>;

void Put(const std::string& text)
{
    std::size_t done = 0;
    while (done < text.size()) {
        const ssize_t n = ::write(1, text.data() + done, text.size() - done);
        if (n <= 0)
            std::exit(0);
        done += static_cast<std::size_t>(n);
    }
}

bool IsHostChar(char c)
{
    return std::isalnum(static_cast<unsigned char>(c)) || c == '-' || c == '_' || c == '.';
}

// "core-r1#show arp", "nx-core1# show ip route", "cat-sw> (enable) show cam dynamic".
bool CommandLine(const std::string& line, std::string& host, std::string& command)
{
    std::size_t i = 0;
    while (i < line.size() && IsHostChar(line[i]))
        ++i;
    if (i == 0 || i >= line.size())
        return false;
    host = line.substr(0, i);
    std::string rest = line.substr(i);
    if (rest.rfind("> (enable)", 0) == 0)
        rest = rest.substr(10);
    else if (rest[0] == '#' || rest[0] == '>')
        rest = rest.substr(1);
    else
        return false;
    while (!rest.empty() && rest[0] == ' ')
        rest.erase(0, 1);
    while (!rest.empty() && (rest.back() == '\r' || rest.back() == ' '))
        rest.pop_back();
    if (rest.rfind("show ", 0) != 0)
        return false;
    command = rest;
    return true;
}

void ReadLog(const std::string& path, Outputs& outputs)
{
    std::ifstream in(path);
    std::string line, host, command;
    std::vector<std::string>* current = nullptr;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        std::string h, c;
        if (CommandLine(line, h, c)) {
            current = &outputs[h][c];
            current->clear();
            continue;
        }
        // Any other prompt line ends the output before it.
        std::size_t i = 0;
        while (i < line.size() && IsHostChar(line[i]))
            ++i;
        if (i > 0 && i < line.size() && (line[i] == '#' || line[i] == '>' || line[i] == '('))
            current = nullptr;
        if (current)
            current->push_back(line);
    }
}

class Cli {
public:
    Cli(Device device, Outputs outputs, std::string configDir)
        : m_device(std::move(device)), m_outputs(std::move(outputs)), m_configDir(std::move(configDir))
    {
        m_privileged = m_device.platform == "NX-OS";
    }

    std::string Prompt() const
    {
        if (m_device.platform == "CatOS")
            return m_device.name + (m_privileged ? "> (enable) " : "> ");
        if (m_device.platform == "NX-OS")
            return m_device.name + "# ";
        return m_device.name + (m_privileged ? "#" : ">");
    }

    // Answers one command line; false ends the session.
    bool Answer(const std::string& command, bool interactive)
    {
        if (command.empty())
            return true;
        if (m_device.delayMs > 0)
            std::this_thread::sleep_for(std::chrono::milliseconds(m_device.delayMs));
        if (m_device.slow)
            std::this_thread::sleep_for(std::chrono::milliseconds(700));
        if (command == "exit" || command == "logout" || command == "quit")
            return false;
        if (command == "enable") {
            m_privileged = true;
            return true;
        }
        if (command == "terminal length 0" || command == "set length 0") {
            m_paging = m_device.stickyPaging;
            return true;
        }
        std::vector<std::string> lines;
        if (!Lookup(command, lines)) {
            Reject(command);
            return true;
        }
        Print(lines, interactive);
        return true;
    }

private:
    bool Lookup(const std::string& command, std::vector<std::string>& lines)
    {
        if (m_device.error)
            return false;
        if (command == "show running-config" || command == "show config") {
            if ((command == "show config") != (m_device.platform == "CatOS"))
                return false;
            std::ifstream in(m_configDir + "/" + m_device.source + ".config");
            if (!in)
                in.open(m_configDir + "/core-r1.config");
            std::string line;
            lines.push_back("Building configuration...");
            while (std::getline(in, line)) {
                if (!line.empty() && line.back() == '\r')
                    line.pop_back();
                lines.push_back(line);
            }
            return true;
        }
        // Its own outputs first, then its source's; "*" as the source answers
        // from any device of the logs.
        std::vector<std::string> hosts{m_device.name, m_device.source};
        if (m_device.source == "*")
            for (const auto& [host, commands] : m_outputs)
                hosts.push_back(host);
        for (const std::string& host : hosts) {
            const auto device = m_outputs.find(host);
            if (device == m_outputs.end())
                continue;
            for (const auto& [known, output] : device->second) {
                // A command the captured device refused is taken from another one.
                const bool refused = !output.empty() && output.size() < 4 && host != m_device.name &&
                                     std::any_of(output.begin(), output.end(), [](const std::string& line) {
                                         return line.rfind("% Invalid", 0) == 0;
                                     });
                if (SameCommand(command, known) && !refused) {
                    lines = output;
                    return true;
                }
            }
        }
        return false;
    }

    // As a Cisco CLI reads words: "show interface" is "show interfaces",
    // "show cdp neighbors detail" is "show cdp neighbor detail".
    static bool SameCommand(const std::string& typed, const std::string& known)
    {
        std::istringstream a(typed), b(known);
        std::string x, y;
        for (;;) {
            const bool moreA = static_cast<bool>(a >> x);
            const bool moreB = static_cast<bool>(b >> y);
            if (!moreA || !moreB)
                return moreA == moreB;
            if (x.rfind(y, 0) != 0 && y.rfind(x, 0) != 0)
                return false;
        }
    }

    void Reject(const std::string& command)
    {
        if (m_device.platform == "CatOS") {
            Put("Unknown command \"" + command + "\". Use 'help' for more info.\n");
        } else if (m_device.platform == "NX-OS") {
            Put("                         ^\n% Invalid command at '^' marker.\n");
        } else {
            Put(std::string(Prompt().size() + 5, ' ') + "^\n% Invalid input detected at '^' marker.\n\n");
        }
    }

    void Print(const std::vector<std::string>& lines, bool interactive)
    {
        const std::size_t stopAt = m_device.drop ? lines.size() / 2 : lines.size();
        int onPage = 0;
        for (std::size_t i = 0; i < lines.size(); ++i) {
            if (i == stopAt && m_device.drop)
                std::exit(0);
            std::string line = lines[i];
            if (m_device.escapes && i % 3 == 0)
                line = "\x1b[1m" + line + std::string("\0", 1) + "\x1b[0m\x1b[K";
            Put(line + "\n");
            if (m_paging && interactive && ++onPage == 20 && i + 1 < lines.size()) {
                Put(" --More-- ");
                char key = 0;
                if (::read(0, &key, 1) != 1)
                    std::exit(0);
                Put("\b\b\b\b\b\b\b\b\b\b          \b\b\b\b\b\b\b\b\b\b");
                if (key == 'q')
                    return;
                onPage = 0;
            }
        }
        if (lines.size() == 1 && m_device.drop)
            std::exit(0);
    }

    Device m_device;
    Outputs m_outputs;
    std::string m_configDir;
    bool m_privileged = false;
    bool m_paging = true;
};

bool ReadMap(const std::string& path, int port, Device& device)
{
    std::ifstream in(path);
    std::string line;
    while (std::getline(in, line)) {
        std::istringstream fields(line);
        int mapPort = 0;
        std::string modes;
        if (!(fields >> mapPort >> device.name >> device.platform >> modes) || mapPort != port)
            continue;
        if (!(fields >> device.source))
            device.source = device.name;
        std::istringstream list(modes);
        std::string mode;
        while (std::getline(list, mode, ',')) {
            device.slow |= mode == "slow";
            device.hang |= mode == "hang";
            device.drop |= mode == "drop";
            device.error |= mode == "error";
            device.escapes |= mode == "escapes";
            device.stickyPaging |= mode == "sticky-paging";
            if (mode.rfind("delay=", 0) == 0)
                device.delayMs = std::atoi(mode.c_str() + 6);
        }
        return true;
    }
    return false;
}

int ServerPort()
{
    const char* connection = std::getenv("SSH_CONNECTION");
    if (!connection)
        return 0;
    std::istringstream fields(connection);
    std::string clientAddress, clientPort, serverAddress;
    int port = 0;
    fields >> clientAddress >> clientPort >> serverAddress >> port;
    return port;
}

} // namespace

int main(int argc, char** argv)
{
    std::string mapFile, configDir;
    std::vector<std::string> logs;
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string option = argv[i];
        if (option == "--map")
            mapFile = argv[i + 1];
        else if (option == "--config")
            configDir = argv[i + 1];
        else if (option == "--log")
            logs.push_back(argv[i + 1]);
    }
    Device device;
    if (!ReadMap(mapFile, ServerPort(), device)) {
        std::fprintf(stderr, "no emulated device on this port\n");
        return 2;
    }
    Outputs outputs;
    for (const std::string& log : logs)
        ReadLog(log, outputs);
    Cli cli(device, outputs, configDir);

    // "ssh host command", as the engineer's shell loop runs it: one answer, no prompt.
    if (const char* original = std::getenv("SSH_ORIGINAL_COMMAND")) {
        if (*original) {
            cli.Answer("terminal length 0", false);
            cli.Answer(original, false);
            return 0;
        }
    }

    termios mode {};
    if (::tcgetattr(0, &mode) == 0) {
        // Keys arrive one by one and are echoed by the CLI itself, as on a device.
        mode.c_lflag &= ~static_cast<tcflag_t>(ICANON | ECHO);
        mode.c_cc[VMIN] = 1;
        mode.c_cc[VTIME] = 0;
        ::tcsetattr(0, TCSANOW, &mode);
    }
    Put("\nUser Access Verification\n\n");
    if (device.hang) {
        char sink[256];
        while (::read(0, sink, sizeof sink) > 0) {
        }
        return 0;
    }
    Put(cli.Prompt());
    std::string typed;
    char key = 0;
    bool lastWasCr = false;
    while (::read(0, &key, 1) == 1) {
        if (key == '\n' && lastWasCr) {
            lastWasCr = false;
            continue;
        }
        lastWasCr = key == '\r';
        if (key == '\r' || key == '\n') {
            Put("\n");
            if (!cli.Answer(typed, true))
                return 0;
            typed.clear();
            Put(cli.Prompt());
        } else if (key == 0x7f || key == '\b') {
            if (!typed.empty()) {
                typed.pop_back();
                Put("\b \b");
            }
        } else {
            typed += key;
            Put(std::string(1, key));
        }
    }
    return 0;
}
