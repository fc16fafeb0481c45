#pragma once

#include <QString>

#include <array>
#include <memory>
#include <optional>

#include "battlefield/Preferences.h"
#include "world/Game.h"

class QSettings;

namespace gh {

class FrmSelect;

// What the program remembers between runs: the settings window's controls,
// the heroes last chosen for a match and how the battlefield window was
// shown. Each change is written at once. A value that is absent or not one
// the control could hold falls back to its default alone; a file that cannot
// be parsed at all is moved aside and the defaults are used. The keys are a
// contract (docs/saves-and-settings.md): rename none of them.
class AppSettings {
public:
    // The usual place: the configuration location of the organization and
    // application names main() sets.
    AppSettings();
    explicit AppSettings(const QString& path);
    ~AppSettings();
    AppSettings(const AppSettings&) = delete;
    AppSettings& operator=(const AppSettings&) = delete;

    QString FilePath() const;
    // Where an unparsable file was moved; empty when none was.
    QString MovedAside() const { return movedAside_; }

    // The frame-skip slider's position 1..4, once the player has chosen one.
    std::optional<int> FrameSkip() const;
    int IdlePace() const; // the idle slider, Tmr's interval in ms: 1 by default
    // The level a computer hero gets unless chosen in the hero selection:
    // «Обычный» by default, the strongest for a player who ticked the old
    // «Компьютер играет в полную силу».
    int ComputerLevel() const;
    bool Autosave() const;              // on by default
    bool AnnounceComputerTurns() const; // on by default
    // «Язык»: "" follows the system (by default), "ru" or "en" choose; any
    // other value reads as "". It takes effect at the next start.
    QString Language() const;

    // Full screen without a frame, or a framed window, maximised or not.
    enum class Window { FullScreen, Maximized, Framed };
    Window Battlefield() const; // full screen by default

    // One row of the hero selection; each part is absent until remembered.
    struct Slot {
        std::optional<bool> taking;
        std::optional<int> heroClass; // 1 Маг, 2 Некромант, 3 Лучница
        std::optional<QString> name;
        std::optional<bool> ai;
        std::optional<int> level; // the computer's level, 0..kStrongestLevel
    };
    Slot Selection(int slot) const; // slot 0..4

    void SetFrameSkip(int position);
    void SetIdlePace(int intervalMs);
    // The default level; every row of the hero selection takes it too.
    void SetComputerLevel(int level);
    void SetAutosave(bool on);
    void SetAnnounceComputerTurns(bool on);
    void SetLanguage(const QString& language);
    void SetBattlefield(Window state);
    // The heroes of the match that has just started, as the dialog set them.
    void RememberSelection(const Game& g);

    // At start: the remembered settings go into the program before any window
    // shows them. Nothing remembered leaves g as it was.
    void ApplyTo(Game& g) const;
    // The same for what the windows prefer.
    void ApplyTo(Preferences& prefs) const;
    // The play aids and the zoom as the field has them now (the rest of the
    // preferences each have their own moment to be written).
    void Remember(const Preferences& prefs);
    // A new or loaded match plays at the remembered walking speed, when one is.
    void ApplyFrameSkip(Game& g) const;
    // A freshly opened selection dialog shows the heroes last chosen.
    void RestoreSelection(FrmSelect& dialog) const;

private:
    void Open(const QString& path);
    void Written();

    std::unique_ptr<QSettings> store_;
    QString movedAside_;
};

} // namespace gh
