#include "platform/qt/Translations.h"

#include <QCoreApplication>
#include <QString>
#include <QTranslator>
#include <QtGlobal>

namespace gh {

void InstallRussianQtTranslation(QCoreApplication& app)
{
    const QString name = QStringLiteral("gh-qtbase-ru");
    if (app.findChild<QTranslator*>(name, Qt::FindDirectChildrenOnly))
        return;
    auto* translator = new QTranslator(&app);
    translator->setObjectName(name);
    if (!translator->load(QStringLiteral(":/i18n/qtbase_ru.qm"))) {
        // English buttons are ugly but still work; the game goes on.
        qWarning("InstallRussianQtTranslation: cannot load :/i18n/qtbase_ru.qm");
        delete translator;
        return;
    }
    app.installTranslator(translator);
}

} // namespace gh
