#include "save/Recorder.h"

#include "engine/Engine.h"
#include "platform/Texts.h"
#include "save/SaveFormat.h"
#include "save/StateHash.h"
#include "save/Undo.h"

namespace gh::save {

// ---- recording -------------------------------------------------------------

// Stands in for the shell while an order is under way and writes down the
// answer to every question the order asks.
class Recorder::AnswerTap final : public Shell {
public:
    Shell* inner = nullptr;
    std::vector<BoxAnswer>* answers = nullptr;

    BoxAnswer MessageBox(const MessageBoxRequest& box) override
    {
        const BoxAnswer a = inner->MessageBox(box);
        if (box.buttons == BoxButtons::YesNo && answers)
            answers->push_back(a);
        return a;
    }
    void CloseSelection() override { inner->CloseSelection(); }
    void AnnounceComputerTurn(const MessageBoxRequest& box) override { inner->AnnounceComputerTurn(box); }
    void ShowSpeech() override { inner->ShowSpeech(); }
    void DefaultPointer() override { inner->DefaultPointer(); }
    void Quit() override { inner->Quit(); }
};

Recorder::Recorder() = default;

Recorder::~Recorder()
{
    Detach();
}

void Recorder::Begin(Game& g, std::string gameVersion, std::string matchId)
{
    Detach();
    record_ = Record{};
    record_.header.gameVersion = std::move(gameVersion);
    record_.header.matchId = std::move(matchId);
    record_.header.rules = RulesFingerprint();
    SaveSummary summary;
    summary.gameVersion = record_.header.gameVersion;
    record_.header.start = WriteSave(g, summary);
    Continue(g, std::move(record_));
}

void Recorder::Continue(Game& g, Record journal)
{
    Detach();
    record_ = std::move(journal);
    record_.closed = false;
    g_ = &g;
    g.orders = this;
    g.timers.SetTickWatcher([this](bool starting) { TickEdge(starting); });
    last_ = SeatInputsOf(g);
    depth_ = 0;
    if (undo)
        undo->Begin(g);
}

void Recorder::Detach()
{
    if (!g_)
        return;
    if (undo)
        undo->End();
    if (g_->orders == this)
        g_->orders = nullptr;
    g_->timers.SetTickWatcher(nullptr);
    g_ = nullptr;
}

void Recorder::Sync()
{
    if (!g_ || depth_ > 0 || g_->timers.InTick())
        return;
    const SeatInputs now = SeatInputsOf(*g_);
    if (now == last_)
        return;
    RecordLine line;
    line.kind = RecordLine::Kind::Seat;
    line.tick = g_->timers.Ticks();
    line.side = g_->ActiveHero;
    line.input = true;
    line.seat = now;
    line.hash = StateHash(*g_);
    record_.lines.push_back(std::move(line));
    last_ = now;
}

Record Recorder::Closed()
{
    Sync();
    Record r = record_;
    r.closed = true;
    if (g_) {
        r.end.tick = g_->timers.Ticks();
        r.end.running = g_->MatchRunning;
        r.end.day = g_->Day;
        r.end.winner = WinnerOf(*g_);
        r.end.hash = StateHash(*g_);
    }
    return r;
}

void Recorder::TickEdge(bool starting)
{
    if (starting) {
        Sync();
    } else if (g_) {
        // What the rules changed within the tick comes again in a replay;
        // the view they never move. A window may have moved it within the
        // tick (a person's turn brings their hero into view as it begins):
        // that is written down as the next tick begins.
        const SeatInputs before = last_;
        last_ = SeatInputsOf(*g_);
        last_.ViewX = before.ViewX;
        last_.ViewY = before.ViewY;
    }
}

void Recorder::Giving(Game& g, const Order& order)
{
    if (depth_ == 0) {
        // What the windows changed before the order (a click notes its cell
        // before it gives its order) is written down first, while nothing is
        // under way: Sync writes nothing once an order has begun.
        input_ = !g.timers.InTick();
        if (input_)
            Sync();
        side_ = g.ActiveHero;
        tick_ = g.timers.Ticks();
        answers_.clear();
        if (!tap_)
            tap_ = std::make_unique<AnswerTap>();
        tap_->inner = g.shell;
        tap_->answers = &answers_;
        outerShell_ = g.shell;
        g.shell = tap_.get();
    }
    ++depth_;
    if (undo)
        undo->Giving(g, order);
}

void Recorder::Given(Game& g, const Order& order, Refusal why)
{
    if (--depth_ == 0) {
        g.shell = outerShell_;
        RecordLine line;
        line.kind = RecordLine::Kind::Order;
        line.tick = tick_;
        line.side = side_;
        line.input = input_;
        line.order = order;
        line.answers = std::move(answers_);
        answers_.clear();
        line.hash = StateHash(g);
        record_.lines.push_back(std::move(line));
        if (input_) {
            // What the order changed comes again in a replay, but not a view
            // a window moved while it went through (the end of a turn brings
            // the next person's hero into view): that is written down before
            // the next order or tick, as the rules may read it (a page read
            // puts its aiming frame's first cell, taken from the view, into
            // the target cell).
            const SeatInputs before = last_;
            last_ = SeatInputsOf(g);
            last_.ViewX = before.ViewX;
            last_.ViewY = before.ViewY;
        }
    }
    if (undo)
        undo->Given(g, order, why);
}

std::optional<Refusal> Recorder::Diverted(Game& g, const Order& order)
{
    if (depth_ > 0 || !gate)
        return std::nullopt;
    return gate(g, order);
}

void Recorder::TakeBack(std::size_t lines, const Game& g)
{
    if (lines < record_.lines.size())
        record_.lines.resize(lines);
    last_ = SeatInputsOf(g);
}

// ---- replaying -------------------------------------------------------------

// Answers the questions an order asks as they were answered when it was
// recorded, and shows no box: a replay's boxes are in its log.
class Replayer::AnswerPlayer final : public Shell {
public:
    std::vector<BoxAnswer> answers;
    std::size_t next = 0;
    bool ranOut = false;
    Shell* outer = nullptr;

    BoxAnswer MessageBox(const MessageBoxRequest& box) override
    {
        if (box.buttons != BoxButtons::YesNo)
            return outer ? (outer->MessageBox(box), BoxAnswer::Ok) : BoxAnswer::Ok;
        if (next >= answers.size()) {
            ranOut = true;
            return BoxAnswer::No;
        }
        return answers[next++];
    }
    void CloseSelection() override
    {
        if (outer)
            outer->CloseSelection();
    }
    void AnnounceComputerTurn(const MessageBoxRequest& box) override
    {
        if (outer)
            outer->AnnounceComputerTurn(box);
    }
    void ShowSpeech() override
    {
        if (outer)
            outer->ShowSpeech();
    }
    void DefaultPointer() override
    {
        if (outer)
            outer->DefaultPointer();
    }
};

Replayer::Replayer(Record record, const Game& start)
    : record_(std::move(record)), owned_(std::make_unique<Game>(start)), g_(owned_.get()),
      shell_(std::make_unique<AnswerPlayer>())
{
    Bind();
}

Replayer::Replayer(Record record, Game& live, Shell* outer)
    : record_(std::move(record)), g_(&live), shell_(std::make_unique<AnswerPlayer>()),
      liveOrders_(live.orders), liveShell_(live.shell)
{
    shell_->outer = outer;
    Bind();
}

Replayer::~Replayer()
{
    if (!owned_ && g_) {
        g_->orders = liveOrders_;
        g_->shell = liveShell_;
    }
}

void Replayer::Bind()
{
    // A live match's timers are bound already, to the program's handlers.
    if (owned_)
        BindTimers(*g_);
    g_->orders = this;
    g_->shell = shell_.get();
    if (bind)
        bind(*g_);
}

bool Replayer::Fail(std::string why)
{
    if (error_.empty())
        error_ = std::move(why);
    return false;
}

namespace {

std::string At(std::size_t seq, std::uint64_t tick)
{
    return Fill(GH_TR("Recorder", "приказ %1 (тик %2)"), {std::to_string(seq + 1), std::to_string(tick)});
}

} // namespace

void Replayer::Giving(Game& g, const Order&)
{
    if (depth_++ == 0)
        side_ = g.ActiveHero;
}

std::optional<Refusal> Replayer::Diverted(Game& g, const Order& order)
{
    if (depth_ > 0 || stepping_ || !divert)
        return std::nullopt;
    return divert(g, order);
}

void Replayer::Given(Game& g, const Order& order, Refusal)
{
    if (--depth_ > 0 || givingInput_ || Failed())
        return;
    // An order the ticks gave: it must be the next line, as recorded.
    if (done_ >= record_.lines.size() || record_.lines[done_].input) {
        Fail(Fill(GH_TR("Recorder", "на тике %1 компьютер отдал приказ, которого нет в записи"),
                  {std::to_string(g.timers.Ticks())}));
        return;
    }
    RecordLine now;
    now.kind = RecordLine::Kind::Order;
    now.tick = g.timers.Ticks();
    now.side = side_;
    now.input = false;
    now.order = order;
    now.hash = StateHash(g);
    const RecordLine& want = record_.lines[done_];
    if (!(now == want)) {
        Fail(now.hash != want.hash && now.tick == want.tick && now.side == want.side
                 ? At(done_, want.tick) + GH_TR("Recorder", ": позиция после него отличается от записанной")
                 : At(done_, want.tick) + GH_TR("Recorder", ": компьютер отдал другой приказ, чем записано"));
        return;
    }
    ++done_;
}

bool Replayer::GiveLine(const RecordLine& line)
{
    if (line.side != g_->ActiveHero)
        return Fail(At(done_, line.tick) + GH_TR("Recorder", ": ходит другая сторона, чем записано"));
    if (line.kind == RecordLine::Kind::Seat) {
        ApplySeatInputs(*g_, line.seat);
    } else {
        shell_->answers = line.answers;
        shell_->next = 0;
        shell_->ranOut = false;
        givingInput_ = true;
        GiveOrder(*g_, line.order);
        givingInput_ = false;
        if (shell_->ranOut || shell_->next != line.answers.size())
            return Fail(At(done_, line.tick) +
                        GH_TR("Recorder", ": вопросы приказа не совпадают с записанными ответами"));
    }
    if (StateHash(*g_) != line.hash)
        return Fail(At(done_, line.tick) +
                    GH_TR("Recorder", ": позиция после него отличается от записанной"));
    ++done_;
    return true;
}

bool Replayer::Step()
{
    if (Failed() || atEnd_)
        return false;
    stepping_ = true;
    const bool ok = StepOnce();
    stepping_ = false;
    return ok;
}

bool Replayer::StepOnce()
{
    const std::uint64_t now = g_->timers.Ticks();
    if (done_ < record_.lines.size()) {
        const RecordLine& next = record_.lines[done_];
        if (next.tick < now || (!next.input && next.tick == now))
            return Fail(At(done_, next.tick) + GH_TR("Recorder", ": приказ не был отдан в свой тик"));
        if (next.input && next.tick == now)
            return GiveLine(next);
    } else if (live_) {
        if (now >= horizon_)
            return true; // the host has not run further yet
    } else if (!record_.closed || now >= record_.end.tick) {
        if (record_.closed) {
            if (now != record_.end.tick || StateHash(*g_) != record_.end.hash ||
                g_->MatchRunning != record_.end.running || g_->Day != record_.end.day ||
                WinnerOf(*g_) != record_.end.winner)
                return Fail(GH_TR("Recorder", "в конце записи позиция отличается от записанной"));
        }
        atEnd_ = true;
        return true;
    }
    if (live_ && now >= horizon_)
        return true;
    g_->timers.Tick();
    return !Failed();
}

void Replayer::GoLive(std::uint64_t horizon)
{
    live_ = true;
    horizon_ = std::max(horizon, g_->timers.Ticks());
}

void Replayer::Append(RecordLine line)
{
    record_.lines.push_back(std::move(line));
}

bool Replayer::Waiting() const
{
    return live_ && done_ >= record_.lines.size() && g_->timers.Ticks() >= horizon_;
}

bool Replayer::PlayTo(std::size_t lines)
{
    lines = std::min(lines, record_.lines.size());
    while (done_ < lines && !atEnd_)
        if (!Step())
            return false;
    return !Failed();
}

bool Replayer::PlayToEnd()
{
    while (!atEnd_)
        if (!Step())
            return false;
    return !Failed();
}

std::unique_ptr<Replayer::Mark> Replayer::Keep() const
{
    auto m = std::make_unique<Mark>(*g_);
    m->done = done_;
    m->atEnd = atEnd_;
    return m;
}

void Replayer::Restore(const Mark& mark)
{
    if (owned_) {
        owned_ = std::make_unique<Game>(mark.game);
        g_ = owned_.get();
    } else {
        AdoptMatch(*g_, mark.game);
    }
    done_ = mark.done;
    atEnd_ = mark.atEnd;
    depth_ = 0;
    givingInput_ = false;
    error_.clear();
    Bind();
}

} // namespace gh::save
