// Comparing real-looking configurations: which rows the user sees side by
// side, what is marked inside them, and how the change blocks are counted.
#include "apps/tarnwickdiff/core/DiffDocument.h"
#include "apps/tarnwickdiff/core/LinePairing.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <random>

using namespace tarnwickdiff;

namespace {

// A switch configuration of n interfaces.
std::string Config(int interfaces, const std::string& eol = "\n")
{
    std::string text = "hostname dist-sw1" + eol + "!" + eol;
    for (int i = 1; i <= interfaces; ++i) {
        text += "interface GigabitEthernet0/" + std::to_string(i) + eol;
        text += " description access port " + std::to_string(i) + eol;
        text += " switchport access vlan 10" + eol + "!" + eol;
    }
    return text + "end" + eol;
}

std::string Replace(std::string text, const std::string& from, const std::string& to)
{
    const auto at = text.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    return at == std::string::npos ? text : text.replace(at, from.size(), to);
}

std::vector<DiffRow> Rows(const CDiffDocument& document)
{
    std::vector<DiffRow> rows;
    for (std::size_t i = 0; i < document.Layout().RowCount(); ++i)
        rows.push_back(document.Layout().Row(i));
    return rows;
}

// The document for two texts held in files of a temporary folder.
class Compared {
public:
    Compared(const std::string& left, const std::string& right, bool ignoreWhitespace = false)
    {
        m_dir.WriteFile("left.cfg", left);
        m_dir.WriteFile("right.cfg", right);
        std::string message;
        EXPECT_TRUE(m_document.Load(m_dir / "left.cfg", m_dir / "right.cfg", message)) << message;
        m_document.Compare(ignoreWhitespace);
    }
    const CDiffDocument& operator*() const { return m_document; }
    const CDiffDocument* operator->() const { return &m_document; }

    // The rows that differ, as "kind left|right" with the sides' texts.
    std::vector<std::string> ChangedRows() const
    {
        std::vector<std::string> out;
        for (const DiffRow& row : Rows(m_document)) {
            if (row.kind == RowKind::Equal)
                continue;
            const char* kind = row.kind == RowKind::Changed ? "changed " : row.kind == RowKind::Added ? "added " : "removed ";
            out.push_back(kind + (row.left < 0 ? std::string("-") : std::string(m_document.Left().Line(row.left))) +
                          "|" + (row.right < 0 ? std::string("-") : std::string(m_document.Right().Line(row.right))));
        }
        return out;
    }

private:
    twtest::TempDir m_dir;
    CDiffDocument m_document;
};

// The marked parts of a line.
std::vector<std::string> Marked(std::string_view line, const std::vector<ByteRange>& ranges)
{
    std::vector<std::string> out;
    for (const ByteRange& r : ranges)
        out.emplace_back(line.substr(r.begin, r.end - r.begin));
    return out;
}

using Strings = std::vector<std::string>;

} // namespace

TEST(SideBySide, ChangedInterfaceDescriptionIsOneChangedRowWithTheWordMarked)
{
    const std::string left = Config(8);
    const Compared diff(left, Replace(left, " description access port 5", " description uplink to core-r2"));
    EXPECT_EQ(diff.ChangedRows(), (Strings{"changed  description access port 5| description uplink to core-r2"}));
    ASSERT_EQ(diff->Layout().Blocks().size(), 1u);
    const ChangeBlock& block = diff->Layout().Blocks()[0];
    EXPECT_EQ(block.rowCount, 1u);
    const DiffRow row = diff->Layout().Row(block.firstRow);
    EXPECT_EQ(row.left, row.right);   // same line number on both sides
    const InlineChanges& words = diff->InlineAt(block.firstRow);
    EXPECT_EQ(Marked(diff->Left().Line(row.left), words.left), (Strings{"access port 5"}));
    EXPECT_EQ(Marked(diff->Right().Line(row.right), words.right), (Strings{"uplink to core-r2"}));
    EXPECT_TRUE(diff->InlineAt(0).left.empty());   // equal rows mark nothing
    EXPECT_EQ(diff->IdenticalText(), "");
}

TEST(SideBySide, AddedAclLineFacesAFillerAndLaterLinesStayAligned)
{
    const std::string left = "ip access-list extended MGMT\n permit tcp 10.0.0.0 0.0.0.255 any eq 22\n"
                             " deny ip any any log\n!\nline vty 0 4\n access-class MGMT in\n";
    const std::string right = Replace(left, " deny ip", " permit udp host 10.0.0.5 any eq snmp\n deny ip");
    const Compared diff(left, right);
    EXPECT_EQ(diff.ChangedRows(), (Strings{"added -| permit udp host 10.0.0.5 any eq snmp"}));
    const auto rows = Rows(*diff);
    ASSERT_EQ(rows.size(), 7u);
    EXPECT_EQ(rows[2].left, -1);
    EXPECT_EQ(rows[2].right, 2);
    EXPECT_EQ(rows[3].left, 2);    // " deny ip any any log" beside itself
    EXPECT_EQ(rows[3].right, 3);
    EXPECT_EQ(rows[6].left, 5);
    EXPECT_EQ(rows[6].right, 6);
}

TEST(SideBySide, EditedLineStandsBesideItsOldSelfWhenTheBlockAlsoGainsALine)
{
    const std::string left = "interface Vlan10\n description users\n ip address 10.1.10.1 255.255.255.0\n!\n";
    const std::string right = "interface Vlan10\n ip helper-address 10.9.9.9\n description users floor 2\n"
                              " ip address 10.1.10.2 255.255.255.0\n!\n";
    const Compared diff(left, right);
    EXPECT_EQ(diff.ChangedRows(), (Strings{"added -| ip helper-address 10.9.9.9",
                                           "changed  description users| description users floor 2",
                                           "changed  ip address 10.1.10.1 255.255.255.0| ip address 10.1.10.2 255.255.255.0"}));
    EXPECT_EQ(diff->Layout().Blocks().size(), 1u);
    const std::size_t address = diff->Layout().Blocks()[0].firstRow + 2;
    const InlineChanges& words = diff->InlineAt(address);
    EXPECT_EQ(Marked(diff->Left().Line(2), words.left), (Strings{"1"}));
    EXPECT_EQ(Marked(diff->Right().Line(3), words.right), (Strings{"2"}));
}

TEST(SideBySide, ChangesAtTheVeryStartAndEndAndRemovedLines)
{
    const Compared diff("a\nb\nc\nd\n", "new first\na\nc\nd\nnew last\n");
    EXPECT_EQ(diff.ChangedRows(), (Strings{"added -|new first", "removed b|-", "added -|new last"}));
    EXPECT_EQ(diff->Layout().Blocks().size(), 3u);
    EXPECT_EQ(diff->Layout().BlockAt(0), 0);
    EXPECT_EQ(diff->Layout().BlockAt(1), -1);
    EXPECT_EQ(diff->Layout().BlockAt(2), 1);
    EXPECT_EQ(diff->Layout().BlockFrom(3), 2);
    EXPECT_EQ(diff->Layout().BlockFrom(6), -1);

    const Compared empty("", "only right\n");
    EXPECT_EQ(empty.ChangedRows(), (Strings{"added -|only right"}));
}

TEST(SideBySide, CrLfAgainstLfOfTheSameTextIsIdentical)
{
    const Compared diff(Config(3, "\r\n"), Config(3, "\n"));
    EXPECT_TRUE(diff->Layout().Blocks().empty());
    EXPECT_EQ(diff->IdenticalText(), "The files are identical. Only their line ends differ (CR LF and LF).");

    const Compared same(Config(3), Config(3));
    EXPECT_EQ(same->IdenticalText(), "The files are identical.");
    EXPECT_EQ(same->Layout().RowCount(), same->Left().LineCount());
}

TEST(SideBySide, IgnoringWhiteSpaceHidesReindentedLinesButNotRealChanges)
{
    const std::string left = "interface Gi0/1\n description to core\n shutdown\n";
    const std::string reindented = "interface  Gi0/1\n\tdescription to  core \n shutdown\n";
    EXPECT_EQ(Compared(left, reindented).ChangedRows().size(), 2u);

    const Compared ignored(left, reindented, true);
    EXPECT_TRUE(ignored->Layout().Blocks().empty());
    EXPECT_EQ(ignored->IdenticalText(), "The files are identical apart from white space.");

    const Compared real(left, Replace(reindented, " shutdown", " no shutdown"), true);
    EXPECT_EQ(real.ChangedRows(), (Strings{"changed  shutdown| no shutdown"}));
    const InlineChanges& words = real->InlineAt(real->Layout().Blocks()[0].firstRow);
    EXPECT_TRUE(words.left.empty());
    EXPECT_EQ(Marked(real->Right().Line(2), words.right), (Strings{"no"}));
}

TEST(SideBySide, EveryLineOfBothFilesAppearsOnceInOrderWhateverTheEdits)
{
    const std::string base = Config(60);
    std::mt19937 random(7);
    for (int round = 0; round < 20; ++round) {
        std::vector<std::string> lines;
        for (std::size_t start = 0, end; (end = base.find('\n', start)) != std::string::npos; start = end + 1)
            lines.push_back(base.substr(start, end - start));
        for (int edit = 0; edit < 15; ++edit) {
            const std::size_t at = random() % lines.size();
            switch (random() % 3) {
            case 0: lines.erase(lines.begin() + at); break;
            case 1: lines.insert(lines.begin() + at, " ip address 10.0." + std::to_string(edit) + ".1"); break;
            default: lines[at] += " changed";
            }
        }
        std::string edited;
        for (const std::string& line : lines)
            edited += line + "\n";
        const Compared diff(base, edited);
        std::int32_t nextLeft = 0, nextRight = 0;
        for (const DiffRow& row : Rows(*diff)) {
            if (row.left >= 0) {
                ASSERT_EQ(row.left, nextLeft++) << "round " << round;
            }
            if (row.right >= 0) {
                ASSERT_EQ(row.right, nextRight++) << "round " << round;
            }
            if (row.kind == RowKind::Equal) {
                ASSERT_EQ(diff->Left().Line(row.left), diff->Right().Line(row.right));
            }
            ASSERT_EQ(row.left < 0, row.kind == RowKind::Added);
            ASSERT_EQ(row.right < 0, row.kind == RowKind::Removed);
        }
        EXPECT_EQ(nextLeft, static_cast<std::int32_t>(diff->Left().LineCount()));
        EXPECT_EQ(nextRight, static_cast<std::int32_t>(lines.size()));
    }
}

TEST(LinePairing, AlikeLinesArePairedAcrossInsertionsAndLargeBlocksInOrder)
{
    EXPECT_DOUBLE_EQ(CLinePairing::Similarity(" shutdown", "shutdown  "), 1.0);
    EXPECT_DOUBLE_EQ(CLinePairing::Similarity("", " "), 1.0);
    EXPECT_DOUBLE_EQ(CLinePairing::Similarity("", "x"), 0.0);
    EXPECT_GT(CLinePairing::Similarity("permit tcp any host 10.1.1.1 eq 22", "permit udp any host 10.1.1.2 eq 22"),
              CLinePairing::kAlike);

    const auto rows = CLinePairing::Align({"vlan 20", "name users"}, {"spanning-tree portfast", "vlan 21", "name staff"});
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[0].left, -1);
    EXPECT_EQ(rows[0].right, 0);
    EXPECT_EQ(rows[1].left, 0);
    EXPECT_EQ(rows[1].right, 1);

    // Beyond the search limit, lines simply stand in order.
    std::vector<std::string_view> many(600, "x"), other(600, "y");
    const auto big = CLinePairing::Align(many, {other.begin(), other.begin() + 500});
    ASSERT_EQ(big.size(), 600u);
    EXPECT_EQ(big[499].left, 499);
    EXPECT_EQ(big[499].right, 499);
    EXPECT_EQ(big[500].right, -1);
}

TEST(InlineDiff, MarksWholeWordsAndNeverCutsACharacter)
{
    const InlineChanges log = CInlineDiff::Compare("deny ip any any", "deny ip any any log", false);
    EXPECT_TRUE(log.left.empty());
    EXPECT_EQ(Marked("deny ip any any log", log.right), (Strings{" log"}));

    const std::string cafe = "description Caf\xC3\xA9 1", cafe2 = "description Caf\xC3\xA8 1";
    const InlineChanges accent = CInlineDiff::Compare(cafe, cafe2, false);
    EXPECT_EQ(Marked(cafe, accent.left), (Strings{"Caf\xC3\xA9"}));
    EXPECT_EQ(Marked(cafe2, accent.right), (Strings{"Caf\xC3\xA8"}));

    const InlineChanges spaces = CInlineDiff::Compare("a  b", "a b", false);
    EXPECT_EQ(Marked("a  b", spaces.left), (Strings{"  "}));
    const InlineChanges ignored = CInlineDiff::Compare("a  b", "a b", true);
    EXPECT_TRUE(ignored.left.empty() && ignored.right.empty());

    const InlineChanges two = CInlineDiff::Compare("vlan 10 name users", "vlan 20 name staff", false);
    EXPECT_EQ(Marked("vlan 10 name users", two.left), (Strings{"10", "users"}));
}
