#include "app/WindowMemory.h"

#include <QEvent>
#include <QKeyEvent>
#include <QWidget>

#include "battlefield/FrmMain.h"
#include "windows/qt/AppSettings.h"

namespace gh {

namespace {

class BattlefieldState final : public QObject {
public:
    BattlefieldState(QWidget* main, AppSettings* store) : QObject(main), main_(main), store_(store) {}

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        // F11 is the battlefield's own key; this only remembers what it,
        // or the window manager, made of the window.
        const bool shown = event->type() == QEvent::Show || event->type() == QEvent::WindowStateChange;
        if (watched == main_ && shown && store_) {
            // Minimised is the moment's, not a way of showing the battlefield.
            const Qt::WindowStates state = main_->windowState();
            if (state.testFlag(Qt::WindowMinimized))
                return false;
            if (state.testFlag(Qt::WindowFullScreen))
                Remember(AppSettings::Window::FullScreen);
            else if (state.testFlag(Qt::WindowMaximized))
                Remember(AppSettings::Window::Maximized);
            else if (main_->isVisible())
                Remember(AppSettings::Window::Framed);
        }
        return false;
    }

private:
    void Remember(AppSettings::Window state)
    {
        if (store_->Battlefield() != state)
            store_->SetBattlefield(state);
    }

    QWidget* main_;
    AppSettings* store_;
};

} // namespace

void ShowBattlefield(FrmMain* main, AppSettings* store)
{
    main->ShowAsPreferred();
    if (store && store->Battlefield() == AppSettings::Window::Maximized)
        main->showMaximized();
    main->installEventFilter(new BattlefieldState(main, store));
}

} // namespace gh
