#!/usr/bin/env python3
"""Real sound on a machine without speakers: a PulseAudio server of the test's
own whose only output is a null sink, an X server (Xvfb), and the sink's
monitor recorded while the program's sound plays.

- A blow, through the program's own sound (sound_probe), reaches the sink
  (peak above 0.1); at half the effects' volume it is scaled down by the
  volume's curve; muted, not one sample is non-zero.
- The game itself plays its calm music into the sink, and its M key stops
  every sample.
- With GStreamer's plugins out of reach, the game still starts, says so in
  one line, and runs.

usage: null_sink_output.py SOURCE_DIR GRIMHOLLOW SOUND_PROBE
tools/install-deps (what the README's commands run) installs PulseAudio and
the rest first."""

import array
import math
import os
import shutil
import subprocess
import sys
import tempfile
import time

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HERE, "..", "x11"))
from xsession import PATIENCE, Failure, XSession  # noqa: E402

RATE = 44100


class Pulse:
    """A PulseAudio server in a folder of its own, a null sink its default."""

    def __init__(self, tmp):
        self.runtime = os.path.join(tmp, "pulse-runtime")
        os.mkdir(self.runtime, 0o700)
        home = os.path.join(tmp, "pulse-home")
        os.mkdir(home)
        self.env = dict(os.environ, XDG_RUNTIME_DIR=self.runtime, HOME=home, PULSE_SERVER="")
        del self.env["PULSE_SERVER"]
        socket = os.path.join(self.runtime, "pulse", "native")
        self.log = open(os.path.join(tmp, "pulse.log"), "wb")
        self.server = subprocess.Popen(
            ["pulseaudio", "-n", "--daemonize=no", "--exit-idle-time=-1", "--use-pid-file=false",
             "--disable-shm=true", "-L", "module-null-sink sink_name=gh_null rate=%d channels=2" % RATE,
             "-L", "module-native-protocol-unix auth-anonymous=1 socket=%s" % socket],
            env=self.env, stdin=subprocess.DEVNULL, stdout=self.log, stderr=self.log)
        deadline = time.time() + 30
        while subprocess.run(["pactl", "info"], env=self.env, capture_output=True).returncode != 0:
            if self.server.poll() is not None or time.time() > deadline:
                raise Failure("the PulseAudio server did not start")
            time.sleep(0.2)
        subprocess.run(["pactl", "set-default-sink", "gh_null"], env=self.env, check=True)

    def record(self, seconds_max, run):
        """Records the sink's monitor while run() runs; answers the samples."""
        rec = subprocess.Popen(
            ["parec", "-d", "gh_null.monitor", "--format=s16le", "--rate=%d" % RATE, "--channels=2", "--raw",
             "--latency-msec=20"],
            env=self.env, stdout=subprocess.PIPE, stderr=subprocess.DEVNULL)
        time.sleep(0.3)
        try:
            run()
        finally:
            rec.terminate()
            data, _ = rec.communicate(timeout=seconds_max)
        return array.array("h", data[: len(data) // 2 * 2])

    def close(self):
        if self.server.poll() is None:
            self.server.terminate()
            try:
                self.server.wait(5)
            except subprocess.TimeoutExpired:
                self.server.kill()
                self.server.wait()


def peak(samples):
    return max((abs(s) for s in samples), default=0) / 32768.0


def energy(samples):
    return sum(float(s) * s for s in samples)


def nonzero(samples):
    return sum(1 for s in samples if s != 0)


def settings(path, effects, muted):
    with open(path, "w", encoding="utf-8") as f:
        f.write("[sound]\nmusicVolume=0\neffectsVolume=%d\nmuted=%s\n" % (effects, "true" if muted else "false"))


def main():
    if len(sys.argv) != 4:
        print(__doc__, file=sys.stderr)
        return 2
    source, game, probe = sys.argv[1:]
    r = subprocess.run([os.path.join(source, "tools", "install-deps")])
    if r.returncode != 0:
        print("FAILED: tools/install-deps", file=sys.stderr)
        return 1
    tmp = tempfile.mkdtemp(prefix="gh-sound-")
    pulse = x = None
    try:
        pulse = Pulse(tmp)
        x = XSession()
        env = dict(x.env, XDG_RUNTIME_DIR=pulse.runtime, QT_QPA_PLATFORM="xcb")
        env.pop("PULSE_SERVER", None)

        def blow(effects, muted):
            conf = os.path.join(tmp, "probe.conf")
            settings(conf, effects, muted)
            out = {}

            def run():
                p = subprocess.run([probe, conf], env=env, capture_output=True, text=True, timeout=PATIENCE)
                out["r"] = p

            samples = pulse.record(30, run)
            p = out["r"]
            if p.returncode != 0 or "blow" not in p.stdout:
                raise Failure("sound_probe ended with %d: %s" % (p.returncode, p.stderr[-2000:]))
            return samples

        # Now and then, on this loaded machine, a probe's sound does not reach
        # the sink at all (the recording holds only the monitor's first
        # buffer of silence); such a run is played again, at most twice, and
        # the retries are printed.
        retries = []

        def heard(effects):
            for attempt in range(3):
                samples = blow(effects, False)
                if peak(samples) > 0:
                    break
                retries.append(effects)
            return samples

        # Under load a recording may also catch only part of a blow (it
        # started late or stopped early), and the two no longer compare. A
        # pair out of proportion is recorded again, at most twice, and the
        # retries are printed: a real fault is out of proportion every time.
        def proportion(loud, half):
            return math.sqrt(energy(half) / max(energy(loud), 1e-9))

        for attempt in range(3):
            loud = heard(100)
            half = heard(50)
            if 0.15 <= proportion(loud, half) <= 0.35:
                break
            retries.append("a pair at %.2f (%d and %d samples)" % (proportion(loud, half), len(loud), len(half)))
        muted = blow(100, True)
        print("runs played again: %s" % (retries or "none"))
        print("blow at effects 100: peak %.3f over %d samples" % (peak(loud), len(loud)))
        # By the sound's energy, not its peak: the loud blow may touch full
        # scale and be clipped there, which a peak ratio takes for a louder
        # half. The same sound at a quarter of the amplitude has a sixteenth
        # of the energy, however much silence each recording holds.
        ratio = proportion(loud, half)
        print("blow at effects 50: peak %.3f; %.2f of the loud one's amplitude by energy" % (peak(half), ratio))
        print("blow muted: %d non-zero samples of %d" % (nonzero(muted), len(muted)))
        problems = []
        if peak(loud) <= 0.1:
            problems.append("a blow peaks at %.3f, not above 0.1" % peak(loud))
        # Half way on the ear's scale: a quarter of the amplitude.
        if not 0.15 <= ratio <= 0.35:
            problems.append("half the volume gives %.2f of the loud blow, not about 0.25" % ratio)
        if nonzero(muted) != 0:
            problems.append("muted, %d of %d samples are non-zero" % (nonzero(muted), len(muted)))

        # The game itself: its calm music, then M.
        game_env = dict(env, HOME=os.path.join(tmp, "game-home"),
                        XDG_CONFIG_HOME=os.path.join(tmp, "game-home", "config"),
                        XDG_DATA_HOME=os.path.join(tmp, "game-home", "data"))
        os.makedirs(game_env["XDG_CONFIG_HOME"])
        proc = x.spawn([game], log="game.err", env=game_env)

        def battlefield():
            for w in reversed(x.windows_titled("Grimhollow")):
                kind = x.run("xprop", "-id", str(w), "_NET_WM_WINDOW_TYPE")
                if kind and "_NET_WM_WINDOW_TYPE_SPLASH" not in kind:
                    return w
            return None

        main_window = x.wait(battlefield, PATIENCE, "the battlefield window", x.describe_windows)
        x.wait(lambda: x.active_window() == main_window, PATIENCE, "the battlefield to take the focus")
        # The music starts once the program has loaded it: listened to in
        # stretches of 2 s, for at most 30 s.
        music = array.array("h")
        for _ in range(15):
            music = pulse.record(30, lambda: time.sleep(2))
            if peak(music) > 0.1:
                break
        x.key("m")
        time.sleep(1.0)
        after_m = pulse.record(30, lambda: time.sleep(2))
        print("the game's music: peak %.3f; after M: %d non-zero samples of %d"
              % (peak(music), nonzero(after_m), len(after_m)))
        if peak(music) <= 0.1:
            problems.append("the game's music peaks at %.3f, not above 0.1" % peak(music))
        if nonzero(after_m) != 0:
            problems.append("after M, %d of %d samples are non-zero" % (nonzero(after_m), len(after_m)))
        conf = os.path.join(game_env["XDG_CONFIG_HOME"], "Grimhollow", "Grimhollow.conf")
        with open(conf, encoding="utf-8") as f:
            if "muted=true" not in f.read():
                problems.append("M was not remembered in %s" % conf)
        proc.terminate()
        proc.wait(PATIENCE)

        # GStreamer without its plugins: the game starts, says so once, runs.
        empty = os.path.join(tmp, "no-plugins")
        os.mkdir(empty)
        bare_env = dict(game_env, GST_PLUGIN_SYSTEM_PATH=empty, GST_PLUGIN_PATH="",
                        GST_REGISTRY=os.path.join(tmp, "no-plugins.registry"))
        bare = x.spawn([game], log="bare.err", env=bare_env)
        time.sleep(6)
        alive = bare.poll() is None
        bare.terminate()
        bare.wait(PATIENCE)
        with open(os.path.join(x.tmp, "bare.err"), encoding="utf-8", errors="replace") as f:
            said = [line for line in f if line.startswith("grimhollow:")]
        print("without GStreamer's plugins: %s; said %s" % ("running" if alive else "ended", said))
        if not alive:
            problems.append("without GStreamer's plugins the game ended")
        if len(said) != 1 or "no music" not in said[0]:
            problems.append("without GStreamer's plugins the game said %s" % said)
        if problems:
            raise Failure("; ".join(problems))
        print("sound reached the null sink as set")
        return 0
    except Failure as e:
        print("FAILED: %s" % e, file=sys.stderr)
        if x is not None:
            for log in ("game.err", "bare.err"):
                path = os.path.join(x.tmp, log)
                if os.path.exists(path):
                    with open(path, encoding="utf-8", errors="replace") as f:
                        sys.stderr.write("--- %s ---\n%s" % (log, f.read()[-3000:]))
        return 1
    finally:
        if x is not None:
            x.close()
        if pulse is not None:
            pulse.close()
        shutil.rmtree(tmp, ignore_errors=True)


if __name__ == "__main__":
    sys.exit(main())
