#pragma once

#include <functional>

#include "platform/Shell.h"

namespace gh {

class Forms;

// The rules' shell on real windows: modal Qt message boxes that hold the
// battlefield timers while open, and the windows a rule opens or closes.
class QtShell final : public Shell {
public:
    explicit QtShell(Forms& forms);

    BoxAnswer MessageBox(const MessageBoxRequest& box) override;
    // Shown only while the player wants computer turns announced.
    void AnnounceComputerTurn(const MessageBoxRequest& box) override;
    void CloseSelection() override;
    void ShowSpeech() override;
    void DefaultPointer() override;
    void Quit() override;

    // The last step of Quit. It leaves the application's event loop; a test
    // puts something harmless here, since it still needs its loop afterwards.
    std::function<void()> leaveEventLoop;

private:
    Forms& forms_;
};

} // namespace gh
