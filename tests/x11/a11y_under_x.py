#!/usr/bin/env python3
"""Reads the built grimhollow the way a screen reader does: through the
AT-SPI accessibility bus on a real X server. Every window the test opens is
walked, and every button, check box, radio button, slider, text
field, spin box and combo box on screen must carry a name; the status strip
must say whose turn it is; and «Закончить ход», pressed through the bus alone,
must pass the turn.

usage: a11y_under_x.py PROGRAM
Needs the session bus (dbus-daemon), the accessibility bus (at-spi2-core) and
Python's pyatspi, which tools/install-deps installs; without them the test
fails, it never skips. Windows are found by their accessible names and
buttons are pressed through their accessible actions: no pointer, no keys."""

import os
import subprocess
import sys
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from xsession import PATIENCE, Failure, XSession  # noqa: E402

# The roles of the controls a person acts on: each needs a name to be read.
CONTROLS = {
    "push button", "toggle button", "check box", "radio button", "slider", "spin button", "text", "entry", "password text", "combo box", "page tab",
}
# Containers whose items are rows of data, not controls: not walked into.
ROWS = {"list", "table", "tree table", "tree", "list box"}
BUS_LAUNCHER = "/usr/libexec/at-spi-bus-launcher"


class Reader:
    def __init__(self, program):
        self.x = XSession()
        try:
            self._start(program)
        except BaseException:
            self.close()
            raise

    def _start(self, program):
        x = self.x
        if not os.path.exists(BUS_LAUNCHER):
            raise Failure("missing %s (run tools/install-deps)" % BUS_LAUNCHER)
        # A session bus of the test's own: its address is the first line the
        # daemon prints.
        bus = subprocess.Popen(["dbus-daemon", "--session", "--nofork", "--print-address=1"],
                               env=x.env, stdin=subprocess.DEVNULL, stdout=subprocess.PIPE,
                               stderr=open(os.path.join(x.tmp, "dbus.log"), "wb"))
        x.procs.append(bus)
        address = bus.stdout.readline().decode().strip()
        if not address:
            raise Failure("the session bus did not start (status %s)" % bus.poll())
        x.env["DBUS_SESSION_BUS_ADDRESS"] = address
        # The buses' sockets go into the session's own runtime folder.
        runtime = os.path.join(x.tmp, "runtime")
        os.mkdir(runtime, 0o700)
        x.env["XDG_RUNTIME_DIR"] = runtime
        x.spawn([BUS_LAUNCHER, "--launch-immediately"], log="at-spi.log")
        # This process reads the tree: it talks to the same buses.
        os.environ["DBUS_SESSION_BUS_ADDRESS"] = address
        os.environ["DISPLAY"] = x.display
        os.environ.pop("NO_AT_BRIDGE", None)
        try:
            import pyatspi  # noqa: PLC0415 (needs the buses above)
        except ImportError as e:
            raise Failure("Python's pyatspi is missing (run tools/install-deps): %s" % e)
        self.atspi = pyatspi
        env = dict(x.env, QT_QPA_PLATFORM="xcb",
                   QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_ACCESSIBILITY="1",
                   PULSE_SERVER="unix:/nonexistent/pulse/native")
        env.pop("QT_QPA_PLATFORMTHEME", None)
        self.game = x.spawn([program], log="grimhollow.err", env=env)

    def close(self):
        self.x.close()

    # --- the tree -------------------------------------------------------------
    def app(self):
        """The game's application on the bus, or None before it registers."""
        try:
            for a in self.atspi.Registry.getDesktop(0):
                if a is not None and a.name == "Grimhollow":
                    a.clearCache()
                    return a
        except Exception:  # the registry is still starting
            return None
        return None

    def alive(self):
        if self.game.poll() is not None:
            raise Failure("the program ended unexpectedly (status %s)" % self.game.poll())

    def showing(self, acc):
        return acc.getState().contains(self.atspi.STATE_SHOWING)

    def walk(self, acc, path=""):
        """Every accessible under `acc` that is on screen, as (path, node),
        without going into rows of data."""
        out = []
        try:
            children = [c for c in acc]
        except Exception:  # gone while being read
            return out
        for child in children:
            if child is None:
                continue
            try:
                if not self.showing(child):
                    continue
                role = child.getRoleName()
                here = "%s/%s '%s'" % (path, role, child.name)
            except Exception:  # gone while being read
                continue
            out.append((here, child))
            if role not in ROWS:
                out.extend(self.walk(child, here))
        return out

    def windows(self):
        """The windows on screen, as (name, node)."""
        app = self.app()
        if app is None:
            return []
        found = []
        for w in app:
            try:
                if w is not None and self.showing(w):
                    found.append((w.name, w))
            except Exception:
                pass
        return found

    def describe(self):
        return "windows read: " + (", ".join("'%s'" % n for n, _ in self.windows()) or "none")

    def window(self, name, where=None):
        """The window of that name on screen (and holding `where`, a test on
        the window), once it is there."""
        def found():
            self.alive()
            for n, w in self.windows():
                try:
                    if n == name and (where is None or where(w)):
                        return w
                except Exception:  # gone while being read
                    pass
            return None
        return self.x.wait(found, PATIENCE, "a window read as '%s'" % name, self.describe)

    def control(self, window, role, name):
        for path, node in self.walk(window):
            if node.getRoleName() == role and node.name == name:
                return node
        return None

    def press(self, window, name, role="push button"):
        button = self.x.wait(lambda: self.control(window, role, name), PATIENCE,
                             "a %s '%s' in '%s'" % (role, name, window.name),
                             lambda: "; ".join(p for p, _ in self.walk(window)))
        self.do(button)

    def do(self, control):
        """Presses the control through its first action. A press that opens
        a modal box answers only once the box is closed: the call gives up
        waiting for the answer, and the test waits for what the press did."""
        action = control.queryAction()
        index = 0
        for i in range(action.nActions):
            if action.getName(i) in ("press", "Press", "click", "toggle", "Toggle"):
                index = i
                break
        try:
            action.doAction(index)
        except Exception as e:  # GLib.Error: no reply yet
            if "reply" not in str(e):
                raise

    def unnamed(self):
        """Every control on screen without a name, with its place."""
        missing = []
        for name, w in self.windows():
            for path, node in self.walk(w, "'%s'" % name):
                try:
                    if node.getRoleName() in CONTROLS and not node.name.strip():
                        missing.append(path)
                except Exception:
                    pass
        return missing


def main():
    if len(sys.argv) != 2:
        print(__doc__, file=sys.stderr)
        return 2
    r = Reader(sys.argv[1])
    problems = []
    seen = set()

    def read_all(when):
        for path in r.unnamed():
            if path not in seen:
                seen.add(path)
                problems.append("%s: no name: %s" % (when, path))

    try:
        def has_toolbar(w):
            return any(n.getRoleName() == "tool bar" for _, n in r.walk(w))

        main_window = r.window("Grimhollow", has_toolbar)
        read_all("the battlefield before a match")
        r.press(main_window, "Главное меню")
        menu = r.window("Главное Меню")
        read_all("the main menu")
        r.press(menu, "Заново")
        select = r.window("Выбор участников")
        read_all("the hero selection")
        r.press(select, "Начать")
        box = r.window("День 1")
        read_all("the first turn's announcement")
        buttons = [n for _, n in r.walk(box) if n.getRoleName() == "push button"]
        if not buttons:
            raise Failure("the announcement has no button to read: " + "; ".join(p for p, _ in r.walk(box)))
        r.do(buttons[0])
        r.x.wait(lambda: not any(n == "День 1" for n, _ in r.windows()), PATIENCE,
                 "the announcement to close", r.describe)

        def strip_text():
            for path, node in r.walk(main_window):
                if "filler 'Состояние'" in path and node.getRoleName() == "label" and node.name.startswith("Ход"):
                    return node.name
            return None

        first = r.x.wait(strip_text, PATIENCE, "the status strip to say whose turn it is",
                         lambda: "; ".join(p for p, _ in r.walk(main_window)))
        read_all("the match")

        for caption, title in (("Магия", "Магия"), ("Настройки", "Меню настроек"), ("Помощь", "Помощь")):
            r.press(main_window, caption)
            w = r.window(title)
            read_all("the window '%s'" % title)
            r.x.key("Escape")
            r.x.wait(lambda: not any(n == title for n, _ in r.windows()), PATIENCE,
                     "the window '%s' to close on Escape" % title, r.describe)

        # The turn passes on «Закончить ход» pressed through the bus: the next
        # hero's turn is announced and the strip reads it.
        r.press(main_window, "Закончить ход")
        box = r.window("День 1")
        box_buttons = [n for _, n in r.walk(box) if n.getRoleName() == "push button"]
        if not box_buttons:
            raise Failure("the second announcement has no button to read")
        r.do(box_buttons[0])
        second = r.x.wait(lambda: (lambda t: t if t and t != first else None)(strip_text()), PATIENCE,
                          "the status strip to read another hero's turn than '%s'" % first)
        print("the turn passed: '%s' then '%s'" % (first, second))
        r.alive()
    except Failure as e:
        problems.append(str(e))
    finally:
        errors = ""
        try:
            with open(os.path.join(r.x.tmp, "grimhollow.err"), errors="replace") as f:
                errors = f.read()
        except OSError:
            pass
        r.close()
    if problems:
        for p in problems:
            print("FAIL:", p)
        if errors:
            print("the program's stderr:\n" + errors)
        return 1
    print("every control read had a name")
    return 0


if __name__ == "__main__":
    try:
        sys.exit(main())
    except Failure as e:
        print("FAIL:", e)
        sys.exit(1)
