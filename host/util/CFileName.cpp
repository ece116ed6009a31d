#include "host/util/CFileName.h"

#include <cstdint>
#include <cstdio>
#include <ctime>
#include <limits>
#include <mutex>

namespace {

constexpr char kFieldSeparator = '$';
constexpr std::int64_t kMsPerDay = 86400000;
// "2024-05-01 13-45-07.123"
constexpr std::size_t kTimeTextLength = 23;

bool NeedsEncoding(unsigned char c)
{
    switch (c) {
    case '/': case '\\': case ':': case '*': case '?': case '"': case '<': case '>': case '|':
    case '$': case '%':
        return true;
    default:
        return c < 0x20 || c == 0x7F;
    }
}

void AppendEscaped(std::string& out, unsigned char c)
{
    static const char hex[] = "0123456789ABCDEF";
    out += '%';
    out += hex[c >> 4];
    out += hex[c & 0x0F];
}

int HexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

// Days since 1970-01-01 of a proleptic Gregorian date, and back (H. Hinnant's
// civil-date algorithms), so the time text can be stepped without a time zone.
std::int64_t DaysFromCivil(std::int64_t y, unsigned m, unsigned d)
{
    y -= m <= 2;
    const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
    const unsigned yoe = static_cast<unsigned>(y - era * 400);
    const unsigned doy = (153 * (m > 2 ? m - 3 : m + 9) + 2) / 5 + d - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + static_cast<std::int64_t>(doe) - 719468;
}

void CivilFromDays(std::int64_t z, std::int64_t& y, unsigned& m, unsigned& d)
{
    z += 719468;
    const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const unsigned doe = static_cast<unsigned>(z - era * 146097);
    const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const unsigned mp = (5 * doy + 2) / 153;
    d = doy - (153 * mp + 2) / 5 + 1;
    m = mp < 10 ? mp + 3 : mp - 9;
    y = static_cast<std::int64_t>(yoe) + era * 400 + (m <= 2);
}

// The local wall-clock time of an instant as milliseconds on a zone-free
// scale: equal wall-clock texts give equal numbers, later texts larger ones.
std::int64_t LocalWallMillis(std::chrono::system_clock::time_point when)
{
    const std::int64_t ms =
        std::chrono::duration_cast<std::chrono::milliseconds>(when.time_since_epoch()).count();
    std::int64_t seconds = ms / 1000;
    std::int64_t fraction = ms % 1000;
    if (fraction < 0) {
        fraction += 1000;
        --seconds;
    }
    const std::time_t t = static_cast<std::time_t>(seconds);
    std::tm local{};
    if (!localtime_r(&t, &local))
        return ms;
    const std::int64_t days = DaysFromCivil(static_cast<std::int64_t>(local.tm_year) + 1900,
                                            static_cast<unsigned>(local.tm_mon + 1),
                                            static_cast<unsigned>(local.tm_mday));
    return days * kMsPerDay + local.tm_hour * 3600000LL + local.tm_min * 60000LL + local.tm_sec * 1000LL +
           fraction;
}

std::string FormatWallMillis(std::int64_t wall)
{
    std::int64_t days = wall / kMsPerDay;
    std::int64_t inDay = wall % kMsPerDay;
    if (inDay < 0) {
        inDay += kMsPerDay;
        --days;
    }
    std::int64_t year = 0;
    unsigned month = 0, day = 0;
    CivilFromDays(days, year, month, day);
    char text[64];
    std::snprintf(text, sizeof text, "%04lld-%02u-%02u %02d-%02d-%02d.%03d", static_cast<long long>(year),
                  month, day, static_cast<int>(inDay / 3600000), static_cast<int>(inDay / 60000 % 60),
                  static_cast<int>(inDay / 1000 % 60), static_cast<int>(inDay % 1000));
    return text;
}

// The last wall-clock instant handed out as "now" in this process: the
// import's worker and the GUI thread may both ask in the same millisecond.
std::mutex g_nowMutex;
std::int64_t g_lastIssued = std::numeric_limits<std::int64_t>::min();

// A "now" that never repeats nor goes back within the process, also not when
// the clock is set back or daylight saving time ends.
std::string UniqueNowText()
{
    std::int64_t wall = LocalWallMillis(std::chrono::system_clock::now());
    {
        std::lock_guard<std::mutex> lock(g_nowMutex);
        if (wall <= g_lastIssued)
            wall = g_lastIssued + 1;
        g_lastIssued = wall;
    }
    return FormatWallMillis(wall);
}

// Reads a time text of FormatWallMillis back; false for any other text.
bool ParseWallMillis(const std::string& text, std::int64_t& wall)
{
    int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0, milli = 0, used = 0;
    if (text.size() != kTimeTextLength ||
        std::sscanf(text.c_str(), "%4d-%2d-%2d %2d-%2d-%2d.%3d%n", &year, &month, &day, &hour, &minute, &second,
                    &milli, &used) != 7 ||
        used != static_cast<int>(kTimeTextLength))
        return false;
    if (month < 1 || month > 12 || day < 1 || day > 31 || hour > 23 || minute > 59 || second > 59)
        return false;
    wall = DaysFromCivil(year, static_cast<unsigned>(month), static_cast<unsigned>(day)) * kMsPerDay +
           hour * 3600000LL + minute * 60000LL + second * 1000LL + milli;
    return FormatWallMillis(wall) == text;
}

std::string BaseName(const std::string& path)
{
    const std::size_t slash = path.find_last_of("/\\");
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// Everything before the last '.', when there is one.
std::string StripExtension(const std::string& text)
{
    const std::size_t dot = text.rfind('.');
    return dot == std::string::npos ? text : text.substr(0, dot);
}

} // namespace

std::string CFileName::ToSysFileName(const std::string& text, int /*flags*/)
{
    std::size_t keepEnd = text.size();
    while (keepEnd > 0 && (text[keepEnd - 1] == '.' || text[keepEnd - 1] == ' '))
        --keepEnd;
    std::string out;
    out.reserve(text.size() + 8);
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (NeedsEncoding(c) || i >= keepEnd)
            AppendEscaped(out, c);
        else
            out += static_cast<char>(c);
    }
    return out;
}

std::string CFileName::FromSysFileName(const std::string& text)
{
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '%' && i + 2 < text.size() && HexValue(text[i + 1]) >= 0 && HexValue(text[i + 2]) >= 0) {
            out += static_cast<char>(HexValue(text[i + 1]) * 16 + HexValue(text[i + 2]));
            i += 2;
        } else {
            out += text[i];
        }
    }
    return out;
}

std::string CFileName::ToShowCommandTime(std::chrono::system_clock::time_point when)
{
    return FormatWallMillis(LocalWallMillis(when));
}

std::string CFileName::ToShowCommandFilter(const std::string& device)
{
    return ToSysFileName(device) + kFieldSeparator;
}

std::string CFileName::ToShowCommandResultFilter(const std::string& device, const std::string& command)
{
    return ToShowCommandFilter(device) + ToSysFileName(command) + kFieldSeparator;
}

std::string CFileName::ToShowCommandResultFileName(const std::string& device, const std::string& command,
                                                   const std::string& time, const std::string& extension)
{
    std::string name = ToShowCommandResultFilter(device, command);
    name += ToSysFileName(time.empty() ? UniqueNowText() : time);
    if (!extension.empty()) {
        name += '.';
        name += extension;
    }
    return name;
}

bool CFileName::FromShowCommandResultFileName(const std::string& name, std::string& device,
                                              std::string& command, std::string& time)
{
    const std::string base = BaseName(name);
    const std::size_t first = base.find(kFieldSeparator);
    const std::size_t last = base.rfind(kFieldSeparator);
    if (first == std::string::npos) {
        device = FromSysFileName(StripExtension(base));
        command.clear();
        time.clear();
        return false;
    }
    device = FromSysFileName(base.substr(0, first));
    if (first == last) {
        command = FromSysFileName(StripExtension(base.substr(first + 1)));
        time.clear();
        return false;
    }
    command = FromSysFileName(base.substr(first + 1, last - first - 1));
    time = FromSysFileName(StripExtension(base.substr(last + 1)));
    return true;
}

std::string CFileName::LaterShowCommandResultFileName(const std::string& name)
{
    const std::size_t slash = name.find_last_of("/\\");
    const std::size_t baseStart = slash == std::string::npos ? 0 : slash + 1;
    const std::size_t last = name.rfind(kFieldSeparator);
    if (last == std::string::npos || last < baseStart)
        return {};
    // The time text has a fixed length; an extension may follow it.
    const std::size_t timeEnd = last + 1 + kTimeTextLength;
    std::int64_t wall = 0;
    if (timeEnd > name.size() || (timeEnd < name.size() && name[timeEnd] != '.') ||
        !ParseWallMillis(name.substr(last + 1, kTimeTextLength), wall))
        return {};
    ++wall;
    {
        // Names made "now" later in this process start after this one.
        std::lock_guard<std::mutex> lock(g_nowMutex);
        if (wall > g_lastIssued)
            g_lastIssued = wall;
    }
    return name.substr(0, last + 1) + FormatWallMillis(wall) + name.substr(timeEnd);
}

bool CFileName::IsShowCommandTime(const std::string& text)
{
    std::int64_t wall = 0;
    return ParseWallMillis(text, wall);
}
