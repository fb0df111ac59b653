// Entry point of the widget test programs: one QApplication on the offscreen platform for all tests.
#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <cstdlib>
#include <gtest/gtest.h>

int main(int argc, char** argv) {
    if (!std::getenv("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // Data the program keeps for the user (the recovery file) goes to a folder of this test run, never the
    // user's own; a child process started by a test shares its parent's.
    QTemporaryDir dataHome;
    if (!std::getenv("VORLANE_TEST_DATA_HOME"))
        qputenv("VORLANE_TEST_DATA_HOME", QFile::encodeName(dataHome.path()));
    qputenv("XDG_DATA_HOME", qgetenv("VORLANE_TEST_DATA_HOME"));
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
