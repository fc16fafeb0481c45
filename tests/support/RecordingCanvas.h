#pragma once

#include <string>
#include <vector>

#include "platform/Canvas.h"

namespace gh {

// Remembers every call, for tests.
class RecordingCanvas final : public Canvas {
public:
    struct Call {
        enum Kind { Clear, Paint, PaintWidth, Print } kind = Clear;
        ImageList list = ImageList::Unit;
        int index = 0;
        float x = 0, y = 0;
        float width = 0; // PaintWidth only
        int team = kNoTeam;
        std::string text;
        Rgb colour{};
    };
    void Clear() override
    {
        Call c{};
        c.kind = Call::Clear;
        calls.push_back(c);
    }
    void Paint(ImageList list, int index, float x, float y, int team) override
    {
        calls.push_back({Call::Paint, list, index, x, y, 0.0f, team, {}, {}});
    }
    void PaintWidth(ImageList list, int index, float x, float y, float width, int team) override
    {
        calls.push_back({Call::PaintWidth, list, index, x, y, width, team, {}, {}});
    }
    void Print(const std::string& text, float x, float y, Rgb colour) override
    {
        calls.push_back({Call::Print, ImageList::Unit, 0, x, y, 0.0f, kNoTeam, text, colour});
    }
    // Picture calls only, without clears and prints.
    std::vector<Call> Pictures() const
    {
        std::vector<Call> out;
        for (const Call& c : calls)
            if (c.kind == Call::Paint || c.kind == Call::PaintWidth)
                out.push_back(c);
        return out;
    }
    void Reset() { calls.clear(); }
    std::vector<Call> calls;
};

} // namespace gh
