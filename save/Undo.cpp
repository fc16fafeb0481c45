#include "save/Undo.h"

#include "platform/Texts.h"

#include "engine/Placement.h"
#include "save/Recorder.h"
#include "world/FieldView.h"

namespace gh::save {

namespace {

// More than a turn ever holds: the oldest walk goes first.
constexpr std::size_t kKeptWalks = 64;

bool PersonsTurn(const Game& g)
{
    return g.ActiveHero >= 1 && g.ActiveHero <= kHeroes &&
           g.HeroIsHuman[static_cast<std::size_t>(g.ActiveHero)];
}

} // namespace

std::string UndoBarText(UndoBar bar)
{
    switch (bar) {
    case UndoBar::None: return GH_TR("Undo", "Отменить последнее перемещение (Ctrl+Z)");
    case UndoBar::NoMatch: return GH_TR("Undo", "Отменить нечего: партия не идёт");
    case UndoBar::NotPersonsTurn: return GH_TR("Undo", "Отменить нельзя: сейчас не ваш ход");
    case UndoBar::Busy: return GH_TR("Undo", "Отменить нельзя, пока на поле идёт действие");
    case UndoBar::NothingWalked: return GH_TR("Undo", "Отменить нечего: в этот ход ещё никто не перемещался");
    case UndoBar::Exchanged: return GH_TR("Undo", "Отменить нельзя: после перемещения был обмен ударами");
    case UndoBar::Magic: return GH_TR("Undo", "Отменить нельзя: после перемещения творилась магия");
    case UndoBar::Chance: return GH_TR("Undo", "Отменить нельзя: после перемещения своё слово сказал случай");
    case UndoBar::Settings: return GH_TR("Undo", "Отменить нельзя: после перемещения изменились настройки партии");
    }
    return "";
}

// The match as it stood just before a walk, and how long the journal was.
struct WalkUndo::Step {
    explicit Step(const Game& g) : before(g) {}
    Game before;
    std::size_t lines = 0;
};

// Stands between the match and its generator: every number still comes from
// the generator, and a number that is not the idle animation's closes undo.
class WalkUndo::DrawTap final : public Random {
public:
    DrawTap(WalkUndo& owner, Random* inner) : owner_(owner), inner_(inner) {}
    Random* Inner() const { return inner_; }

    float Rnd() override
    {
        Saw();
        return inner_->Rnd();
    }
    void Reseed() override
    {
        Saw();
        inner_->Reseed();
    }
    std::size_t Drawn() const override { return inner_->Drawn(); }

private:
    void Saw()
    {
        const Game* g = owner_.g_;
        const bool idle = g && g->timers.InTick() && g->timers.Firing() == TimerId::Tmr;
        if (!idle)
            owner_.Close(UndoBar::Chance);
    }

    WalkUndo& owner_;
    Random* inner_;
};

WalkUndo::WalkUndo(Recorder& recorder) : recorder_(recorder)
{
    recorder_.undo = this;
}

WalkUndo::~WalkUndo()
{
    End();
    if (recorder_.undo == this)
        recorder_.undo = nullptr;
}

void WalkUndo::Begin(Game& g)
{
    End();
    g_ = &g;
    tap_ = std::make_unique<DrawTap>(*this, g.rnd);
    g.rnd = tap_.get();
    closed_ = UndoBar::NothingWalked;
    depth_ = 0;
    walkPushed_ = false;
}

void WalkUndo::End()
{
    if (g_ && tap_ && g_->rnd == tap_.get())
        g_->rnd = tap_->Inner();
    g_ = nullptr;
    steps_.clear();
    closed_ = UndoBar::NothingWalked;
}

void WalkUndo::Close(UndoBar why)
{
    if (steps_.empty())
        return;
    steps_.clear();
    closed_ = why;
}

bool WalkUndo::SettingsChanged(const Game& now, const Game& then) const
{
    return now.AnimSpeed != then.AnimSpeed ||
           now.timers.Interval(TimerId::Tmr) != then.timers.Interval(TimerId::Tmr) ||
           now.ComputerLevel != then.ComputerLevel || now.HeroIsHuman != then.HeroIsHuman;
}

UndoBar WalkUndo::Why() const
{
    if (!g_ || !g_->MatchRunning)
        return UndoBar::NoMatch;
    if (!PersonsTurn(*g_))
        return UndoBar::NotPersonsTurn;
    if (!FieldAtRest(*g_) || !FieldTakesOrders(*g_) || g_->timers.Held())
        return UndoBar::Busy;
    if (steps_.empty())
        return closed_;
    const Game& then = steps_.back()->before;
    if (then.Day != g_->Day || then.ActiveHero != g_->ActiveHero)
        return UndoBar::NothingWalked;
    if (SettingsChanged(*g_, then))
        return UndoBar::Settings;
    return UndoBar::None;
}

bool WalkUndo::Undo()
{
    if (Why() != UndoBar::None)
        return false;
    const std::unique_ptr<Step> step = std::move(steps_.back());
    steps_.pop_back();
    Game& g = *g_;
    // The scheduler's assignment keeps the live handlers; the generator the
    // match draws from is the match's own, now as it was.
    g.Match() = step->before.Match();
    static_cast<Moment&>(g) = step->before;
    static_cast<FieldControls&>(g) = step->before;
    recorder_.TakeBack(step->lines, g);
    g.canvas->Clear();
    DrawUnits(g);
    ++undone_;
    if (steps_.empty())
        closed_ = UndoBar::NothingWalked;
    return true;
}

void WalkUndo::Giving(Game& g, const Order& order)
{
    if (depth_++ > 0)
        return;
    walkPushed_ = false;
    // Only a person's own walk, given from outside a tick, on their turn.
    if (order.kind != OrderKind::Walk || !g_ || &g != g_ || g.timers.InTick() || !PersonsTurn(g) ||
        CheckOrder(g, order) != Refusal::None)
        return;
    auto step = std::make_unique<Step>(g);
    step->lines = recorder_.Journal().lines.size();
    if (steps_.size() >= kKeptWalks)
        steps_.erase(steps_.begin());
    steps_.push_back(std::move(step));
    walkPushed_ = true;
}

void WalkUndo::Given(Game&, const Order& order, Refusal why)
{
    if (--depth_ > 0)
        return;
    if (walkPushed_) {
        walkPushed_ = false;
        if (why != Refusal::None && !steps_.empty())
            steps_.pop_back();
        return;
    }
    const bool taken = why == Refusal::None;
    switch (order.kind) {
    case OrderKind::Select:
    case OrderKind::Walk: break;
    case OrderKind::Exchange:
        if (taken)
            Close(UndoBar::Exchanged);
        break;
    // Any reading of the book picks its page, taken or not.
    case OrderKind::ReadPage:
    case OrderKind::Summon:
    case OrderKind::Cast: Close(UndoBar::Magic); break;
    // A creature's page draws up what would come; a spell's loads its figures.
    case OrderKind::PickPage:
        if (taken)
            Close(UndoBar::Magic);
        break;
    case OrderKind::Cancel:
        if (taken)
            Close(UndoBar::Magic);
        break;
    case OrderKind::EndTurn:
    case OrderKind::Concede:
        if (taken) {
            steps_.clear();
            closed_ = UndoBar::NothingWalked;
        }
        break;
    }
}

} // namespace gh::save
