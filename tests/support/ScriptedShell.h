#pragma once

#include <deque>
#include <vector>

#include "platform/Shell.h"

namespace gh {

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
