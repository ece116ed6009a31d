#pragma once
// How many rows of one table of a kind were added, removed and changed in
// another, matched on the kind's keys (a route by VRF, network and length, an
// ARP entry by address, ...); columns that change on every capture (uptime,
// age) do not count.
#include <cstddef>
#include <string>

class CTableChangeCounter {
public:
    struct Counts {
        std::size_t added = 0;
        std::size_t removed = 0;
        std::size_t changed = 0;
        bool Any() const { return added + removed + changed != 0; }
    };
    // The two tables' file paths and their texts, already read. False, with
    // the reason in error, when they cannot be compared as tables.
    static bool Count(const std::string& firstPath, const std::string& firstText, const std::string& secondPath,
                      const std::string& secondText, Counts& counts, std::string& error);
};
