"""A private X session for playing the real program: Xvfb, a window manager,
and the few things a player does with it (find a window by its title, click,
press keys, look at the screen). Only standard Python and the X tools that
tools/install-deps installs; a missing tool is a failure, never a skip."""

import os
import re
import shutil
import struct
import subprocess
import tempfile
import time
import zlib

TOOLS = ("Xvfb", "openbox", "xdotool", "xprop", "xwininfo", "xwd")

# How long to wait for anything the program or the X server should do, in
# seconds. Every wait ends as soon as what it waits for is there, so this only
# decides how soon a program that hangs is given up on: a busy machine (a
# build beside the test, the sanitizers) may take many seconds for one step.
PATIENCE = 240


class Failure(Exception):
    pass


def require_tools():
    missing = [t for t in TOOLS if shutil.which(t) is None]
    if missing:
        raise Failure("missing tools: " + " ".join(missing) + " (run tools/install-deps)")


class Screen:
    """One screenshot: packed RGB rows."""

    def __init__(self, width, height, rgb):
        self.width, self.height, self.rgb = width, height, rgb

    def pixel(self, x, y):
        i = (y * self.width + x) * 3
        return tuple(self.rgb[i : i + 3])

    def save_png(self, path):
        stride = self.width * 3
        raw = b"".join(b"\0" + bytes(self.rgb[y * stride : (y + 1) * stride]) for y in range(self.height))

        def chunk(kind, data):
            return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data))

        header = struct.pack(">IIBBBBB", self.width, self.height, 8, 2, 0, 0, 0)
        with open(path, "wb") as f:
            f.write(b"\x89PNG\r\n\x1a\n")
            f.write(chunk(b"IHDR", header))
            f.write(chunk(b"IDAT", zlib.compress(raw, 3)))
            f.write(chunk(b"IEND", b""))

    def count(self, colour, x0, y0, x1, y1):
        """Pixels of exactly this colour in [x0, x1) x [y0, y1)."""
        x0, y0 = max(0, x0), max(0, y0)
        x1, y1 = min(self.width, x1), min(self.height, y1)
        n = 0
        for y in range(y0, y1):
            for x in range(x0, x1):
                if self.pixel(x, y) == colour:
                    n += 1
        return n

    def find(self, colour, x0, y0, x1, y1):
        """Every (x, y) of exactly this colour in the rectangle."""
        out = []
        target = bytes(colour)
        for y in range(max(0, y0), min(self.height, y1)):
            row = bytes(self.rgb[(y * self.width + x0) * 3 : (y * self.width + x1) * 3])
            start = 0
            while True:
                i = row.find(target, start)
                if i < 0:
                    break
                if i % 3 == 0:
                    out.append((x0 + i // 3, y))
                start = i + 1
        return out


def parse_xwd(data):
    fields = struct.unpack(">25I", data[:100])
    header_size, version, fmt, depth, width, height = fields[:6]
    byte_order, bits_per_pixel, bytes_per_line, ncolors = fields[7], fields[11], fields[12], fields[19]
    # With windows of more than one visual on the screen xwd writes three
    # bytes a pixel, otherwise four; the header says which.
    step = bits_per_pixel // 8
    if version != 7 or fmt != 2 or step not in (3, 4) or bytes_per_line < width * step:
        raise Failure("unexpected xwd picture (version %d, format %d, %d bits)" % (version, fmt, bits_per_pixel))
    start = header_size + 12 * ncolors
    pixels = data[start : start + bytes_per_line * height]
    if bytes_per_line != width * step:
        pixels = b"".join(pixels[y * bytes_per_line : y * bytes_per_line + width * step] for y in range(height))
    rgb = bytearray(width * height * 3)
    if byte_order == 0:  # least significant byte first: B, G, R (, pad)
        rgb[0::3], rgb[1::3], rgb[2::3] = pixels[2::step], pixels[1::step], pixels[0::step]
    else:
        rgb[0::3], rgb[1::3], rgb[2::3] = pixels[step - 3 :: step], pixels[step - 2 :: step], pixels[step - 1 :: step]
    return Screen(width, height, rgb)


def window_ids(xprop_output):
    """The windows of a list property as xprop prints it."""
    if not xprop_output or "#" not in xprop_output:
        return []
    return [int(w.strip(), 16) for w in xprop_output.split("#", 1)[1].split(",") if w.strip()]


class XSession:
    def __init__(self, width=1920, height=1080):
        require_tools()
        self.tmp = tempfile.mkdtemp(prefix="gh-x11-")
        self.procs = []
        read_fd, write_fd = os.pipe()
        self.xvfb = subprocess.Popen(
            ["Xvfb", "-displayfd", str(write_fd), "-screen", "0", "%dx%dx24" % (width, height), "-nolisten", "tcp"],
            pass_fds=(write_fd,),
            stdout=subprocess.DEVNULL,
            stderr=open(os.path.join(self.tmp, "xvfb.log"), "wb"),
        )
        self.procs.append(self.xvfb)
        os.close(write_fd)
        number = b""
        with os.fdopen(read_fd, "rb") as r:
            while not number.endswith(b"\n"):
                c = r.read(1)
                if not c:
                    raise Failure("Xvfb did not start")
                number += c
        self.display = ":" + number.decode().strip()
        # The game saves and remembers settings: into this session's folder,
        # never the developer's home.
        self.env = dict(os.environ, DISPLAY=self.display, HOME=self.tmp,
                        XDG_CONFIG_HOME=os.path.join(self.tmp, "config"),
                        XDG_DATA_HOME=os.path.join(self.tmp, "data"))
        # The window manager keeps its own settings out of the developer's home.
        self.wm = self.spawn(["openbox", "--sm-disable"], log="openbox.log")
        self.wait(self.wm_running, PATIENCE, "the window manager to start",
                  lambda: "openbox %s" % ("running" if self.wm.poll() is None else "ended with %s" % self.wm.poll()))

    def spawn(self, argv, log, env=None):
        p = subprocess.Popen(
            argv,
            env=env or self.env,
            stdin=subprocess.DEVNULL,
            stdout=subprocess.DEVNULL,
            stderr=open(os.path.join(self.tmp, log), "wb"),
        )
        self.procs.append(p)
        return p

    def close(self):
        for p in reversed(self.procs):
            if p.poll() is None:
                p.terminate()
                try:
                    p.wait(5)
                except subprocess.TimeoutExpired:
                    p.kill()
                    p.wait()
        shutil.rmtree(self.tmp, ignore_errors=True)

    # --- asking the X server and the window manager -----------------------
    def run(self, *argv):
        # In the C locale xprop writes every byte past ASCII as an octal escape,
        # which managed_windows() reads back into UTF-8.
        try:
            r = subprocess.run(argv, env=dict(self.env, LC_ALL="C"), capture_output=True, text=True,
                               timeout=PATIENCE)
        except subprocess.TimeoutExpired:
            raise Failure("%s did not finish within %d s" % (" ".join(argv), PATIENCE))
        return r.stdout if r.returncode == 0 else None

    def wm_running(self):
        out = self.run("xprop", "-root", "_NET_SUPPORTING_WM_CHECK")
        return out is not None and "window id" in out

    def managed_windows(self):
        """The windows the window manager manages, as (id, title)."""
        found = []
        for w in window_ids(self.run("xprop", "-root", "_NET_CLIENT_LIST")):
            name = self.run("xprop", "-id", str(w), "-notype", "_NET_WM_NAME") or ""
            if "=" in name:
                title = name.split("=", 1)[1].strip()
                if title.startswith('"') and title.endswith('"'):
                    title = title[1:-1].encode("latin-1", "backslashreplace").decode("unicode_escape")
                    title = title.encode("latin-1").decode("utf-8")
                found.append((w, title))
        return found

    def windows_titled(self, title):
        return [w for w, t in self.managed_windows() if t == title]

    def describe_windows(self):
        """What the window manager shows, for a failure message."""
        shown = ['%d "%s"' % (w, t) for w, t in self.managed_windows()]
        return "windows: " + (", ".join(shown) if shown else "none")

    def wait(self, condition, seconds, what, seen=None):
        """Polls `condition` until it holds and returns its result. After
        `seconds` without it, fails naming what was awaited and, from `seen`,
        what there was instead."""
        start = time.monotonic()
        while True:
            result = condition()
            if result:
                return result
            if time.monotonic() - start > seconds:
                message = "waited %d s for %s" % (seconds, what)
                if seen is not None:
                    try:
                        message += "; seen instead: " + seen()
                    except Failure as e:
                        message += "; could not look: %s" % e
                raise Failure(message)
            time.sleep(0.2)

    def settled(self, window, last):
        """The window's place if it is on the screen and has not moved since
        `last` (a list holding the previous look), else None."""
        place = self.geometry_or_none(window) if self.viewable(window) else None
        previous, last[:] = (last[0] if last else None), [place]
        return place if place is not None and place == previous else None

    def wait_window(self, title, seconds=PATIENCE, exclude=()):
        """A window with this title that the window manager manages, once it
        is on the screen and stays where it is: a click goes where the
        player sees the window, not where it was a moment before it settled."""
        last = []

        def found():
            ws = [w for w in self.windows_titled(title) if w not in exclude]
            return ws[-1] if ws and self.settled(ws[-1], last) else None

        return self.wait(found, seconds, 'a window titled "%s" to show and settle' % title, self.describe_windows)

    def wait_settled(self, window, seconds=PATIENCE):
        """The window's place once it is on the screen and stays there, or
        None if it closes first."""
        last = []

        def state():
            if window not in [w for w, _ in self.managed_windows()]:
                return "gone"
            return self.settled(window, last)

        place = self.wait(state, seconds, "window %d to show and settle" % window, self.describe_windows)
        return None if place == "gone" else place

    def wait_gone(self, window, seconds=PATIENCE):
        self.wait(lambda: window not in [w for w, _ in self.managed_windows()], seconds,
                  "window %d to close" % window, self.describe_windows)

    def has_focus(self, window):
        """Whether the keyboard's input goes to this window: the window
        manager calls it active and the X server gives it the focus."""
        focus = self.run("xdotool", "getwindowfocus", "-f")
        return self.active_window() == window and focus is not None and focus.strip() == str(window)

    def geometry(self, window):
        """Client area on the screen: (x, y, width, height). xwininfo reports
        the client's own corner; xdotool's can be off by the frame under a
        reparenting window manager."""
        place = self.geometry_or_none(window)
        if place is None:
            raise Failure("no geometry for window %d (closed?); %s" % (window, self.describe_windows()))
        return place

    def geometry_or_none(self, window):
        out = self.run("xwininfo", "-id", str(window)) or ""
        values = {}
        for key, pattern in (("x", "Absolute upper-left X"), ("y", "Absolute upper-left Y"),
                             ("w", "Width"), ("h", "Height")):
            m = re.search(r"^\s*" + pattern + r":\s*(-?\d+)", out, re.M)
            if not m:
                return None
            values[key] = int(m.group(1))
        return values["x"], values["y"], values["w"], values["h"]

    def viewable(self, window):
        out = self.run("xwininfo", "-id", str(window)) or ""
        return "IsViewable" in out

    def net_wm_state(self, window):
        return self.run("xprop", "-id", str(window), "_NET_WM_STATE") or ""

    def active_window(self):
        out = self.run("xdotool", "getactivewindow")
        return int(out) if out and out.strip().isdigit() else None

    # --- what the player does ----------------------------------------------
    def move(self, x, y):
        self.run("xdotool", "mousemove", "--sync", str(x), str(y))

    def click(self, x, y, button=1):
        self.move(x, y)
        time.sleep(0.05)
        self.run("xdotool", "click", str(button))
        time.sleep(0.15)

    def click_in(self, window, x, y, button=1):
        """A click at a point of a window's client area, in pixels."""
        wx, wy, _, _ = self.geometry(window)
        self.click(wx + x, wy + y, button)

    def drag(self, x0, y0, x1, y1):
        self.move(x0, y0)
        self.run("xdotool", "mousedown", "1")
        for i in range(1, 9):
            self.move(x0 + (x1 - x0) * i // 8, y0 + (y1 - y0) * i // 8)
            time.sleep(0.03)
        self.run("xdotool", "mouseup", "1")
        time.sleep(0.15)

    def key(self, *keys):
        self.run("xdotool", "key", "--delay", "60", *keys)
        time.sleep(0.15)

    def capture(self, *target):
        try:
            data = subprocess.run(["xwd", "-silent", *target], env=self.env, capture_output=True,
                                  timeout=PATIENCE).stdout
        except subprocess.TimeoutExpired:
            raise Failure("xwd took no picture within %d s" % PATIENCE)
        if not data:
            raise Failure("xwd took no picture")
        return parse_xwd(data)

    def screen(self):
        """What the player sees. xwd's picture of the whole screen leaves the
        inside of windows whose visual differs from the root's black, so each
        managed window is laid over it from its own picture, bottom first."""
        shot = self.capture("-root")
        out = self.run("xprop", "-root", "_NET_CLIENT_LIST_STACKING") or ""
        for w in window_ids(out):
            try:
                x, y, width, height = self.geometry(w)
                part = self.capture("-id", str(w))
            except Failure:
                continue  # closed meanwhile
            for row in range(part.height):
                sy = y + row
                if not 0 <= sy < shot.height:
                    continue
                x0, x1 = max(0, x), min(shot.width, x + part.width)
                if x0 >= x1:
                    continue
                src = (row * part.width + (x0 - x)) * 3
                dst = (sy * shot.width + x0) * 3
                shot.rgb[dst : dst + (x1 - x0) * 3] = part.rgb[src : src + (x1 - x0) * 3]
        return shot
