// Loaded into an installed grimhollow with LD_PRELOAD by the package tests:
// the program has no command line and must not grow a test switch, so this
// library watches it from inside. Once the battlefield window is on screen it
// prints what a desktop would see of it and ends the program; if the window
// never comes it lists what did open and ends it with code 3.
#include <QApplication>
#include <QByteArray>
#include <QIcon>
#include <QList>
#include <QSize>
#include <QStringList>
#include <QTextStream>
#include <QTimer>
#include <QWidget>

namespace {

constexpr int kPollMs = 100;
// Only a program that never shows its battlefield is given up on: a busy
// machine may take long to start one.
constexpr int kGiveUpMs = 300000;

QWidget* VisibleWindow(const char* className)
{
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->isVisible() && qstrcmp(w->metaObject()->className(), className) == 0)
            return w;
    return nullptr;
}

void Report(QWidget* main)
{
    QStringList sizes;
    for (const QSize& s : QApplication::windowIcon().availableSizes())
        sizes << QString::number(s.width());
    QTextStream out(stdout);
    out << "window: " << main->metaObject()->className() << "\n"
        << "title: " << main->windowTitle() << "\n"
        << "full screen: " << (main->isFullScreen() ? "yes" : "no") << "\n"
        << "application name: " << QCoreApplication::applicationName() << "\n"
        << "desktop file name: " << QGuiApplication::desktopFileName() << "\n"
        << "window icon sizes: " << sizes.join(' ') << "\n";
    out.flush();
}

void Watch()
{
    auto* timer = new QTimer(QCoreApplication::instance());
    QObject::connect(timer, &QTimer::timeout, [timer, waited = 0]() mutable {
        waited += kPollMs;
        if (QWidget* main = VisibleWindow("gh::FrmMain")) {
            timer->stop();
            Report(main);
            QCoreApplication::exit(0);
        } else if (waited >= kGiveUpMs) {
            timer->stop();
            QTextStream err(stderr);
            err << "no battlefield window after " << kGiveUpMs << " ms; visible windows:";
            for (QWidget* w : QApplication::topLevelWidgets())
                if (w->isVisible())
                    err << " " << w->metaObject()->className();
            err << "\n";
            QCoreApplication::exit(3);
        }
    });
    timer->start(kPollMs);
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(Watch)
