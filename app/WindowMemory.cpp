#include "app/WindowMemory.h"

#include <QEvent>
#include <QKeyEvent>
#include <QWidget>

#include "windows/qt/AppSettings.h"

namespace gh {

namespace {

class BattlefieldState final : public QObject {
public:
    BattlefieldState(QWidget* main, AppSettings* store) : QObject(main), main_(main), store_(store) {}

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched != main_)
            return false;
        if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_F11 &&
            !static_cast<QKeyEvent*>(event)->isAutoRepeat()) {
            if (main_->isFullScreen())
                main_->showMaximized();
            else
                main_->showFullScreen();
            return true;
        }
        if (event->type() == QEvent::WindowStateChange && store_) {
            // Minimised is the moment's, not a way of showing the battlefield.
            const Qt::WindowStates state = main_->windowState();
            if (state.testFlag(Qt::WindowFullScreen))
                Remember(AppSettings::Window::FullScreen);
            else if (state.testFlag(Qt::WindowMaximized))
                Remember(AppSettings::Window::Maximized);
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

void ShowBattlefield(QWidget* main, AppSettings* store)
{
    main->installEventFilter(new BattlefieldState(main, store));
    if (store && store->Battlefield() == AppSettings::Window::Maximized)
        main->showMaximized();
    else
        main->showFullScreen();
}

} // namespace gh
