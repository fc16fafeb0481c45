#pragma once

#include <string>

namespace gh {

enum class BoxButtons { Ok, YesNo, YesNoCancel };
enum class BoxIcon { None, Exclamation, Question };
enum class BoxAnswer { Ok, Yes, No, Cancel };

struct MessageBoxRequest {
    std::string title;
    std::string text;
    BoxButtons buttons = BoxButtons::Ok;
    BoxIcon icon = BoxIcon::None;
    bool defaultNo = false;
    // Captions in place of "Да" and "Нет" where a plain yes or no would not
    // say what the button does; empty keeps those.
    std::string yesCaption = {};
    std::string noCaption = {};
};

// What the rules ask of the windowing side: modal boxes, the windows that a
// rule opens or closes, the pointer, and ending the program. Texts are UTF-8
// and always plain (a hero's name is typed by a player).
class Shell {
public:
    virtual ~Shell() = default;
    virtual BoxAnswer MessageBox(const MessageBoxRequest& box) = 0;
    // The hero selection dialog is unloaded when a match starts.
    virtual void CloseSelection() {}
    // The box that announces the turn of a side the computer plays. A person
    // may rather see those turns go by without a box; a person's own turn is
    // always announced with MessageBox.
    virtual void AnnounceComputerTurn(const MessageBoxRequest& box) { MessageBox(box); }
    // A computer hero speaks at the start of its turn (modeless).
    virtual void ShowSpeech() {}
    // The walk sets the pointer back to the default when it ends.
    virtual void DefaultPointer() {}
    // Ends the program at once.
    virtual void Quit() {}
};

// Answers like a player who clicks OK on everything and "yes" to every
// question, keeping nothing: what a match has until a window shell is given,
// and what the simulator plays with (a long match shows thousands of boxes).
class AgreeingShell final : public Shell {
public:
    BoxAnswer MessageBox(const MessageBoxRequest& box) override
    {
        return box.buttons == BoxButtons::Ok ? BoxAnswer::Ok : BoxAnswer::Yes;
    }
};

} // namespace gh
