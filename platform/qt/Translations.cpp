#include "platform/qt/Translations.h"

#include <QCoreApplication>
#include <QLocale>
#include <QSettings>
#include <QString>
#include <QTranslator>
#include <QtGlobal>

#include "platform/Texts.h"

namespace gh {

namespace {

const QString kRussianQt = QStringLiteral("gh-qtbase-ru");
const QString kGameTranslator = QStringLiteral("gh-game-translation");

// The rules' texts through the shell's translator: the .ts file holds them
// under their context like every shell text.
class TranslatorTexts final : public Texts {
public:
    std::string Text(const char* context, const char* source) const override
    {
        return QCoreApplication::translate(context, source).toStdString();
    }
    // one day, two days; zero days too.
    int PluralForm(long long n) const override { return n == 1 || n == -1 ? 0 : 1; }
};

const TranslatorTexts kEnglishTexts;
Language gLanguage = Language::Russian;

void RemoveTranslator(QCoreApplication& app, const QString& name)
{
    if (auto* t = app.findChild<QTranslator*>(name, Qt::FindDirectChildrenOnly)) {
        QCoreApplication::removeTranslator(t);
        delete t;
    }
}

} // namespace

void InstallRussianQtTranslation(QCoreApplication& app)
{
    if (app.findChild<QTranslator*>(kRussianQt, Qt::FindDirectChildrenOnly))
        return;
    auto* translator = new QTranslator(&app);
    translator->setObjectName(kRussianQt);
    if (!translator->load(QStringLiteral(":/i18n/qtbase_ru.qm"))) {
        // English buttons are ugly but still work; the game goes on.
        qWarning("InstallRussianQtTranslation: cannot load :/i18n/qtbase_ru.qm");
        delete translator;
        return;
    }
    app.installTranslator(translator);
}

Language ChooseLanguage(const QString& setting, const QLocale& system)
{
    if (setting == QLatin1String("en"))
        return Language::English;
    if (setting == QLatin1String("ru"))
        return Language::Russian;
    return system.language() == QLocale::English ? Language::English : Language::Russian;
}

QString LanguageSetting()
{
    const QSettings s(QSettings::NativeFormat, QSettings::UserScope, QCoreApplication::organizationName(),
                      QCoreApplication::applicationName());
    return s.value(QString::fromLatin1(kLanguageKey)).toString();
}

void InstallLanguage(QCoreApplication& app, Language language)
{
    gLanguage = language;
    if (language == Language::Russian) {
        RemoveTranslator(app, kGameTranslator);
        UseTexts(nullptr);
        InstallRussianQtTranslation(app);
        return;
    }
    // Qt speaks English by itself: its Russian goes, the game's English comes.
    RemoveTranslator(app, kRussianQt);
    if (!app.findChild<QTranslator*>(kGameTranslator, Qt::FindDirectChildrenOnly)) {
        auto* translator = new QTranslator(&app);
        translator->setObjectName(kGameTranslator);
        if (translator->load(QStringLiteral(":/i18n/grimhollow_en.qm"))) {
            app.installTranslator(translator);
        } else {
            qWarning("InstallLanguage: cannot load :/i18n/grimhollow_en.qm");
            delete translator;
        }
    }
    UseTexts(&kEnglishTexts);
}

Language CurrentLanguage()
{
    return gLanguage;
}

QString QTr(const char* context, const char* source)
{
    return QString::fromStdString(Tr(context, source));
}

QString QTrN(PluralText text, long long n)
{
    return QString::fromStdString(TrN(text, n));
}

} // namespace gh
