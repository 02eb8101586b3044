#!/usr/bin/python3
"""This program beside PokerTH, on the same X server in the same run.

For each program, several times: the time from exec to its first window
mapped and first painted (bench/firstframe.cpp, through the X DAMAGE
extension), then, once it has settled at its start screen, its memory (the
PSS of its whole process tree) and its CPU while nothing happens. This
program runs against a local pokerd that nobody plays at; PokerTH starts its
own start window. Prints a table and writes the figures as JSON.

    peer_compare.py BUILD_BIN [RUNS] [OUT.json]
"""

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

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
SETTLE_S = 6
IDLE_S = 10


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


def start_x(display):
    xvfb = subprocess.Popen(["Xvfb", ":%d" % display, "-screen", "0", "1920x1440x24", "-nolisten", "tcp"],
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


def measure(firstframe, command, env, cwd):
    out = subprocess.run([firstframe, "--timeout", "60"] + command, env=env, cwd=cwd,
                         stdout=subprocess.PIPE, text=True).stdout
    fields = dict(item.split("=") for item in out.split())
    pid = int(fields["pid"])
    result = {"mapped_ms": float(fields["mapped_ms"]), "painted_ms": float(fields["painted_ms"])}
    time.sleep(SETTLE_S)
    result["pss_mib"] = pss_mib(pid)
    before = cpu_ticks(pid)
    time.sleep(IDLE_S)
    result["idle_cpu_percent"] = 100.0 * (cpu_ticks(pid) - before) / os.sysconf("SC_CLK_TCK") / IDLE_S
    for p in reversed(tree(pid)):
        try:
            os.kill(p, signal.SIGKILL)
        except OSError:
            pass
    try:
        os.waitpid(pid, 0)
    except ChildProcessError:
        pass
    return result


def main():
    bin_dir = os.path.abspath(sys.argv[1])
    runs = int(sys.argv[2]) if len(sys.argv) > 2 else 5
    out_file = sys.argv[3] if len(sys.argv) > 3 else None
    work = tempfile.mkdtemp(prefix="peer-")
    firstframe = os.path.join(work, "firstframe")
    subprocess.check_call(["g++", "-std=c++17", "-O2", os.path.join(ROOT, "bench", "firstframe.cpp"),
                           "-o", firstframe, "-lxcb", "-lxcb-damage"])
    display = 90 + os.getpid() % 9
    xvfb = start_x(display)
    port = free_port()
    server = subprocess.Popen([os.path.join(bin_dir, "pokerd"), "--listen", "127.0.0.1:%d" % port,
                               "--data", os.path.join(work, "data")],
                              stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    time.sleep(1)
    programs = {
        "this program": [os.path.join(bin_dir, "player"), "-host", "127.0.0.1", "-port", str(port),
                         "-disableUpdate", "-theme", "DefaultTheme"],
        "PokerTH": [shutil.which("pokerth") or "/usr/games/pokerth"],
    }
    figures = {name: [] for name in programs}
    try:
        for run in range(runs):
            for name, command in programs.items():
                home = os.path.join(work, "home-%s-%d" % (name.replace(" ", "-"), run))
                os.makedirs(os.path.join(home, "tmp"))
                env = dict(os.environ, DISPLAY=":%d" % display, HOME=home,
                           XDG_CONFIG_HOME=os.path.join(home, "config"),
                           XDG_CACHE_HOME=os.path.join(home, "cache"),
                           XDG_DATA_HOME=os.path.join(home, "data"), TMPDIR=os.path.join(home, "tmp"),
                           QTWEBENGINE_DISABLE_SANDBOX="1")
                env.pop("QT_QPA_PLATFORM", None)
                figures[name].append(measure(firstframe, command, env, home))
    finally:
        server.terminate()
        xvfb.terminate()
    print("%-14s %12s %12s %10s %10s" % ("", "mapped ms", "painted ms", "PSS MiB", "idle CPU %"))
    summary = {}
    for name, rows in figures.items():
        med = {k: statistics.median(r[k] for r in rows) for k in rows[0]}
        summary[name] = {"median": med, "runs": rows}
        print("%-14s %12.1f %12.1f %10.1f %10.2f" % (name, med["mapped_ms"], med["painted_ms"], med["pss_mib"],
                                                      med["idle_cpu_percent"]))
    ours, peer = summary["this program"]["median"], summary["PokerTH"]["median"]
    ratios = {k: ours[k] / peer[k] if peer[k] else None for k in ours}
    summary["ratio this program / PokerTH"] = ratios
    print("ratio (this / PokerTH): " + ", ".join("%s %.2f" % (k, v) for k, v in ratios.items() if v is not None))
    if out_file:
        with open(out_file, "w") as f:
            json.dump(summary, f, indent=2)
    shutil.rmtree(work, ignore_errors=True)


if __name__ == "__main__":
    main()
