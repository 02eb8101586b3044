#!/usr/bin/env python3
"""Server CPU per idle polling client: starts pokerd on loopback with tables
without bots, lets N logged-in clients poll "refresh" every 500 ms for a
fixed time, and reads the server's CPU time from /proc.

  pokerd_idle_cpu.py POKERD [CLIENTS] [SECONDS]
"""
import hashlib
import json
import os
import re
import subprocess
import sys
import tempfile
import threading
import time
import xmlrpc.client

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "scripts"))
from cookie_transport import CookieTransport  # noqa: E402


def cpu_seconds(pid):
    fields = open(f"/proc/{pid}/stat").read().rsplit(")", 1)[1].split()
    return (int(fields[11]) + int(fields[12])) / os.sysconf("SC_CLK_TCK")


def poll(port, user, stop, counter):
    transport = CookieTransport()
    server = xmlrpc.client.ServerProxy(f"http://127.0.0.1:{port}//", transport=transport)
    server.authenticate(1, [user, hashlib.sha1(b"demo").hexdigest(), "bench"], "en_US", 0)
    while not stop.is_set():
        server.refresh()
        counter.append(1)
        stop.wait(0.5)


def measure(pokerd, clients, seconds):
    with tempfile.TemporaryDirectory() as data:
        tables = os.path.join(data, "tables.json")
        json.dump([{"id": "quiet", "bots": 0}], open(tables, "w"))
        proc = subprocess.Popen([pokerd, "--listen", "127.0.0.1:0", "--data", data, "--tables", tables],
                                stdout=subprocess.PIPE, text=True)
        port = int(re.search(r":(\d+) ", proc.stdout.readline()).group(1))
        stop = threading.Event()
        counter = []
        threads = [threading.Thread(target=poll, args=(port, f"demo{i % 10 + 1}", stop, counter))
                   for i in range(clients)]
        for t in threads:
            t.start()
        time.sleep(1.0)  # logins settle
        start_cpu, start = cpu_seconds(proc.pid), time.time()
        time.sleep(seconds)
        used, elapsed = cpu_seconds(proc.pid) - start_cpu, time.time() - start
        stop.set()
        for t in threads:
            t.join()
        proc.terminate()
        proc.wait()
        return used, elapsed, len(counter)


def main():
    pokerd = sys.argv[1]
    clients = int(sys.argv[2]) if len(sys.argv) > 2 else 20
    seconds = float(sys.argv[3]) if len(sys.argv) > 3 else 10.0
    base_cpu, base_time, _ = measure(pokerd, 0, seconds)
    cpu, elapsed, polls = measure(pokerd, clients, seconds)
    per_client = (cpu / elapsed - base_cpu / base_time) / clients
    print(f"pokerd idle: {clients} clients polling every 500 ms for {elapsed:.1f} s, {polls} polls")
    print(f"server CPU: {cpu / elapsed * 100:.2f} % with clients, {base_cpu / base_time * 100:.2f} % without")
    print(f"per idle polling client: {per_client * 1000:.3f} ms CPU per second ({per_client * 100:.3f} % of a core)")


if __name__ == "__main__":
    main()
