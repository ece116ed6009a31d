#pragma once
// Compares two parsed table files of one kind row by row on their natural
// keys (see CTableKeys): a route by VRF, network and prefix length with its
// set of next hops, an ARP entry by address, a MAC entry by VLAN and address,
// a CDP neighbour by local interface and neighbour, an interface by name.
// No Qt: used by the comparison window, the DataFolder change report and
// twdata alike.
#include "host/netutil/KeyedTableDiff.h"

#include <string>
#include <vector>

class CKeyedTableCompare {
public:
    struct Options {
        // Also report the columns that change on every capture (uptime, age).
        bool includeIgnored = false;
    };

    // The kind comes from the extension of a known table file, else from the
    // header. Refused (ok false, error set) when a file cannot be read, is
    // empty or binary, the two are of different kinds, or a header is not its
    // kind's.
    static KeyedTableDiff CompareFiles(const std::string& firstPath, const std::string& secondPath,
                                       const Options& options);
    static KeyedTableDiff CompareFiles(const std::string& firstPath, const std::string& secondPath)
    {
        return CompareFiles(firstPath, secondPath, Options());
    }
    // The same on table texts already in memory; the names (file paths or
    // what the user knows them by) are used for the kind and in messages.
    static KeyedTableDiff CompareText(const std::string& firstName, const std::string& firstText,
                                      const std::string& secondName, const std::string& secondText,
                                      const Options& options);

    // "added", "removed", "changed"
    static const char* KindName(KeyedChangeKind kind);
    // A change in one line of text: the changed columns of a changed key as
    // "nexthops: 10.0.0.2 -> 10.0.0.6; metric: 20 -> 30", the other columns
    // of an added or removed one as "protocol=O; distance=110" (empty values
    // left out).
    static std::string Summary(const KeyedRowChange& change);
    // A key as engineers write it: "10.1.0.0/16", "10.1.0.0/16 in VRF red",
    // else its non-empty cells joined by blanks ("Gi0/1 sw2").
    static std::string KeyText(KeyedTableKind kind, const std::vector<std::string>& key);
    // One sentence on a duplicate key; table names the table in it, as the
    // reader knows it ("'core-r1.ort'", "the second table").
    static std::string DuplicateText(KeyedTableKind kind, const KeyedDuplicate& duplicate, const std::string& table);
};
