#include <QApplication>
#include <QtGlobal>

#include <gtest/gtest.h>

// Pixmaps, fonts and message boxes all need a live application object, and
// the Qt side keeps global state, so one QApplication serves every test.
int main(int argc, char** argv)
{
    // Test discovery runs this binary at build time, outside ctest's
    // environment; there is no display there either.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
