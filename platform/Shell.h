#pragma once

#include <deque>
#include <string>
#include <vector>

namespace gh {

enum class BoxButtons { Ok, YesNo };
enum class BoxIcon { None, Exclamation, Question };
enum class BoxAnswer { Ok, Yes, No };

struct MessageBoxRequest {
    std::string title;
    std::string text;
    BoxButtons buttons = BoxButtons::Ok;
    BoxIcon icon = BoxIcon::None;
    bool defaultNo = false;
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
    // A computer hero speaks at the start of its turn (modeless).
    virtual void ShowSpeech() {}
    // The walk sets the pointer back to the default when it ends.
    virtual void DefaultPointer() {}
    // Ends the program at once.
    virtual void Quit() {}
};

// Records every box and answers as scripted (OK for OK boxes; for questions
// the next scripted answer, or Yes when none is left).
class ScriptedShell : public Shell {
public:
    BoxAnswer MessageBox(const MessageBoxRequest& box) override
    {
        boxes.push_back(box);
        if (box.buttons == BoxButtons::Ok)
            return BoxAnswer::Ok;
        if (answers.empty())
            return BoxAnswer::Yes;
        BoxAnswer a = answers.front();
        answers.pop_front();
        return a;
    }
    void CloseSelection() override { ++selectionCloses; }
    void ShowSpeech() override { ++speeches; }
    void DefaultPointer() override { ++pointerResets; }
    void Quit() override { ++quits; }

    std::vector<MessageBoxRequest> boxes;
    std::deque<BoxAnswer> answers;
    int selectionCloses = 0;
    int speeches = 0;
    int pointerResets = 0;
    int quits = 0;
};

} // namespace gh
