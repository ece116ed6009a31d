#include "host/util/StlHelper.h"

int StlHelper::replaceString(std::string& text, const std::string& from, const std::string& to)
{
    if (from.empty())
        return 0;
    int count = 0;
    std::string out;
    std::size_t start = 0;
    for (std::size_t hit = text.find(from); hit != std::string::npos; hit = text.find(from, start)) {
        out.append(text, start, hit - start);
        out += to;
        start = hit + from.size();
        ++count;
    }
    if (count > 0) {
        out.append(text, start, std::string::npos);
        text.swap(out);
    }
    return count;
}
