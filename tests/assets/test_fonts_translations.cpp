#include "platform/qt/Fonts.h"
#include "platform/qt/Translations.h"

#include <QApplication>
#include <QFont>
#include <QFontDatabase>
#include <QFontInfo>
#include <QMessageBox>
#include <QPushButton>
#include <QString>

#include <gtest/gtest.h>

namespace {

QString Resolved(const QString& family, bool bold = false)
{
    QFont font(family, 12);
    font.setBold(bold);
    return QFontInfo(font).family();
}

TEST(Fonts, BundledFamiliesAreRegistered)
{
    gh::LoadBundledFonts();
    const QStringList families = QFontDatabase::families();
    EXPECT_TRUE(families.contains(QStringLiteral("Liberation Sans")));
    EXPECT_TRUE(families.contains(QStringLiteral("Comic Neue")));
}

TEST(Fonts, TheGamesFamilyNamesResolveToTheBundledLookAlikes)
{
    gh::LoadBundledFonts();
    gh::LoadBundledFonts(); // harmless twice
    EXPECT_EQ(Resolved(QStringLiteral("Arial")), QStringLiteral("Liberation Sans"));
    EXPECT_EQ(Resolved(QStringLiteral("Arial"), true), QStringLiteral("Liberation Sans"));
    EXPECT_EQ(Resolved(QStringLiteral("Comic Sans MS")), QStringLiteral("Comic Neue"));
    EXPECT_TRUE(QFontInfo(QFont(QStringLiteral("Arial"), 12, QFont::Bold)).bold());
}

TEST(Translations, QtsStandardButtonsSpeakRussian)
{
    gh::InstallRussianQtTranslation(*QCoreApplication::instance());
    gh::InstallRussianQtTranslation(*QCoreApplication::instance()); // installs once
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "&Yes").remove('&'), QStringLiteral("Да"));
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "&No").remove('&'), QStringLiteral("Нет"));

    QMessageBox box(QMessageBox::Question, QStringLiteral("Grimhollow"), QStringLiteral("Выйти в систему?"),
                    QMessageBox::Yes | QMessageBox::No);
    ASSERT_NE(box.button(QMessageBox::Yes), nullptr);
    EXPECT_EQ(box.button(QMessageBox::Yes)->text().remove('&'), QStringLiteral("Да"));
    EXPECT_EQ(box.button(QMessageBox::No)->text().remove('&'), QStringLiteral("Нет"));
}

} // namespace
