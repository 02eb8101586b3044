#!/usr/bin/python3
"""This program beside PokerTH, on the same X server in the same run.

Start: for each program, several times, the time from exec to its first
window mapped and first painted (bench/firstframe.cpp, through the X DAMAGE
extension), then, settled at its start screen, its memory (the PSS of its
whole process tree) and its CPU while nothing happens.

Screens: this program in the lobby, at one table where nothing happens, at a
10-seat table of bots playing at the server's pace (a 1920x1440 window)
and at four such tables; PokerTH at its local 10-seat game, first waiting for
the human's decision (nothing happens), then with the human on auto-fold while
its nine bots play at its default speed. At each: PSS, CPU, and while playing
the intervals between the frames the display receives (bench/frametimes.cpp).
The seats are taken beforehand over XML-RPC, so that the program's own
log-in (-authStatic) brings it back to them; PokerTH is driven with xdotool.
Prints tables and writes the figures as JSON.

    peer_compare.py BUILD_BIN [RUNS] [OUT.json]
"""

import hashlib
import json
import os
import shutil
import signal
import socket
import statistics
import subprocess
import sys
import tempfile
import time
import xmlrpc.client

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
sys.path.insert(0, os.path.join(ROOT, "scripts"))
from cookie_transport import CookieTransport  # noqa: E402

SETTLE_S = 6
IDLE_S = 10
PLAY_S = 20
DIGEST = hashlib.sha1(b"demo").hexdigest()

# A quiet table nobody plays at; for each run a 10-seat table of nine bots and
# four more (a seat left by a killed program stays taken until its session ends).
SCREEN_RUNS_MAX = 5


def tables():
    bots = lambda i, n: {"id": i, "name": n, "seats": 10, "bots": 9}
    result = [{"id": "quiet", "name": "Quiet table", "seats": 10, "bots": 0}]
    for run in range(SCREEN_RUNS_MAX):
        result.append(bots("ten-%d" % run, "Ten seats %d" % run))
        result += [bots("four-%d-%s" % (run, c), "Four %d %s" % (run, c.upper())) for c in "abcd"]
    return result


USERS = [{"name": "bench%d" % i, "password": "demo", "balance": 100000} for i in range(1, 40)]


def free_port():
    s = socket.socket()
    s.bind(("127.0.0.1", 0))
    port = s.getsockname()[1]
    s.close()
    return port


def tree(pid):
    """The process and all its descendants."""
    pids = [pid]
    for p in pids:
        try:
            with open("/proc/%d/task/%d/children" % (p, p)) as f:
                pids += [int(c) for c in f.read().split()]
        except OSError:
            pass
    return pids


def pss_mib(pid):
    total = 0
    for p in tree(pid):
        try:
            with open("/proc/%d/smaps_rollup" % p) as f:
                for line in f:
                    if line.startswith("Pss:"):
                        total += int(line.split()[1])
        except OSError:
            pass
    return total / 1024.0


def cpu_ticks(pid):
    total = 0
    for p in tree(pid):
        try:
            with open("/proc/%d/stat" % p) as f:
                fields = f.read().rsplit(")", 1)[1].split()
            total += int(fields[11]) + int(fields[12])
        except OSError:
            pass
    return total


def cpu_percent(pid, seconds):
    before = cpu_ticks(pid)
    time.sleep(seconds)
    return 100.0 * (cpu_ticks(pid) - before) / os.sysconf("SC_CLK_TCK") / seconds


def has_mapping(pid, name):
    for p in tree(pid):
        try:
            with open("/proc/%d/maps" % p) as f:
                if name in f.read():
                    return True
        except OSError:
            pass
    return False


def kill_tree(pid):
    for p in reversed(tree(pid)):
        try:
            os.kill(p, signal.SIGKILL)
        except OSError:
            pass
    try:
        os.waitpid(pid, 0)
    except ChildProcessError:
        pass


def start_x(display):
    # The program sizes its window to the largest 4:3 rectangle in 90 % of the
    # screen: on this screen that is 1920x1440. Without a window manager a
    # full-screen request would not be granted. No reset when the last client
    # leaves: the next program would find no display while it resets.
    xvfb = subprocess.Popen(["Xvfb", ":%d" % display, "-screen", "0", "2134x1600x24", "-nolisten", "tcp",
                             "-noreset"],
                            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    # Up when it answers on its socket: a file left by an earlier server is no sign.
    for _ in range(200):
        probe = socket.socket(socket.AF_UNIX)
        try:
            probe.connect("/tmp/.X11-unix/X%d" % display)
            return xvfb
        except OSError:
            time.sleep(0.05)
        finally:
            probe.close()
    raise SystemExit("peer_compare: Xvfb did not start")


class Desktop:
    """The X display and what the script does on it through xdotool."""

    def __init__(self, display, work):
        self.display = display
        self.work = work
        self.count = 0

    def env(self):
        self.count += 1
        home = os.path.join(self.work, "home-%d" % self.count)
        os.makedirs(os.path.join(home, "tmp"))
        env = dict(os.environ, DISPLAY=":%d" % self.display, HOME=home,
                   XDG_CONFIG_HOME=os.path.join(home, "config"), XDG_CACHE_HOME=os.path.join(home, "cache"),
                   XDG_DATA_HOME=os.path.join(home, "data"), TMPDIR=os.path.join(home, "tmp"),
                   QTWEBENGINE_DISABLE_SANDBOX="1")
        env.pop("QT_QPA_PLATFORM", None)
        return env, home

    def xdotool(self, *args):
        return subprocess.run(["xdotool"] + [str(a) for a in args], env=dict(os.environ, DISPLAY=":%d" % self.display),
                              stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, text=True).stdout

    def windows(self, pid, name=None, timeout=30):
        """Visible windows of the process tree (by name when given), waited for."""
        deadline = time.monotonic() + timeout
        while time.monotonic() < deadline:
            found = []
            for p in tree(pid):
                args = ["search", "--all", "--onlyvisible", "--pid", p] + (["--name", name] if name else [])
                found += [int(w) for w in self.xdotool(*args).split()]
            if found:
                return found
            time.sleep(0.2)
        return []

    def geometry(self, window):
        out = self.xdotool("getwindowgeometry", "--shell", window)
        g = dict(line.split("=") for line in out.split())
        return int(g["X"]), int(g["Y"]), int(g["WIDTH"]), int(g["HEIGHT"])

    def click(self, x, y):
        self.xdotool("mousemove", x, y, "click", 1)

    def frames(self, frametimes, window, seconds):
        # Steps further apart than 50 ms (the turn clock ticks every 100) are
        # pauses between animations, not frames of one.
        out = subprocess.run([frametimes, str(window), str(seconds), "50"],
                             env=dict(os.environ, DISPLAY=":%d" % self.display), stdout=subprocess.PIPE,
                             text=True).stdout
        return {k: float(v) for k, v in (item.split("=") for item in out.split())}


class Server:
    """The local pokerd with the benchmark's tables; seats taken over XML-RPC."""

    def __init__(self, bin_dir, work):
        self.port = free_port()
        for name, content in (("tables.json", tables()), ("users.json", USERS)):
            with open(os.path.join(work, name), "w") as f:
                json.dump(content, f)
        self.process = subprocess.Popen(
            [os.path.join(bin_dir, "pokerd"), "--listen", "127.0.0.1:%d" % self.port, "--data",
             os.path.join(work, "data"), "--tables", os.path.join(work, "tables.json"), "--users",
             os.path.join(work, "users.json")], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        self.users = iter(USERS)
        for _ in range(100):
            try:
                socket.create_connection(("127.0.0.1", self.port), 0.2).close()
                return
            except OSError:
                time.sleep(0.1)
        raise SystemExit("peer_compare: pokerd did not start")

    def proxy(self, cookie=None):
        transport = CookieTransport()
        transport.cookie = cookie
        return xmlrpc.client.ServerProxy("http://127.0.0.1:%d/" % self.port, transport=transport), transport

    @staticmethod
    def wait_for(proxy, event, timeout=15):
        deadline = time.monotonic() + timeout
        while time.monotonic() < deadline:
            for e in proxy.refresh():
                if e.get("event") == event:
                    return e
            time.sleep(0.05)
        raise SystemExit("peer_compare: no %s event from pokerd" % event)

    def seated_user(self, tables):
        """A fresh account seated and sitting out at \a tables: its next log-in reopens them."""
        user = next(self.users)["name"]
        lobby, _ = self.proxy()
        lobby.authenticate(1, [user, DIGEST, user], "en_US", 0)
        if not self.wait_for(lobby, "authenticate").get("ok"):
            raise SystemExit("peer_compare: %s could not log in" % user)
        for table in tables:
            lobby.gameOpen(table)
            child = self.wait_for(lobby, "gameOpen")["childSessionId"]
            seat, _ = self.proxy("sessionId=" + child)
            if not seat.gameJoin(child) or not seat.userBuyin(40) or not seat.gameSetting("sitout"):
                raise SystemExit("peer_compare: %s could not sit down at %s" % (user, table))
        return user

    def stop(self):
        self.process.terminate()
        self.process.wait()


def run_start(firstframe, command, desktop):
    env, home = desktop.env()
    run = subprocess.run([firstframe, "--timeout", "60"] + command, env=env, cwd=home,
                         stdout=subprocess.PIPE, stderr=subprocess.PIPE, text=True)
    fields = dict(item.split("=") for item in run.stdout.split())
    if "pid" not in fields:
        raise SystemExit("peer_compare: %s did not start on :%d: %s" % (command[0], desktop.display,
                                                                        run.stderr.strip()))
    pid = int(fields["pid"])
    result = {"mapped_ms": float(fields["mapped_ms"]), "painted_ms": float(fields["painted_ms"])}
    time.sleep(SETTLE_S)
    result["pss_mib"] = pss_mib(pid)
    result["idle_cpu_percent"] = cpu_percent(pid, IDLE_S)
    result["opengl_loaded"] = has_mapping(pid, "libLLVM") or has_mapping(pid, "_dri.so")
    kill_tree(pid)
    return result


def ours_screens(bin_dir, server, desktop, frametimes, run):
    player = [os.path.join(bin_dir, "player"), "-host", "127.0.0.1", "-port", str(server.port), "-disableUpdate",
              "-theme", "DefaultTheme"]
    result = {}

    def start(user, extra=()):
        env, home = desktop.env()
        process = subprocess.Popen(player + ["-authStatic", user + ":demo:0"] + list(extra), env=env, cwd=home,
                                   stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        return process.pid

    pid = start(server.seated_user([]))
    desktop.windows(pid)
    time.sleep(SETTLE_S)
    result["lobby_pss_mib"] = pss_mib(pid)
    kill_tree(pid)

    pid = start(server.seated_user(["quiet"]))
    desktop.windows(pid)
    time.sleep(SETTLE_S)
    result["table_pss_mib"] = pss_mib(pid)
    result["table_idle_cpu_percent"] = cpu_percent(pid, IDLE_S)
    kill_tree(pid)

    pid = start(server.seated_user(["ten-%d" % run]))
    deadline = time.monotonic() + 30
    while len(desktop.windows(pid)) < 2 and time.monotonic() < deadline:
        time.sleep(0.5)
    time.sleep(SETTLE_S)
    # The lobby's window and the table's: the table's was made last, and X
    # hands a client its window ids in rising order.
    window = max(desktop.windows(pid))
    result["playing_window"] = "%dx%d" % desktop.geometry(window)[2:]
    before = cpu_ticks(pid)
    frames = desktop.frames(frametimes, window, PLAY_S)
    result["playing_cpu_percent"] = 100.0 * (cpu_ticks(pid) - before) / os.sysconf("SC_CLK_TCK") / PLAY_S
    result["playing_frames"] = frames["frames"]
    result["frame_interval_p50_ms"] = frames["p50_ms"]
    result["frame_interval_p95_ms"] = frames["p95_ms"]
    result["playing_pss_mib"] = pss_mib(pid)
    kill_tree(pid)

    pid = start(server.seated_user(["four-%d-%s" % (run, c) for c in "abcd"]))
    deadline = time.monotonic() + 30
    while len(desktop.windows(pid)) < 4 and time.monotonic() < deadline:
        time.sleep(0.5)
    result["four_table_windows"] = len(desktop.windows(pid))
    time.sleep(SETTLE_S)
    result["four_tables_pss_mib"] = pss_mib(pid)
    kill_tree(pid)
    return result


def pokerth_screens(command, desktop, frametimes):
    """Its local game: ten seats, the human and nine bots, at its default speed."""
    env, home = desktop.env()
    process = subprocess.Popen(command, env=env, cwd=home, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    pid = process.pid
    result = {}
    try:
        start = desktop.windows(pid, "^PokerTH [0-9.]*$")
        time.sleep(2)
        x, y, _, _ = desktop.geometry(start[0])
        desktop.click(x + 225, y + 93)  # "Start Local Game"
        dialog = desktop.windows(pid, "Start Local Game")
        time.sleep(1)
        x, y, w, h = desktop.geometry(dialog[0])
        desktop.click(x + w - 110, y + h - 26)  # "OK": ten players, the saved blinds, speed 4
        table = desktop.windows(pid, "Texas Holdem Engine")
        if not table:
            raise RuntimeError("the local game did not start")
        # The first decision is the human's: the table waits.
        time.sleep(SETTLE_S)
        x, y, w, h = desktop.geometry(table[0])
        result["table_pss_mib"] = pss_mib(pid)
        result["table_idle_cpu_percent"] = cpu_percent(pid, IDLE_S)
        desktop.click(x + w // 2 - 1, y + h - 32)  # "Fold": auto-fold starts with the next decision
        time.sleep(0.5)
        desktop.click(x + w - 186, y + 424)  # the "Away" tab
        time.sleep(0.5)
        desktop.click(x + w - 238, y + 475)  # "Auto-Check / Auto-Fold"
        time.sleep(2)
        result["playing_window"] = "%dx%d" % (w, h)
        before = cpu_ticks(pid)
        frames = desktop.frames(frametimes, table[0], PLAY_S)
        result["playing_cpu_percent"] = 100.0 * (cpu_ticks(pid) - before) / os.sysconf("SC_CLK_TCK") / PLAY_S
        result["playing_frames"] = frames["frames"]
        result["frame_interval_p50_ms"] = frames["p50_ms"]
        result["frame_interval_p95_ms"] = frames["p95_ms"]
        result["playing_pss_mib"] = pss_mib(pid)
    finally:
        kill_tree(pid)
    return result


def batch_time_ms(bin_dir):
    """The 500-event batch at a player's table, from the event batch benchmark."""
    bench = os.path.join(bin_dir, "bench_eventbatch")
    if not os.path.exists(bench):
        return None
    out = subprocess.run([bench, "--benchmark_filter=BM_PlayerTableHandles500Events", "--benchmark_format=json"],
                         env=dict(os.environ, QT_QPA_PLATFORM="offscreen"), stdout=subprocess.PIPE,
                         stderr=subprocess.DEVNULL, text=True).stdout
    runs = json.loads(out)["benchmarks"]
    return runs[0]["real_time"] if runs else None


def medians(rows):
    keys = [k for k in rows[0] if all(isinstance(r.get(k), (int, float)) and not isinstance(r.get(k), bool)
                                      for r in rows)]
    return {k: statistics.median(r[k] for r in rows) for k in keys}


def main():
    bin_dir = os.path.abspath(sys.argv[1])
    runs = int(sys.argv[2]) if len(sys.argv) > 2 else 5
    out_file = sys.argv[3] if len(sys.argv) > 3 else None
    work = tempfile.mkdtemp(prefix="peer-")
    tools = {}
    for tool in ("firstframe", "frametimes"):
        tools[tool] = os.path.join(work, tool)
        subprocess.check_call(["g++", "-std=c++17", "-O2", os.path.join(ROOT, "bench", tool + ".cpp"), "-o",
                               tools[tool], "-lxcb", "-lxcb-damage"])
    display = 90 + os.getpid() % 9
    xvfb = start_x(display)
    desktop = Desktop(display, work)
    server = Server(bin_dir, work)
    pokerth = [shutil.which("pokerth") or "/usr/games/pokerth"]
    ours_start = [os.path.join(bin_dir, "player"), "-host", "127.0.0.1", "-port", str(server.port),
                  "-disableUpdate", "-theme", "DefaultTheme"]
    figures = {"this program": {"start": [], "screens": []}, "PokerTH": {"start": [], "screens": []}}
    try:
        for run in range(runs):
            figures["this program"]["start"].append(run_start(tools["firstframe"], ours_start, desktop))
            figures["PokerTH"]["start"].append(run_start(tools["firstframe"], pokerth, desktop))
        for run in range(min(SCREEN_RUNS_MAX, max(1, runs // 2))):
            figures["this program"]["screens"].append(ours_screens(bin_dir, server, desktop, tools["frametimes"], run))
            figures["PokerTH"]["screens"].append(pokerth_screens(pokerth, desktop, tools["frametimes"]))
    finally:
        server.stop()
        xvfb.terminate()
    summary = {}
    for name, parts in figures.items():
        summary[name] = {"start": medians(parts["start"]), "screens": medians(parts["screens"]), "runs": parts}
    batch = batch_time_ms(bin_dir)
    if batch is not None:
        summary["this program"]["screens"]["batch_500_events_ms"] = batch

    rows = [("first window, ms", "start", "mapped_ms"), ("first paint, ms", "start", "painted_ms"),
            ("PSS at the start screen, MiB", "start", "pss_mib"), ("idle CPU at the start, %", "start",
                                                                    "idle_cpu_percent"),
            ("PSS in the lobby, MiB", "screens", "lobby_pss_mib"), ("PSS at one table, MiB", "screens",
                                                                   "table_pss_mib"),
            ("idle CPU at a table, %", "screens", "table_idle_cpu_percent"),
            ("PSS at one table, playing, MiB", "screens", "playing_pss_mib"),
            ("PSS at four tables, MiB", "screens", "four_tables_pss_mib"),
            ("CPU while playing, %", "screens", "playing_cpu_percent"),
            ("frames while playing, per %d s" % PLAY_S, "screens", "playing_frames"),
            ("frame interval p50, ms", "screens", "frame_interval_p50_ms"),
            ("frame interval p95, ms", "screens", "frame_interval_p95_ms"),
            ("500-event batch, ms", "screens", "batch_500_events_ms")]
    print("%-34s %14s %10s %7s" % ("", "this program", "PokerTH", "ratio"))
    ratios = {}
    for label, part, key in rows:
        ours = summary["this program"][part].get(key)
        peer = summary["PokerTH"][part].get(key)
        ratio = ours / peer if ours is not None and peer else None
        if ratio is not None:
            ratios[key] = ratio
        cell = lambda v: "%.2f" % v if isinstance(v, float) and v < 10 else ("%.1f" % v if v is not None else "-")
        print("%-34s %14s %10s %7s" % (label, cell(ours), cell(peer), "%.2f" % ratio if ratio else "-"))
    for name in figures:
        window = figures[name]["screens"][0].get("playing_window") if figures[name]["screens"] else None
        print("%s: playing window %s, OpenGL loaded at start: %s" % (
            name, window, any(r["opengl_loaded"] for r in figures[name]["start"])))
    summary["ratio this program / PokerTH"] = ratios
    if out_file:
        with open(out_file, "w") as f:
            json.dump(summary, f, indent=2)
    shutil.rmtree(work, ignore_errors=True)


if __name__ == "__main__":
    main()
