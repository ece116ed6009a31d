// Entry point of the end-to-end tests: a private X server first, then the
// QApplication on it. Listing the tests starts no server.
#include "e2e/XServer.h"

#include <QApplication>
#include <gtest/gtest.h>

#include <cstdlib>

int main(int argc, char** argv)
{
    testing::InitGoogleTest(&argc, argv);
    twtest::XServer server;
    if (testing::GTEST_FLAG(list_tests)) {
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    } else if (server.Start()) {
        setenv("DISPLAY", server.Display().c_str(), 1);
        setenv("QT_QPA_PLATFORM", "xcb", 1);
    } else {
        twtest::SetEndToEndSkipReason(server.Error());
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    }
    int result = 0;
    {
        QApplication app(argc, argv);
        result = RUN_ALL_TESTS();
    }
    return result;
}
