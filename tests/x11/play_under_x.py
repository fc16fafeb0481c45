#!/usr/bin/env python3
"""Plays the built grimhollow the way a person does, on a real X server with a
real window manager, through the mouse and the keyboard only: a match of
three heroes is configured, the person's hero is selected, walked, inspected,
the magic and settings dialogs are used, the computer sides play a round, and
the program is left through its own exit question.

usage: play_under_x.py PROGRAM SHOTS_DIR
Every window is found by its title in the window manager's client list; the
controls inside a dialog are found from the dialog's fixed layout in twips
(15 twips a pixel), the toolbar's buttons and the units from the screen."""

import os
import re
import subprocess
import sys
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from xsession import Failure, XSession  # noqa: E402

TWIPS = 15
CELL = 48  # pixels
FIELD_TOP = 58  # the toolbar's 870 twips
TEAM_1 = (220, 40, 40)  # the first hero's colour on his picture
SELECTION = (0, 255, 0)  # the frame round the selected unit
DARK = 100  # no channel above this: an empty cell of the field, its ground or the reach's tint
FOE_MARK = (255, 150, 20)  # the corners round an enemy the selected unit can fight
HINT_EDGE = (125, 125, 125)  # the edge of the panel of hints beside the pointer

# Lines the program may write on stderr, and nothing else. The X server of a
# test has no session bus and no input method: Qt says so once and carries on.
EXPECTED_STDERR = [
    r"^qt\.qpa\.xcb: X server does not support XInput 2$",
    r"^qt\.qpa\..*: .*(dbus|D-Bus|input method|XDG_RUNTIME_DIR).*$",
]


def twips(v):
    return v // TWIPS


def centre_of(left, top, width, height):
    """The centre of a control laid out in twips, in client pixels."""
    return twips(left) + twips(width) // 2, twips(top) + twips(height) // 2


class Play:
    def __init__(self, program, shots):
        self.program, self.shots = program, shots
        os.makedirs(shots, exist_ok=True)
        for old in os.listdir(shots):
            if old.endswith(".png"):
                os.remove(os.path.join(shots, old))
        self.step = 0
        self.x = XSession()
        runtime = os.path.join(self.x.tmp, "runtime")
        os.mkdir(runtime, 0o700)
        env = dict(self.x.env, XDG_RUNTIME_DIR=runtime, QT_QPA_PLATFORM="xcb")
        env.pop("QT_QPA_PLATFORMTHEME", None)
        self.stderr_path = os.path.join(self.x.tmp, "grimhollow.err")
        self.game = self.x.spawn([program], log="grimhollow.err", env=env)

    def shot(self, name):
        self.step += 1
        screen = self.x.screen()
        screen.save_png(os.path.join(self.shots, "%02d-%s.png" % (self.step, name)))
        return screen

    def check(self, condition, what):
        if not condition:
            try:
                self.shot("failed")
            except Failure:
                pass
            raise Failure(what)

    def alive(self):
        self.check(self.game.poll() is None, "the program ended unexpectedly (status %s)" % self.game.poll())

    # --- the battlefield ------------------------------------------------------
    def toolbar_buttons(self):
        """Centres of the seven toolbar buttons, found by their icons."""
        s = self.x.screen()
        background = s.pixel(s.width - 10, 20)
        columns = [x for x in range(s.width) if any(s.pixel(x, y) != background for y in range(4, 38))]
        runs = []
        for x in columns:
            if runs and x - runs[-1][1] <= 12:
                runs[-1][1] = x
            else:
                runs.append([x, x])
        self.check(len(runs) == 7, "the toolbar shows %d buttons, not 7" % len(runs))
        return [((a + b) // 2, 20) for a, b in runs]

    def press(self, caption):
        index = ["Главное меню", "Магия", "Дипломатия", "Закончить ход", "Сдаться", "Настройки", "Помощь"]
        x, y = self.buttons[index.index(caption)]
        self.x.click(x, y)

    def hero_cell(self, screen):
        """The cell of the first hero, the only unit in his colour at the start."""
        points = screen.find(TEAM_1, 0, FIELD_TOP, screen.width - 30, screen.height - 30)
        self.check(points, "the first hero is nowhere on the field")
        cells = {}
        for x, y in points:
            cells[(x // CELL, y // CELL)] = cells.get((x // CELL, y // CELL), 0) + 1
        return max(cells, key=cells.get)

    def cell_empty(self, screen, col, row):
        # Dark (the ground, its grid and the reach's tint are) but for the
        # frames of the selection and of the pointer's cell, which reach into
        # the neighbouring cells.
        x0, y0 = col * CELL, row * CELL
        if y0 < FIELD_TOP + CELL or col < 1:
            return False
        frames = screen.count(SELECTION, x0, y0, x0 + CELL, y0 + CELL) + screen.count((255, 0, 0), x0, y0, x0 + CELL, y0 + CELL)
        dark = sum(max(screen.pixel(x, y)) <= DARK for y in range(y0, y0 + CELL) for x in range(x0, x0 + CELL))
        return dark + frames == CELL * CELL

    def selected_at(self, screen, col, row):
        # The frame is 65 pixels square, 8 pixels up and left of the cell.
        x0, y0 = col * CELL - 8, row * CELL - 8
        return screen.count(SELECTION, x0, y0, x0 + 65, y0 + 65) > 100

    def wait_selected(self, col, row, what):
        try:
            self.x.wait(lambda: self.selected_at(self.x.screen(), col, row), 10, "the selection frame")
        except Failure:
            self.check(False, what)

    def cell_centre(self, col, row):
        return col * CELL + CELL // 2, row * CELL + CELL // 2

    # --- the dialogs ------------------------------------------------------------
    def answer_box(self, title, keys=("Return",), exclude=()):
        box = self.x.wait_window(title, 60, exclude)
        self.shot("box-" + re.sub(r"\W+", "-", title).strip("-"))
        self.press_keys_on(box, keys)
        return box

    def press_keys_on(self, window, keys):
        """Keys to a window the player has clicked into first. The window
        manager may hand the focus on as another window maps at the same
        moment, so a box that is still there is clicked and tried again."""
        x = self.x
        for attempt in range(4):
            x.run("xdotool", "windowactivate", "--sync", str(window))
            wx, wy, ww, _ = x.geometry(window)
            x.click(wx + ww // 2, wy + 4)  # the box's own surface, above its text
            x.key(*keys)
            try:
                x.wait_gone(window, 4)
                return
            except Failure:
                pass
        self.check(False, "window %d did not take the keys %s" % (window, keys))

    def check_previews(self, col, row, screen):
        """The hero is selected at (col, row): the pointer on a free cell of
        his reach shows the path and its cost beside it, and on an enemy the
        odds (or that it is out of reach). Both come in a panel of hints,
        seen by its edge; the idle animation never draws that colour."""
        x = self.x
        ring = [(1, 0), (-1, 0), (0, 1), (0, -1), (1, 1), (-1, 1), (1, -1), (-1, -1)]
        free = [(col + dc, row + dr) for dc, dr in ring if self.cell_empty(screen, col + dc, row + dr)]
        self.check(free, "no free cell next to the hero to preview a walk to")
        targets = [("cell", free[0])]
        marked = screen.find(FOE_MARK, 0, FIELD_TOP, screen.width - 30, screen.height - 30)
        if marked:
            targets.append(("enemy", (marked[0][0] // CELL, marked[0][1] // CELL)))
        else:
            # No enemy within reach: any other unit on the field is one.
            for r in range(FIELD_TOP // CELL + 1, screen.height // CELL - 1):
                for c in range(1, screen.width // CELL - 1):
                    if (c, r) != (col, row) and not self.cell_empty(screen, c, r) and screen.count(
                            (0, 0, 0), c * CELL, r * CELL, c * CELL + CELL, r * CELL + CELL) > 200:
                        targets.append(("enemy", (c, r)))
                        break
                if len(targets) > 1:
                    break
        self.check(len(targets) == 2, "no enemy on the field to hover")

        def edge(s):
            return s.count(HINT_EDGE, 0, FIELD_TOP, s.width - 30, s.height - 30)

        for what, (c, r) in targets:
            x.move(*self.cell_centre(col, row))  # back on the hero: no hints
            time.sleep(0.4)
            before = edge(x.screen())
            x.move(*self.cell_centre(c, r))
            try:
                x.wait(lambda: edge(x.screen()) > before + 200, 10, "the preview over the %s" % what)
            except Failure:
                self.check(False, "hovering the %s at %d,%d shows no preview" % (what, c, r))
            self.shot("preview-" + what)
        x.move(*self.cell_centre(col, row))
        time.sleep(0.4)

    def play(self):
        x = self.x
        # The splash screen carries the same title while the program loads;
        # the battlefield is the one that is not a splash.
        def battlefield():
            for w in reversed(x.windows_titled("Grimhollow")):
                kind = x.run("xprop", "-id", str(w), "_NET_WM_WINDOW_TYPE")  # None once it is gone
                if kind and "_NET_WM_WINDOW_TYPE_SPLASH" not in kind:
                    return w
            return None

        main = x.wait(battlefield, 60, "the battlefield window")
        time.sleep(1.5)
        gx, gy, gw, gh = x.geometry(main)
        self.check((gx, gy, gw, gh) == (0, 0, 1920, 1080), "the battlefield is %s, not the whole screen" % ((gx, gy, gw, gh),))
        self.check("_NET_WM_STATE_FULLSCREEN" in x.net_wm_state(main), "the battlefield is not full screen")
        self.check(x.active_window() == main, "the battlefield does not have the focus at start")
        self.shot("battlefield")
        self.buttons = self.toolbar_buttons()

        # The main menu, then a new match from it.
        self.press("Главное меню")
        menu = x.wait_window("Главное Меню")
        self.check(x.geometry(menu)[2:] == (twips(3165), twips(3660)), "the menu is %s" % (x.geometry(menu),))
        self.shot("menu")
        x.click_in(menu, *centre_of(480, 360, 2175, 375))  # "Заново"
        select = x.wait_window("Выбор участников")
        x.wait_gone(menu)
        self.check(x.geometry(select)[2:] == (twips(7530), twips(6150)), "the selection is %s" % (x.geometry(select),))
        self.shot("selection")
        row = 2 * 1200
        x.click_in(select, *centre_of(240, 120 + row, 375, 1095))  # Iss(2): a third hero
        x.click_in(select, *centre_of(1800, 720 + row, 2895, 375))  # Ai(2): the computer plays him
        x.click_in(select, *centre_of(1800, 240, 2895, 375))  # the first hero's name box
        x.key("ctrl+a")
        x.run("xdotool", "type", "--delay", "40", "Vasya")
        self.shot("selection-set")
        x.click_in(select, *centre_of(5880, 5520, 1455, 375))  # "Начать"

        # The first hero's turn is announced; he is the person's.
        self.answer_box("День 1")
        x.wait_gone(select)
        time.sleep(0.5)
        screen = self.shot("match")
        col, row = self.hero_cell(screen)
        self.check(not self.selected_at(screen, col, row), "the hero is selected before any click")
        x.click(*self.cell_centre(col, row))
        self.wait_selected(col, row, "a left click on the hero did not select him")
        screen = self.shot("hero-selected")
        self.check_previews(col, row, screen)

        # Two cells on, wherever the way is clear: straight on first, else any
        # free cell two steps away.
        ring = [(2, 0), (-2, 0), (0, 2), (0, -2)] + [
            (dc, dr) for dc in range(-2, 3) for dr in range(-2, 3) if max(abs(dc), abs(dr)) == 2
        ]
        for dc, dr in ring:
            if self.cell_empty(screen, col + dc, row + dr) and (
                (dc, dr) not in ring[:4] or self.cell_empty(screen, col + dc // 2, row + dr // 2)
            ):
                break
        else:
            self.check(False, "no clear cell two steps from the hero")
        x.click(*self.cell_centre(col + dc, row + dr))
        col, row = col + dc, row + dr
        x.wait(lambda: self.hero_cell(x.screen()) == (col, row), 20, "the hero to walk two cells")
        time.sleep(0.5)
        self.shot("hero-walked")

        # His statistics, sent away by a click.
        x.click(*self.cell_centre(col, row), button=3)
        info = x.wait_window("Информация")
        self.check(x.geometry(info)[2:] == (twips(6435), twips(7200)), "the information window is %s" % (x.geometry(info),))
        self.shot("info")
        x.click_in(info, *centre_of(120, 1800, 2775, 5175))
        x.wait_gone(info)

        # The spellbook: a line picked, then "Ненадо".
        self.press("Магия")
        cast = x.wait_window("Магия")
        self.check(x.geometry(cast)[2:] == (twips(8145), twips(6990)), "the magic window is %s" % (x.geometry(cast),))
        x.click_in(cast, twips(120) + 40, twips(480) + 10)
        time.sleep(0.5)
        self.shot("magic-line")
        x.click_in(cast, *centre_of(6240, 6360, 1455, 495))
        x.wait_gone(cast)

        # The settings: both sliders moved, then "Закрыть".
        self.press("Настройки")
        settings = x.wait_window("Меню настроек")
        self.check(x.geometry(settings)[2:] == (twips(5340), twips(3195)), "the settings are %s" % (x.geometry(settings),))
        before = self.shot("settings")
        sx, sy, _, _ = x.geometry(settings)
        for left, top in ((2880, 360), (2880, 1080)):
            # From the handle at the left end to three quarters of the way.
            y = sy + twips(top) + 12
            x.drag(sx + twips(left) + 6, y, sx + twips(left) + twips(2055) * 3 // 4, y)
        after = self.shot("settings-moved")
        for top in (360, 1080):
            y0 = sy + twips(top)
            changed = sum(
                before.pixel(px, py) != after.pixel(px, py)
                for py in range(y0, y0 + twips(495))
                for px in range(sx + twips(2880), sx + twips(2880 + 2055))
            )
            self.check(changed > 50, "the slider at %d twips did not move" % top)
        x.click_in(settings, *centre_of(1920, 2640, 1455, 375))
        x.wait_gone(settings)

        # The window manager offers to minimise the menu, and takes the whole
        # game off the screen with it; activating the game again, as a task
        # bar does, brings back the battlefield full screen and the menu.
        self.press("Главное меню")
        menu = x.wait_window("Главное Меню")
        x.run("xdotool", "windowminimize", "--sync", str(menu))
        x.wait(lambda: not x.viewable(menu), 10, "the menu to be minimised")
        self.shot("menu-minimised")
        x.run("xdotool", "windowactivate", "--sync", str(main))
        try:
            x.wait(lambda: x.viewable(main) and x.viewable(menu), 10, "the game to come back")
        except Failure:
            self.check(False, "the game does not come back after a minimise")
        self.check(x.geometry(main) == (0, 0, 1920, 1080), "the battlefield came back as %s" % (x.geometry(main),))
        self.shot("menu-back")
        x.click_in(menu, *centre_of(480, 1800, 2175, 375))  # "Продолжить"
        x.wait_gone(menu)

        # The turn passes; the two computer heroes and the neutrals play and
        # each turn is announced. The fourth announcement is the person's.
        self.press("Закончить ход")
        announced = 0
        deadline = time.monotonic() + 240
        while announced < 4:
            self.alive()
            self.check(time.monotonic() < deadline, "the computer sides did not finish their round")
            for w, title in x.managed_windows():
                if re.fullmatch(r"День \d+", title):
                    self.shot("turn-%d" % (announced + 1))
                    self.press_keys_on(w, ("Return",))
                    announced += 1
                    break
                if title == "Сообщение":  # a computer hero's speech
                    x.click_in(w, 20, 20)
                    x.wait_gone(w)
                    break
            else:
                time.sleep(0.2)
        time.sleep(1.0)
        screen = self.shot("person-again")
        leftover = [t for _, t in x.managed_windows() if t != "Grimhollow"]
        self.check(not leftover, "windows left open on the person's turn: %s" % leftover)
        x.click(*self.cell_centre(col, row))
        self.wait_selected(col, row, "the person cannot select his hero again")
        self.shot("person-selects")

        # Alt+F4 asks first; "Нет" keeps the game.
        x.run("xdotool", "windowactivate", "--sync", str(main))
        x.key("alt+F4")
        question = self.answer_box("Grimhollow", ("Return",), exclude=(main,))  # No is the default
        time.sleep(0.5)
        self.alive()
        self.check(main in x.windows_titled("Grimhollow"), "the battlefield closed after No")
        self.shot("after-no")

        # The menu's "Выход", answered "Да", ends the program.
        self.press("Главное меню")
        menu = x.wait_window("Главное Меню")
        x.click_in(menu, *centre_of(480, 2880, 2175, 375))  # "Выход"
        del question
        self.answer_box("Grimhollow", ("Tab", "Return"), exclude=(main,))  # from No over to Yes
        try:
            status = self.game.wait(30)
        except subprocess.TimeoutExpired:
            raise Failure("the program did not end after Yes")
        self.check(status == 0, "the program ended with status %d" % status)

    def stderr_problems(self):
        with open(self.stderr_path, encoding="utf-8", errors="replace") as f:
            lines = [line.rstrip("\n") for line in f if line.strip()]
        return [line for line in lines if not any(re.match(p, line) for p in EXPECTED_STDERR)]


def main():
    if len(sys.argv) != 3:
        print(__doc__, file=sys.stderr)
        return 2
    play = None
    try:
        play = Play(sys.argv[1], sys.argv[2])
        play.play()
        problems = play.stderr_problems()
        if problems:
            raise Failure("unexpected lines on the program's stderr:\n" + "\n".join(problems[:40]))
        print("played through; screenshots in " + sys.argv[2])
        return 0
    except Failure as e:
        print("FAILED: %s" % e, file=sys.stderr)
        if play is not None and os.path.exists(play.stderr_path):
            with open(play.stderr_path, encoding="utf-8", errors="replace") as f:
                sys.stderr.write("--- the program's stderr ---\n" + f.read()[-6000:])
        return 1
    finally:
        if play is not None:
            play.x.close()


if __name__ == "__main__":
    sys.exit(main())
