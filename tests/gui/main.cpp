#include <QApplication>
#include <QtGlobal>

#include <gtest/gtest.h>

#include "platform/qt/Fonts.h"
#include "platform/qt/Translations.h"

// One QApplication for every window test, set up as the program sets it up
// (bundled fonts, Qt's Russian strings), on a screen of a known size.
int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    gh::LoadBundledFonts();
    gh::InstallRussianQtTranslation(app);
    return RUN_ALL_TESTS();
}
