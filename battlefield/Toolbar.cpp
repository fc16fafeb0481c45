#include "battlefield/Toolbar.h"

#include "engine/TurnCycle.h"
#include "world/Catalogue.h"

namespace gh {

namespace {

void NoMatchMessage(Game& g)
{
    MessageBoxRequest box;
    box.title = "Не понимаю";
    box.text = "Предлагаю Вам для начала начать новую игру. (Клик по кнопке \"Главное меню\") ...";
    g.shell->MessageBox(box);
}

// The turn engine hands control from one timer to the next; a turn ended or a
// cast begun in the middle of that chain would run two activities at once.
// So the person's commands only act while their side sits waiting for orders.
bool AwaitingOrders(const Game& g)
{
    if (g.ActiveHero < 0 || g.ActiveHero > kHeroes || !g.HeroIsHuman[static_cast<std::size_t>(g.ActiveHero)])
        return false;
    if (g.InputMode != kModeOrders)
        return false;
    // TmrEnemy is not asked: the end of every exchange leaves it on, also on
    // a person's side, where its ticks do nothing. Counting it would refuse
    // the end of the turn for good once the person's unit has fought.
    for (TimerId busy : {TimerId::Tmr1, TimerId::Tmr2, TimerId::Tmr3})
        if (g.timers.Enabled(busy))
            return false;
    return true;
}

} // namespace

ToolbarAction ToolbarCommand(Game& g, const std::string& caption)
{
    if (caption == "Главное меню")
        return ToolbarAction::OpenMenu;
    if (caption == "Настройки")
        return ToolbarAction::OpenSettings;
    if (caption == "Магия") {
        if (!g.MatchRunning) {
            NoMatchMessage(g);
            return ToolbarAction::None;
        }
        if (!AwaitingOrders(g))
            return ToolbarAction::None;
        const Unit& hero = g.U(g.ActiveHero);
        if (hero.Hp >= 1)
            return ToolbarAction::OpenCast;
        MessageBoxRequest box;
        box.title = "Не выйдет";
        box.text = UnitTypeName(hero.UnitType) + " " + hero.Name +
                   ", к сожалению, слшком мертв, чтобы творить заклинания...";
        g.shell->MessageBox(box);
        return ToolbarAction::None;
    }
    if (caption == "Закончить ход") {
        if (!g.MatchRunning) {
            NoMatchMessage(g);
            return ToolbarAction::None;
        }
        if (AwaitingOrders(g))
            PassTurn(g, 1);
        return ToolbarAction::None;
    }
    return ToolbarAction::None;
}

bool ConfirmExit(Game& g)
{
    MessageBoxRequest box;
    box.title = "Grimhollow";
    box.text = "Выйти в систему?";
    box.buttons = BoxButtons::YesNo;
    box.icon = BoxIcon::Question;
    box.defaultNo = true;
    return g.shell->MessageBox(box) == BoxAnswer::Yes;
}

} // namespace gh
