#pragma once
// The captured session log of the import benchmark: pieces of route tables,
// ARP tables and "show version" in turn, over numbered devices, each behind
// the prompt line it was typed at. Shared with the test that checks the
// import against a plain one-thread pass on the same capture.
#include <cstdio>
#include <string>

namespace benchcapture {

inline std::string DeviceName(int i) { return "edge-r" + std::to_string(i + 1); }

// Piece n (of devices devices), about bytes long, appended to text.
inline void AppendPiece(std::string& text, int n, int devices, std::size_t bytes)
{
    const char* commands[] = {"show ip route", "show arp", "show version"};
    const int kind = n % 3;
    text += DeviceName(n % devices) + "#" + commands[kind] + "\n";
    const std::size_t end = text.size() + bytes;
    char line[160];
    for (int i = 0; text.size() < end; ++i) {
        const int a = (n + i) % 250 + 1;
        const int b = i % 250 + 1;
        int length = 0;
        if (kind == 0)
            length = std::snprintf(line, sizeof line,
                                   "O IA     10.%d.%d.0/24 [110/%d] via 10.0.%d.2, 01:02:03, GigabitEthernet0/%d\n", a,
                                   b, i % 60 + 2, a, i % 4);
        else if (kind == 1)
            length = std::snprintf(line, sizeof line,
                                   "Internet  10.%d.%d.%d  %12d   5254.00%02x.%04x  ARPA   GigabitEthernet0/%d\n", a, b,
                                   i % 250 + 1, i % 200, a % 256, i % 65536, i % 4);
        else
            length = std::snprintf(line, sizeof line,
                                   " Cisco IOS Software, line %d of the running image, build %d\n", i, n);
        text.append(line, static_cast<std::size_t>(length));
    }
}

// Devices.ini of a project that knows every device of the capture.
inline std::string DevicesIni(int devices)
{
    std::string ini;
    for (int i = 0; i < devices; ++i)
        ini += "[" + DeviceName(i) + "]\nType=router\nSubType=ios\n";
    return ini;
}

} // namespace benchcapture
