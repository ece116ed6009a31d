#pragma once
// The rules a DataFolder name entered by a user must obey; the New dialog,
// the rename in the panel and the command line all ask this one check.
#include <cstddef>
#include <string>

inline constexpr std::size_t kMaxDataFolderNameLength = 32;

enum class DataFolderNameStatus {
    Ok,
    Empty,
    ForbiddenCharacter,
    TooLong,
    Invalid,
    Exists,
};

struct DataFolderNameCheck {
    DataFolderNameStatus status = DataFolderNameStatus::Ok;
    std::string name;      // the entered name without leading and trailing white space
    std::string message;   // what the user is told; empty when the name is accepted

    bool Ok() const { return status == DataFolderNameStatus::Ok; }
};

// Checks, in this order: empty after trimming, forbidden characters, control
// characters (tab, line breaks...), more than
// 32 characters, reserved names and a trailing '.', and an entry of that name
// (ignoring case) already in dataSetsFolder. An empty dataSetsFolder skips the
// last check.
DataFolderNameCheck CheckDataFolderName(const std::string& entered,
                                        const std::string& dataSetsFolder);

// The forbidden-character message for a thing called what ("DataFolder").
std::string ForbiddenCharactersMessage(const std::string& what);
