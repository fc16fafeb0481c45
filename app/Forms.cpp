#include "app/Forms.h"

#include <QWidget>

#include "app/AppSettings.h"
#include "app/Autosave.h"
#include "app/SaveFiles.h"

#include "battlefield/FrmMain.h"
#include "windows/FrmImg.h"
#include "windows/FrmMenu.h"
#include "windows/FrmMes.h"
#include "windows/FrmSelect.h"

namespace gh {

namespace {

void BringForward(QWidget* w)
{
    w->show();
    w->raise();
    w->activateWindow();
}

} // namespace

Forms::Forms(Game& game) : g(game) {}

Forms::~Forms()
{
    // Dialogs first: they may still refer to the battlefield.
    delete cast.data();
    delete settings.data();
    delete author.data();
    delete saveName.data();
    delete savesList.data();
    delete mes_.data();
    delete select_.data();
    delete menu_.data();
    delete img_.data();
    delete main_.data();
}

FrmMain* Forms::LoadMain()
{
    if (!main_) {
        main_ = new FrmMain(*this);
        main_->Load();
    }
    return main_;
}

FrmMain* Forms::Main() const
{
    return main_;
}
FrmMenu* Forms::Menu() const
{
    return menu_;
}
FrmSelect* Forms::Select() const
{
    return select_;
}
FrmMes* Forms::Speech() const
{
    return mes_;
}

QWidget* Forms::DialogParent() const
{
    return main_;
}

FrmMenu* Forms::OpenMenu()
{
    if (!menu_)
        menu_ = new FrmMenu(*this, DialogParent());
    BringForward(menu_);
    return menu_;
}

FrmSelect* Forms::OpenSelect()
{
    if (!select_) {
        select_ = new FrmSelect(*this, DialogParent());
        if (store)
            store->RestoreSelection(*select_);
    }
    BringForward(select_);
    return select_;
}

FrmMes* Forms::OpenSpeech()
{
    // A new turn's speech replaces one the player has not sent away yet.
    if (mes_)
        mes_->close();
    mes_ = new FrmMes(*this, DialogParent());
    BringForward(mes_);
    return mes_;
}

FrmImg* Forms::Img()
{
    if (!img_) {
        img_ = new FrmImg();
        img_->show();
    }
    return img_;
}

void Forms::CloseSelection()
{
    if (select_)
        select_->close();
}

void Forms::Refresh()
{
    if (main_)
        main_->RenderControls();
    if (menu_)
        menu_->ShowSaveState();
    if (autosave)
        autosave->Observe();
}

} // namespace gh
