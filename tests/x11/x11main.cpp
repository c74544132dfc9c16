// Test entry of the tests on a real X server: Xvfb is started before Qt,
// which then runs on its X11 platform. Listing the tests starts no server;
// when no server can start, Qt runs offscreen and every test skips.
#include "support_xserver.h"

#include <QApplication>
#include <gtest/gtest.h>
#include <cstdlib>
#include <cstring>

int main(int argc, char** argv)
{
    bool listing = false;
    for (int i = 1; i < argc; ++i)
        listing = listing || std::strncmp(argv[i], "--gtest_list_tests", 18) == 0;
    setenv("LUMORA_SOURCE_DIR", LUMORA_SOURCE_DIR, 0);
    const bool server = !listing && xserver::Start();
    setenv("QT_QPA_PLATFORM", server ? "xcb" : "offscreen", 1);
    int result = 0;
    {
        QApplication app(argc, argv);
        ::testing::InitGoogleTest(&argc, argv);
        result = RUN_ALL_TESTS();
    }
    xserver::Stop();
    return result;
}
