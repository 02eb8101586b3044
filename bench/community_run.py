#!/usr/bin/env python3
"""What the community table costs while it runs against pokerd: CPU of the
player process polling an empty table, CPU while bots play at the server's
default pace, and resident memory over 1000 hands played at instant pace.

  community_run.py PLAYER POKERD [IDLE_SECONDS] [PLAYING_SECONDS] [HANDS]
"""
import json
import os
import re
import subprocess
import sys
import tempfile
import time


def cpu_seconds(pid):
    fields = open(f"/proc/{pid}/stat").read().rsplit(")", 1)[1].split()
    return (int(fields[11]) + int(fields[12])) / os.sysconf("SC_CLK_TCK")


def rss_mib(pid):
    for line in open(f"/proc/{pid}/status"):
        if line.startswith("VmRSS:"):
            return int(line.split()[1]) / 1024
    return 0.0


def hands_in(feed):
    hands = set()
    try:
        with open(feed) as f:
            for line in f:
                try:
                    hand = json.loads(line).get("handId")
                except ValueError:
                    continue  # the last line may be on its way
                if hand is not None:
                    hands.add(hand)
    except FileNotFoundError:
        pass
    return len(hands)


class Run:
    def __init__(self, player, pokerd, data, server_args, wrapper=()):
        self.data = data
        log = os.path.join(data, "pokerd.log")
        # To a file: a full pipe would stop the server.
        self.server = subprocess.Popen([pokerd, "--listen", "127.0.0.1:0", "--data", data] + server_args,
                                       stdout=open(log, "w"), stderr=subprocess.STDOUT)
        port = None
        for _ in range(100):
            match = re.search(r":(\d+) ", open(log).read())
            if match:
                port = int(match.group(1))
                break
            time.sleep(0.1)
        if port is None:
            raise SystemExit("pokerd did not start")
        self.feed = os.path.join(data, "feed.jsonl")
        home = os.path.join(data, "home")
        os.makedirs(os.path.join(home, "tmp"), exist_ok=True)
        env = dict(os.environ, QT_QPA_PLATFORM="offscreen", VESK_TABLE_STATE=self.feed, HOME=home,
                   XDG_CONFIG_HOME=os.path.join(home, "config"), XDG_CACHE_HOME=os.path.join(home, "cache"),
                   TMPDIR=os.path.join(home, "tmp"))
        self.player = subprocess.Popen(list(wrapper) + [player, "-community", "-host", "127.0.0.1", "-port", str(port)],
                                       env=env, cwd=data, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)

    def cpu_percent(self, warmup, seconds):
        time.sleep(warmup)
        start, began = cpu_seconds(self.player.pid), time.monotonic()
        time.sleep(seconds)
        return 100 * (cpu_seconds(self.player.pid) - start) / (time.monotonic() - began)

    def stop(self):
        for proc in (self.player, self.server):
            proc.terminate()
            try:
                proc.wait(10)
            except subprocess.TimeoutExpired:
                proc.kill()


def main():
    player, pokerd = os.path.abspath(sys.argv[1]), os.path.abspath(sys.argv[2])
    idle = float(sys.argv[3]) if len(sys.argv) > 3 else 30
    playing = float(sys.argv[4]) if len(sys.argv) > 4 else 60
    hands = int(sys.argv[5]) if len(sys.argv) > 5 else 1000

    with tempfile.TemporaryDirectory() as data:
        run = Run(player, pokerd, data, ["--community-table", "*=holdem-empty"])
        print(f"idle (polling an empty table):  {run.cpu_percent(5, idle):.2f} % of a core over {idle:.0f} s",
              flush=True)
        run.stop()

    with tempfile.TemporaryDirectory() as data:
        run = Run(player, pokerd, data, [])
        print(f"bots at the default pace:       {run.cpu_percent(5, playing):.2f} % of a core over {playing:.0f} s,"
              f" {hands_in(run.feed)} hands seen", flush=True)
        run.stop()

    with tempfile.TemporaryDirectory() as data:
        run = Run(player, pokerd, data, ["--bot-delay", "0", "--hand-delay", "30"])
        marks = [m for m in (100, 250, 500, 750, 1000, 1500, 2000, 3000, 4000, 5000) if m < hands] + [hands]
        samples = []
        deadline = time.monotonic() + max(1800, hands)
        while marks and time.monotonic() < deadline and run.player.poll() is None:
            seen = hands_in(run.feed)
            if seen >= marks[0]:
                samples.append((seen, rss_mib(run.player.pid)))
                print(f"resident memory after {seen:4d} hands: {samples[-1][1]:6.1f} MiB", flush=True)
                marks.pop(0)
            time.sleep(0.2)
        run.stop()
        if len(samples) >= 2:
            print(f"growth from hand {samples[0][0]} to {samples[-1][0]}: {samples[-1][1] - samples[0][1]:+.1f} MiB")


if __name__ == "__main__":
    main()
