// Test entry for every test program: a QApplication on the offscreen
// platform and GoogleTest. Tests that compare with files of the source tree
// find it through LUMORA_SOURCE_DIR; both default here unless set.
#include <QApplication>
#include <gtest/gtest.h>
#include <cstdlib>

int main(int argc, char** argv)
{
    if (!std::getenv("QT_QPA_PLATFORM"))
        setenv("QT_QPA_PLATFORM", "offscreen", 0);
    setenv("LUMORA_SOURCE_DIR", LUMORA_SOURCE_DIR, 0);
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
