#include "battlefield/Toolbar.h"

#include "engine/Order.h"
#include "engine/Placement.h"
#include "engine/TurnCycle.h"
#include "platform/Texts.h"
#include "world/Catalogue.h"

namespace gh {

namespace {

void NoMatchMessage(Game& g)
{
    MessageBoxRequest box;
    box.title = GH_TR("Toolbar", "Не понимаю");
    box.text =
        GH_TR("Toolbar", "Предлагаю Вам для начала начать новую игру. (Клик по кнопке \"Главное меню\") ...");
    g.shell->MessageBox(box);
}

// The person's commands only act while their own side waits for orders.
bool AwaitingOrders(const Game& g)
{
    if (g.ActiveHero < 0 || g.ActiveHero > kHeroes || !g.HeroIsHuman[static_cast<std::size_t>(g.ActiveHero)])
        return false;
    return FieldAtRest(g);
}

// A summon or spell still waiting for its click would otherwise swallow the
// command without a word; the command calls it off first, as a right click
// would, and then does its own work.
void CancelPendingOnOwnTurn(Game& g)
{
    if (g.ActiveHero >= 0 && g.ActiveHero <= kHeroes && g.HeroIsHuman[static_cast<std::size_t>(g.ActiveHero)])
        GiveOrder(g, {OrderKind::Cancel});
}

// Giving up cannot be taken back: the question defaults to No.
bool ConfirmConcede(Game& g)
{
    MessageBoxRequest box;
    box.title = GH_TR("Toolbar", "Сдаться");
    box.text = GH_TR("Toolbar", "Признать себя побежденным?");
    box.buttons = BoxButtons::YesNo;
    box.icon = BoxIcon::Question;
    box.defaultNo = true;
    return g.shell->MessageBox(box) == BoxAnswer::Yes;
}

} // namespace

ToolbarAction ToolbarCommand(Game& g, const std::string& caption)
{
    if (caption == "Главное меню")
        return ToolbarAction::OpenMenu;
    if (caption == "Настройки")
        return ToolbarAction::OpenSettings;
    if (caption == "Помощь")
        return ToolbarAction::OpenHelp;
    if (caption == "Сдаться") {
        if (!g.MatchRunning) {
            NoMatchMessage(g);
            return ToolbarAction::None;
        }
        CancelPendingOnOwnTurn(g);
        // The last rival has fallen: the match is won, not given up.
        if (AwaitingOrders(g) && DeclareVictoryIfDecided(g))
            return ToolbarAction::None;
        if (AwaitingOrders(g) && ConfirmConcede(g))
            GiveOrder(g, {OrderKind::Concede, g.ActiveHero});
        return ToolbarAction::None;
    }
    if (caption == "Магия") {
        if (!g.MatchRunning) {
            NoMatchMessage(g);
            return ToolbarAction::None;
        }
        CancelPendingOnOwnTurn(g);
        if (!AwaitingOrders(g))
            return ToolbarAction::None;
        const Unit& hero = g.U(g.ActiveHero);
        if (hero.Hp >= 1)
            return ToolbarAction::OpenCast;
        MessageBoxRequest box;
        box.title = GH_TR("Toolbar", "Не выйдет");
        box.text = Fill(GH_TR("Toolbar", "%1 %2, к сожалению, слшком мертв, чтобы творить заклинания..."),
                        {UnitTypeName(hero.UnitType), hero.Name});
        g.shell->MessageBox(box);
        return ToolbarAction::None;
    }
    if (caption == "Закончить ход") {
        if (!g.MatchRunning) {
            NoMatchMessage(g);
            return ToolbarAction::None;
        }
        CancelPendingOnOwnTurn(g);
        if (AwaitingOrders(g))
            GiveOrder(g, {OrderKind::EndTurn});
        return ToolbarAction::None;
    }
    return ToolbarAction::None;
}

bool ConfirmExit(Game& g)
{
    MessageBoxRequest box;
    box.title = "Grimhollow";
    box.text = GH_TR("Toolbar", "Выйти в систему?");
    box.buttons = BoxButtons::YesNo;
    box.icon = BoxIcon::Question;
    box.defaultNo = true;
    return g.shell->MessageBox(box) == BoxAnswer::Yes;
}

} // namespace gh
