#include "platform/qt/Fonts.h"

#include <QFont>
#include <QFontDatabase>
#include <QString>
#include <QStringList>
#include <QtGlobal>

namespace gh {

void LoadBundledFonts()
{
    static bool loaded = false;
    if (loaded)
        return;
    loaded = true;

    const QStringList files = {
        QStringLiteral(":/fonts/LiberationSans-Regular.ttf"),
        QStringLiteral(":/fonts/LiberationSans-Bold.ttf"),
        QStringLiteral(":/fonts/ComicNeue-Regular.otf"),
        QStringLiteral(":/fonts/ComicNeue-Bold.otf"),
    };
    for (const QString& file : files) {
        if (QFontDatabase::addApplicationFont(file) < 0)
            qWarning("LoadBundledFonts: cannot load %s", qPrintable(file));
    }
    // A machine with the real fonts keeps them; everywhere else the names the
    // game was laid out with land on the bundled look-alikes.
    QFont::insertSubstitution(QStringLiteral("Arial"), QStringLiteral("Liberation Sans"));
    QFont::insertSubstitution(QStringLiteral("Comic Sans MS"), QStringLiteral("Comic Neue"));
}

} // namespace gh
