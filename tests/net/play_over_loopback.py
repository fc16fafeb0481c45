#!/usr/bin/env python3
"""Real network matches between real processes: a headless host and two bot
peers (grimhollow-host), one of them through a relay of the test's own that
splits what passes into single bytes, delays it with jitter, stalls it and
resets the connection once. Every peer must end with the host's journal
length and state hash. Then a host is stopped with SIGTERM mid-match: it
writes its autosave and says goodbye to its peer.

usage: play_over_loopback.py GRIMHOLLOW_HOST

Where the machine lets an unprivileged user make a network namespace
(unshare -rn), everything runs inside one of its own, so that nothing else
can reach it; otherwise on the loopback address. Every wait is bounded."""

import os
import re
import select
import shutil
import signal
import socket
import struct
import subprocess
import sys
import tempfile
import threading
import time

PATIENCE = 600  # seconds for a whole match; a hang fails, it never waits forever


class Failure(Exception):
    pass


def in_own_namespace():
    """Runs this script again inside a network namespace of its own, when
    the machine allows it. Returns the exit status, or None to go on here."""
    if os.environ.get("GH_NET_NAMESPACE") or not shutil.which("unshare") or not shutil.which("ip"):
        return None
    probe = subprocess.run(["unshare", "-rn", "true"], capture_output=True)
    if probe.returncode != 0:
        return None
    env = dict(os.environ, GH_NET_NAMESPACE="1")
    cmd = 'ip link set lo up && exec "$0" "$@"'
    r = subprocess.run(["unshare", "-rn", "sh", "-c", cmd, sys.executable] + sys.argv, env=env)
    return r.returncode


def namespace_of_our_own():
    """Whether this process runs in a network namespace that holds nothing
    but its loopback, as one made by in_own_namespace does. The variable
    alone is not trusted: set from outside, it would put the veth pair on
    the machine's own network."""
    if not os.environ.get("GH_NET_NAMESPACE"):
        return False
    links = subprocess.run(["ip", "-o", "link", "show"], capture_output=True, text=True)
    names = [line.split(":")[1].strip() for line in links.stdout.splitlines() if line.count(":") >= 2]
    return links.returncode == 0 and names == ["lo"]


class Relay:
    """Forwards one port to another, badly: the first `split` bytes each way
    one at a time, every piece after a jittered delay (in order), one stall
    of 1.5 s down, and the first connection reset (RST) once the host has
    sent it `reset_after` bytes. One thread, one select loop."""

    def __init__(self, target_port, reset_after=40000, split=3000, stall=True):
        self.target = target_port
        self.reset_after = reset_after
        self.split = split
        self.stall = stall
        self.resets = 0
        self.connections = 0
        self.server = socket.socket()
        self.server.setsockopt(socket.SOL_SOCKET, socket.SO_REUSEADDR, 1)
        self.server.bind(("127.0.0.1", 0))
        self.server.listen(8)
        self.port = self.server.getsockname()[1]
        self.stop = False
        self.pipes = []  # [src, dst, queue of (at, bytes), last_at, sent, down, pair]
        self.seed = 12345
        threading.Thread(target=self.loop, daemon=True).start()

    def jitter(self):
        self.seed = (self.seed * 1103515245 + 12345) % 2147483648
        return (self.seed % 8) / 1000.0

    def close_pair(self, pair, rst):
        for s in pair["socks"]:
            try:
                if rst:
                    s.setsockopt(socket.SOL_SOCKET, socket.SO_LINGER, struct.pack("ii", 1, 0))
                s.close()
            except OSError:
                pass
        pair["closed"] = True
        self.pipes = [p for p in self.pipes if not p["pair"]["closed"]]

    def loop(self):
        while not self.stop:
            now = time.monotonic()
            wait = 0.05
            for p in self.pipes:
                if p["queue"]:
                    wait = max(0.0, min(wait, p["queue"][0][0] - now))
            readable = [self.server] + [p["src"] for p in self.pipes if not p.get("eof")]
            try:
                r, _, _ = select.select(readable, [], [], wait)
            except (OSError, ValueError):
                r = []
            now = time.monotonic()
            if self.server in r:
                client, _ = self.server.accept()
                try:
                    upstream = socket.create_connection(("127.0.0.1", self.target), timeout=10)
                    upstream.settimeout(None)
                except OSError:
                    client.close()
                    upstream = None
                if upstream:
                    self.connections += 1
                    pair = {"socks": (client, upstream), "closed": False, "first": self.connections == 1}
                    for src, dst, down in ((client, upstream, False), (upstream, client, True)):
                        self.pipes.append({"src": src, "dst": dst, "queue": [], "last": now, "sent": 0,
                                           "down": down, "pair": pair})
            for p in list(self.pipes):
                if p["pair"]["closed"]:
                    continue
                if p["src"] in r:
                    try:
                        data = p["src"].recv(65536)
                    except OSError:
                        data = b""
                    if not data:
                        p["eof"] = True  # what is queued still goes, then the pair closes
                        data = b""
                    pieces = [data] if data else []
                    if data and p["sent"] < self.split:
                        pieces = [data[i:i + 1] for i in range(len(data))]
                    for piece in pieces:
                        at = max(p["last"], now + self.jitter())
                        if p["down"] and self.stall and p["sent"] > 20000:
                            self.stall = False
                            at += 1.5
                        p["last"] = at
                        p["queue"].append((at, piece))
                        p["sent"] += len(piece)
                if p.get("eof") and not p["queue"]:
                    self.close_pair(p["pair"], False)
                    continue
                while p["queue"] and p["queue"][0][0] <= now and not p["pair"]["closed"]:
                    piece = p["queue"].pop(0)[1]
                    try:
                        p["dst"].sendall(piece)
                    except OSError:
                        self.close_pair(p["pair"], False)
                        break
                    if p["down"]:
                        p["delivered"] = p.get("delivered", 0) + len(piece)
                        if p["pair"]["first"] and p["delivered"] >= self.reset_after:
                            self.resets += 1
                            self.close_pair(p["pair"], True)
                            break


class Run:
    def __init__(self, program):
        self.program = program
        self.tmp = tempfile.mkdtemp(prefix="gh-net-")
        self.env = dict(os.environ, HOME=self.tmp, XDG_DATA_HOME=os.path.join(self.tmp, "data"),
                        XDG_CONFIG_HOME=os.path.join(self.tmp, "config"))
        self.procs = []

    def start(self, args, name):
        out = open(os.path.join(self.tmp, name + ".out"), "w+")
        p = subprocess.Popen([self.program] + args, env=self.env, stdout=out, stderr=subprocess.STDOUT,
                             stdin=subprocess.DEVNULL)
        p.out_path = out.name
        self.procs.append(p)
        return p

    def output(self, p):
        with open(p.out_path) as f:
            return f.read()

    def wait_line(self, p, pattern, seconds):
        start = time.monotonic()
        while time.monotonic() - start < seconds:
            m = re.search(pattern, self.output(p), re.M)
            if m:
                return m
            if p.poll() is not None:
                break
            time.sleep(0.1)
        raise Failure("waited %d s for /%s/; the program said:\n%s" % (seconds, pattern, self.output(p)))

    def wait_exit(self, p, seconds, what):
        try:
            return p.wait(seconds)
        except subprocess.TimeoutExpired:
            raise Failure("%s did not end within %d s; it said:\n%s" % (what, seconds, self.output(p)))

    def close(self):
        for p in self.procs:
            if p.poll() is None:
                p.kill()
                p.wait()
        shutil.rmtree(self.tmp, ignore_errors=True)


def match_through_a_bad_relay(run):
    host = run.start(["--listen", "127.0.0.1", "--port", "0", "--heroes", "3", "--persons", "2", "--seed", "4",
                      "--days", "2", "--pace", "1", "--journal", os.path.join(run.tmp, "host.ghrec")], "host")
    port = int(run.wait_line(host, r"^listening on 127\.0\.0\.1:(\d+)$", 60).group(1))
    relay = Relay(port)
    a = run.start(["--join", "127.0.0.1:%d" % relay.port, "--name", "Relayed", "--seed", "1"], "a")
    b = run.start(["--join", "127.0.0.1:%d" % port, "--name", "Direct", "--seed", "2"], "b")
    for p, what in ((host, "the host"), (a, "the relayed peer"), (b, "the direct peer")):
        if run.wait_exit(p, PATIENCE, what) != 0:
            raise Failure("%s failed:\n%s" % (what, run.output(p)))
    relay.stop = True
    result = re.search(r"^result: winner (-?\d+), day (\d+), lines (\d+), hash ([0-9a-f]{16})$",
                       run.output(host), re.M)
    if not result:
        raise Failure("the host printed no result:\n" + run.output(host))
    lines, digest = result.group(3), result.group(4)
    for p, what in ((a, "the relayed peer"), (b, "the direct peer")):
        got = re.search(r"^peer: side (\d), lines (\d+), hash (\S+)$", run.output(p), re.M)
        if not got or got.group(2) != lines or got.group(3) != digest:
            raise Failure("%s ends elsewhere than the host (lines %s, hash %s):\n%s"
                          % (what, lines, digest, run.output(p)))
    if relay.resets < 1 or "rejoined: Relayed" not in run.output(host):
        raise Failure("the relay's reset did not make the peer rejoin (resets %d):\n%s"
                      % (relay.resets, run.output(host)))
    print("a match through the relay: %s lines, hash %s on all three; %d reset, rejoined"
          % (lines, digest, relay.resets))


def host_stopped_mid_match(run):
    save = os.path.join(run.tmp, "stopped.ghsave")
    host = run.start(["--listen", "127.0.0.1", "--port", "0", "--heroes", "2", "--persons", "1", "--seed", "9",
                      "--pace", "50", "--autosave", save], "host2")
    port = int(run.wait_line(host, r"^listening on 127\.0\.0\.1:(\d+)$", 60).group(1))
    peer = run.start(["--join", "127.0.0.1:%d" % port, "--name", "Left", "--seed", "3"], "peer2")
    run.wait_line(host, r"^started$", 60)
    # A tick every 50 ms: the match is young when the signal comes.
    time.sleep(0.3)
    host.send_signal(signal.SIGTERM)
    if run.wait_exit(host, 120, "the stopped host") != 0:
        raise Failure("the stopped host failed:\n" + run.output(host))
    if run.wait_exit(peer, 120, "the peer of the stopped host") != 0:
        raise Failure("the peer of the stopped host failed:\n" + run.output(peer))
    if "autosave: " + save not in run.output(host) or not os.path.getsize(save):
        raise Failure("the stopped host wrote no autosave:\n" + run.output(host))
    with open(save, encoding="utf-8") as f:
        if "grimhollow" not in f.read(200):
            raise Failure("the autosave is not a save")
    print("a host stopped by SIGTERM: autosave written, its peer told")


def a_link_cut_and_restored(run):
    """A peer in a network namespace of its own, joined to the host's by a
    veth pair; the link goes down for 20 s (GH_NET_CUT_SECONDS) and comes back. The host notices
    the silence within 15 s, the peer is back within 5 s of the link, and
    at the end it holds the host's journal and hash.
    Runs only inside the namespace the test made for itself (main checks it
    holds nothing but loopback): the
    10.9.0.0/24 addresses are on the veth pair it creates there and reach
    nothing outside."""
    inner = subprocess.Popen(
        ["unshare", "-n", "sh", "-c",
         'read go && ip link set lo up && ip addr add 10.9.0.2/24 dev v1 && ip link set v1 up && exec "$0" "$@"',
         run.program, "--join", "10.9.0.1:%d" % 27199, "--name", "Far", "--seed", "6"],
        env=run.env, stdin=subprocess.PIPE, stdout=open(os.path.join(run.tmp, "far.out"), "w"),
        stderr=subprocess.STDOUT)
    inner.out_path = os.path.join(run.tmp, "far.out")
    run.procs.append(inner)
    # The pair's far end goes into the far peer's namespace, which exists
    # only once unshare has made it: on a busy machine the process starts
    # in ours, and an end moved in then would stay here.
    ours = os.readlink("/proc/self/ns/net")
    deadline = time.monotonic() + 60
    while True:
        try:
            theirs = os.readlink("/proc/%d/ns/net" % inner.pid)
        except OSError:
            theirs = None
        if theirs and theirs != ours:
            break
        if inner.poll() is not None or time.monotonic() > deadline:
            raise Failure("the far peer's namespace never came (it is in %s, ours is %s; status %s)"
                          % (theirs, ours, inner.poll()))
        time.sleep(0.05)
    try:
        subprocess.run(["ip", "link", "add", "v0", "type", "veth", "peer", "name", "v1", "netns", str(inner.pid)],
                       check=True, capture_output=True)
        subprocess.run(["ip", "addr", "add", "10.9.0.1/24", "dev", "v0"], check=True, capture_output=True)
        subprocess.run(["ip", "link", "set", "v0", "up"], check=True, capture_output=True)
    except subprocess.CalledProcessError as e:
        raise Failure("could not make the veth pair: %s" % e.stderr.decode(errors="replace"))
    host = run.start(["--listen", "10.9.0.1", "--port", "27199", "--heroes", "2", "--persons", "1", "--seed", "12",
                      "--pace", "8", "--autosave", os.path.join(run.tmp, "cut.ghsave")], "cut-host")
    run.wait_line(host, r"^listening on", 60)
    inner.stdin.write(b"go\n")
    inner.stdin.close()
    try:
        run.wait_line(host, r"^started$", 60)
    except Failure as e:
        raise Failure("%s\nthe far peer (status %s) said:\n%s" % (e, inner.poll(), run.output(inner)))
    time.sleep(2)
    subprocess.run(["ip", "link", "set", "v0", "down"], check=True)
    cut = time.monotonic()
    run.wait_line(host, r"^dropped Far: silent", 40)
    noticed = time.monotonic() - cut
    down = float(os.environ.get("GH_NET_CUT_SECONDS", "20"))
    while time.monotonic() - cut < down:
        time.sleep(0.1)
    subprocess.run(["ip", "link", "set", "v0", "up"], check=True)
    up = time.monotonic()
    run.wait_line(host, r"^rejoined: Far", 60)
    back = time.monotonic() - up
    time.sleep(2)
    host.send_signal(signal.SIGTERM)
    if run.wait_exit(host, 120, "the host") != 0 or run.wait_exit(inner, 120, "the far peer") != 0:
        raise Failure("the host or the far peer failed:\n%s\n%s" % (run.output(host), run.output(inner)))
    result = re.search(r"^result: .*lines (\d+), hash ([0-9a-f]{16})$", run.output(host), re.M)
    far = re.search(r"^peer: side \d, lines (\d+), hash (\S+)$", run.output(inner), re.M)
    if not result or not far or result.groups() != far.groups():
        raise Failure("the far peer ends elsewhere than the host:\n%s\n%s" % (run.output(host), run.output(inner)))
    if noticed > 17 or back > 5:
        raise Failure("the silence was noticed after %.1f s (at most 15 s and a tick), the peer back %.1f s "
                      "after the link (at most 5 s)" % (noticed, back))
    print("a link down %d s: the silence noticed after %.1f s, the peer back %.1f s after the link; "
          "%s lines, hash %s on both" % (down, noticed, back, result.group(1), result.group(2)))


def main():
    if len(sys.argv) != 2:
        print(__doc__, file=sys.stderr)
        return 2
    status = in_own_namespace()
    if status is not None:
        return status
    run = Run(sys.argv[1])
    try:
        own = namespace_of_our_own()
        print("in a network namespace of its own" if own else "on loopback")
        match_through_a_bad_relay(run)
        host_stopped_mid_match(run)
        if own:
            a_link_cut_and_restored(run)
        elif os.environ.get("GH_NET_NAMESPACE"):
            print("the network namespace holds more than its loopback: the cut link is not tried")
    except Failure as e:
        print("FAIL:", e)
        return 1
    finally:
        run.close()
    return 0


if __name__ == "__main__":
    sys.exit(main())
