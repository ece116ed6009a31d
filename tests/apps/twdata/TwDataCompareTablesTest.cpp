// "twdata compare-tables" run as a script runs it: what it prints and its
// exit status, which scripts test as they test diff's.
#include "TwdataRun.h"
#include "support/ScriptedPrompter.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

namespace {

const std::string kHeader = "protocol\tvrf\tnetwork\tprefix_length\tdistance\tmetric\tnexthop_ip\tnexthop_if\tuptime\r\n";

QStringList Args(std::initializer_list<std::string> words)
{
    QStringList args{"compare-tables"};
    for (const std::string& word : words)
        args << QString::fromStdString(word);
    return args;
}

} // namespace

TEST(TwdataCompareTables, PrintsTheChangedKeysAndExitsLikeDiff)
{
    twtest::TempDir tmp;
    ASSERT_TRUE(tmp.WriteFile("a.ort", kHeader + "O\t\t10.1.0.0\t16\t110\t20\t10.0.0.2\tGi0/0\t3d02h\r\n"
                                                 "O\t\t10.1.0.0\t16\t110\t20\t10.0.0.6\tGi0/1\t3d02h\r\n"
                                                 "S\tmgmt\t0.0.0.0\t0\t1\t0\t192.0.2.1\t\t\r\n"));
    ASSERT_TRUE(tmp.WriteFile("b.ort", kHeader + "O\t\t10.1.0.0\t16\t110\t20\t10.0.0.2\tGi0/0\t00:00:09\r\n"
                                                 "C\t\t10.2.0.0\t24\t0\t0\t\tGi0/2\t\r\n"));
    twtest::TwdataOutcome run = twtest::RunTwdata(Args({tmp / "a.ort", tmp / "b.ort"}));
    EXPECT_EQ(run.status, 1) << run.err;
    EXPECT_TRUE(twtest::SameText("change\tvrf\tnetwork\tprefix_length\tcolumn\told\tnew\r\n"
                                 "changed\t\t10.1.0.0\t16\tnexthops\t10.0.0.2 Gi0/0, 10.0.0.6 Gi0/1\t10.0.0.2 Gi0/0\r\n"
                                 "added\t\t10.2.0.0\t24\t\t\tprotocol=C; distance=0; metric=0; nexthops=Gi0/2\r\n"
                                 "removed\tmgmt\t0.0.0.0\t0\t\tprotocol=S; distance=1; metric=0; "
                                 "nexthops=192.0.2.1\t\r\n",
                                 run.out));
    EXPECT_EQ(run.err, "");

    // The uptime only when asked for.
    run = twtest::RunTwdata(Args({tmp / "a.ort", tmp / "b.ort", "--include-ignored"}));
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.out.find("changed\t\t10.1.0.0\t16\tuptime\t3d02h\t00:00:09\r\n"), std::string::npos) << run.out;

    run = twtest::RunTwdata(Args({tmp / "b.ort", tmp / "b.ort"}));
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "change\tvrf\tnetwork\tprefix_length\tcolumn\told\tnew\r\n");
}

TEST(TwdataCompareTables, TroubleExitsWithTwoAndSaysWhy)
{
    twtest::TempDir tmp;
    ASSERT_TRUE(tmp.WriteFile("a.ort", kHeader + "S\t\t0.0.0.0\t0\t1\t0\t192.0.2.1\t\t\r\n"));
    ASSERT_TRUE(tmp.WriteFile("a.oat", "protocol\taddress\tage\tmac\ttype\tinterface\r\n"));
    ASSERT_TRUE(tmp.WriteFile("cut.ort", kHeader + "S\t\t0.0.0.0\t0\t1\t0\t192.0.2.1\t\t\r\nS\t\t10.0.0.0\t8"));
    twtest::TwdataOutcome run = twtest::RunTwdata(Args({tmp / "a.ort", tmp / "a.oat"}));
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, "The two tables are of different kinds and cannot be compared: '" + tmp / "a.ort" +
                           "' is a route table, '" + tmp / "a.oat" + "' an ARP table.\n");

    // Rows left out: what could be compared is printed, and the status says it is not the whole story.
    run = twtest::RunTwdata(Args({tmp / "a.ort", tmp / "cut.ort"}));
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.out, "change\tvrf\tnetwork\tprefix_length\tcolumn\told\tnew\r\n");
    EXPECT_NE(run.err.find("The last line (3) of '" + tmp / "cut.ort" + "' ends without a line end"), std::string::npos)
        << run.err;

    run = twtest::RunTwdata(Args({tmp / "a.ort"}));
    EXPECT_EQ(run.status, 2);
}
