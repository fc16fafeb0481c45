// A match state wired to scripted services: fixed random numbers, a canvas
// that records every picture and a shell that records every box.
#pragma once

#include <string>

#include <gtest/gtest.h>

#include "platform/Canvas.h"
#include "platform/Random.h"
#include "platform/Shell.h"
#include "tests/support/RecordingCanvas.h"
#include "tests/support/ScriptedRandom.h"
#include "tests/support/ScriptedShell.h"
#include "world/Game.h"
#include "world/Units.h"

namespace gh::testing {

struct ScriptedMatch {
    ScriptedMatch()
    {
        g.rnd = &rnd;
        g.canvas = &canvas;
        g.shell = &shell;
    }

    // A unit of `type` for `owner` standing on cell (col, row). CreateUnit's
    // three draws are taken from a separate source of zeros that leaves the
    // test's own script untouched: every unit starts facing right (Facing 0)
    // with AnimFrame 1 and AnimDelay 1.
    Unit& Place(int index, int type, int owner, int col, int row, const std::string& name = "")
    {
        ScriptedRandom creation({0.0f, 0.0f, 0.0f});
        Random* scripted = g.rnd;
        g.rnd = &creation;
        CreateUnit(g, index, type, owner);
        g.rnd = scripted;
        Unit& u = g.U(index);
        u.PosX = static_cast<float>(col * 720);
        u.PosY = static_cast<float>(row * 720);
        u.Name = name;
        if (index > g.UnitCount)
            g.UnitCount = index;
        return u;
    }

    Game g;
    ScriptedRandom rnd;
    RecordingCanvas canvas;
    ScriptedShell shell;
};

// The same match as a TEST_F fixture: the test body reaches g, rnd, canvas,
// shell and Place directly.
class ScriptedMatchTest : public ::testing::Test, public ScriptedMatch {};

// A value that makes Int(Rnd * n) come out as k.
inline float Pick(int k, int n)
{
    return (static_cast<float>(k) + 0.5f) / static_cast<float>(n);
}

} // namespace gh::testing
