#!/usr/bin/env python3
"""Whether the community table's heap stays flat over many hands: the
player runs under heaptrack against pokerd at instant pace, once for a short
and once for a long run, and the peak heap of the two is compared. A table
that kept something per hand would peak higher the longer it ran.

  community_heap.py PLAYER POKERD [SHORT_HANDS] [LONG_HANDS]
"""
import glob
import os
import re
import shutil
import subprocess
import sys
import tempfile
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from community_run import Run, hands_in  # noqa: E402


def peak_heap(player, pokerd, hands):
    with tempfile.TemporaryDirectory() as data:
        out = os.path.join(data, "heap")
        run = Run(player, pokerd, data, ["--bot-delay", "0", "--hand-delay", "30"], ["heaptrack", "-o", out])
        deadline = time.monotonic() + max(1800, 3 * hands)
        while hands_in(run.feed) < hands and time.monotonic() < deadline and run.player.poll() is None:
            time.sleep(0.5)
        seen = hands_in(run.feed)
        ended = run.player.poll()
        if ended is not None and seen < hands:
            print(f"(the player ended after {seen} hands with exit status {ended})", flush=True)
        run.stop()
        # heaptrack finishes its file after the program is gone.
        for _ in range(120):
            files = glob.glob(out + "*.zst") + glob.glob(out + "*.gz")
            if files and not subprocess.run(["pgrep", "-f", "heaptrack_interpret"], capture_output=True).stdout:
                break
            time.sleep(0.5)
        if not files:
            raise SystemExit("heaptrack wrote no data")
        report = subprocess.run(["heaptrack_print", "--print-peaks", "0", "--print-allocators", "0",
                                 "--print-leaks", "0", "--print-temporary", "0", "-f", files[0]],
                                capture_output=True, text=True).stdout
        match = re.search(r"peak heap memory consumption: ([\d.]+)([KMG]?)B?", report)
        leaked = re.search(r"total memory leaked: ([\d.]+[KMG]?B?)", report)
        if not match:
            raise SystemExit("no peak in heaptrack's report:\n" + report[-2000:])
        scale = {"": 1 / 2**20, "K": 1 / 1024, "M": 1, "G": 1024}[match.group(2)]
        return seen, float(match.group(1)) * scale, leaked.group(1) if leaked else "?"


def main():
    if not shutil.which("heaptrack"):
        raise SystemExit("heaptrack is not installed (apt-get install heaptrack)")
    player, pokerd = os.path.abspath(sys.argv[1]), os.path.abspath(sys.argv[2])
    short = int(sys.argv[3]) if len(sys.argv) > 3 else 100
    long_ = int(sys.argv[4]) if len(sys.argv) > 4 else 1000
    results = []
    for hands in (short, long_):
        seen, peak, leaked = peak_heap(player, pokerd, hands)
        results.append((seen, peak))
        print(f"peak heap over {seen:4d} hands: {peak:6.1f} MiB (left unfreed at exit: {leaked})", flush=True)
    (a, pa), (b, pb) = results
    print(f"peak heap growth from {a} to {b} hands: {pb - pa:+.1f} MiB")


if __name__ == "__main__":
    main()
