#include "guidataset/dataset/core/DataFolderName.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

using Status = DataFolderNameStatus;
using twtest::TempDir;

namespace {

const char* const kForbidden =
    "The DataFolder's name can't include any of the following characters\n\t \\ / : * ? \" < > |";

} // namespace

constexpr const char* kControl =
    "The DataFolder's name can't include a tab, a line break or any other control character.";

TEST(DataFolderName, RulesApplyInOrderWithTheirMessages)
{
    TempDir dir;
    ASSERT_TRUE(dir.MakeDir("DataFolders/Core"));
    ASSERT_TRUE(dir.MakeDir("DataFolders/new..."));
    const std::string folder = dir / "DataFolders/";

    const struct {
        std::string entered;
        Status status;
        const char* message;
    } cases[] = {
        {"", Status::Empty, "Please input DataFolder name."},
        {" \t \r\n", Status::Empty, "Please input DataFolder name."},
        {"a:b.", Status::ForbiddenCharacter, kForbidden},
        {std::string(33, 'x') + "|", Status::ForbiddenCharacter, kForbidden},
        {"north\tcore", Status::ForbiddenCharacter, kControl},
        {"north\ncore\x7f", Status::ForbiddenCharacter, kControl},
        {std::string(33, 'x'), Status::TooLong, nullptr},
        {std::string(32, 'x') + ".", Status::TooLong, nullptr},
        {"New...", Status::Invalid, "The DataFolder name is invalid."},
        {"MORE...", Status::Invalid, "The DataFolder name is invalid."},
        {"oPeN...", Status::Invalid, "The DataFolder name is invalid."},
        {"K-Map.", Status::Invalid, "The DataFolder name is invalid."},
        {"audit.", Status::Invalid, "The DataFolder name is invalid."},
        {"core", Status::Exists, "The DataFolder already exists."},
        {"  CORE ", Status::Exists, "The DataFolder already exists."},
    };
    for (const auto& c : cases) {
        const DataFolderNameCheck check = CheckDataFolderName(c.entered, folder);
        EXPECT_EQ(check.status, c.status) << '"' << c.entered << '"';
        EXPECT_FALSE(check.Ok());
        if (c.message)
            EXPECT_EQ(check.message, c.message) << '"' << c.entered << '"';
        else
            EXPECT_FALSE(check.message.empty());
    }
    for (char c : std::string("\\/:*?\"<>|")) {
        const DataFolderNameCheck check = CheckDataFolderName(std::string("core") + c + "r1", folder);
        EXPECT_EQ(check.status, Status::ForbiddenCharacter) << c;
        EXPECT_EQ(check.message, kForbidden);
    }
}

TEST(DataFolderName, OrdinaryNamesAreAcceptedTrimmed)
{
    TempDir dir;
    ASSERT_TRUE(dir.MakeDir("DataFolders/Core"));
    const std::string folder = dir / "DataFolders";
    const std::string accepted[] = {
        "Core2",
        "2024-03-05 after change",
        std::string(32, 'x'),
        "Zürich Kern-Übergang Ärger ÖÖÖÖÖ",   // 32 characters, more bytes
        "k-map",
        "...more",
        "new... lab",
    };
    for (const std::string& name : accepted) {
        const DataFolderNameCheck check = CheckDataFolderName(name, folder);
        EXPECT_TRUE(check.Ok()) << name << ": " << check.message;
        EXPECT_EQ(check.name, name);
        EXPECT_TRUE(check.message.empty());
    }
    const DataFolderNameCheck trimmed = CheckDataFolderName("\t  lab run 1  ", folder);
    EXPECT_TRUE(trimmed.Ok());
    EXPECT_EQ(trimmed.name, "lab run 1");

    // A folder that is not there yet has no DataFolders to clash with.
    EXPECT_TRUE(CheckDataFolderName("Core", dir / "missing/").Ok());
}
