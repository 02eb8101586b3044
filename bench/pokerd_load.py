#!/usr/bin/env python3
"""pokerd under load: many honest clients playing and polling, hostile
connections beside them, and a chip audit at the end.

Starts pokerd on loopback with ten tables and its own accounts. Every client
logs in and polls "refresh" every 500 ms; some of them sit at the tables, buy
in and answer their turns, the rest stay in the lobby. For the first third of
the run the honest clients are alone, then hostile connections join: slow
header senders, clients that pipeline getAvatar calls without reading the
answers, and connections that never send anything. At the end every seated
client leaves and each account must hold exactly what it was shown.

  pokerd_load.py POKERD [SECONDS] [--clients N] [--seated N] [--hostile N]

Exits non-zero when money does not add up, an honest call fails, or the
server's memory or the honest clients' latency go past the limits below.
"""
import argparse
import asyncio
import hashlib
import json
import os
import random
import re
import socket
import subprocess
import sys
import tempfile
import time
import xmlrpc.client

POLL_S = 0.5
CALL_TIMEOUT_S = 15.0
DIGEST = hashlib.sha1(b"demo").hexdigest()
# What pokerd allows a connection to hold (HttpServer::MaximumPendingReply and
# the read buffer it sets); a client that does not read must not cost more.
PENDING_REPLY_CAP = 4 * 1024 * 1024
READ_BUFFER_CAP = 1024 * 1024 + 64 * 1024
SERVER_IDLE_TIMEOUT_S = 30.0

# Ten tables; seats minus bots is where the clients sit.
TABLES = [
    {"id": "nl6-a", "seats": 6, "bots": 2},
    {"id": "nl6-b", "seats": 6, "bots": 2},
    {"id": "nl6-c", "seats": 6, "bots": 3},
    {"id": "nl9-a", "seats": 9, "bots": 3},
    {"id": "nl9-b", "seats": 9, "bots": 4},
    {"id": "nl10", "seats": 10, "bots": 4, "smallBlind": 1, "bigBlind": 2, "buyinMin": 40, "buyinMax": 200},
    {"id": "plo6", "seats": 6, "bots": 3, "type": 0x1002, "limit": 2},
    {"id": "plo9", "seats": 9, "bots": 4, "type": 0x1002, "limit": 2, "smallBlind": 1, "bigBlind": 2,
     "buyinMin": 40, "buyinMax": 200},
    {"id": "ante6", "seats": 6, "bots": 2, "smallBlind": 0, "bigBlind": 0, "ante": 0.5},
    {"id": "instant6", "seats": 6, "bots": 2, "type": 0x5001},
]
START_BALANCE = 1000


def cents(units):
    return int(round(float(units) * 100))


def money(c):
    return f"{c / 100:.2f}"


def proc_cpu(pid):
    fields = open(f"/proc/{pid}/stat").read().rsplit(")", 1)[1].split()
    return (int(fields[11]) + int(fields[12])) / os.sysconf("SC_CLK_TCK")


def proc_mem_kb(pid):
    status = open(f"/proc/{pid}/status").read()
    return (int(re.search(r"VmRSS:\s+(\d+)", status).group(1)),
            int(re.search(r"VmHWM:\s+(\d+)", status).group(1)))


def self_cpu():
    t = os.times()
    return t.user + t.system


def percentile(values, p):
    if not values:
        return float("nan")
    ordered = sorted(values)
    return ordered[min(len(ordered) - 1, int(p / 100 * len(ordered)))]


class Failures:
    def __init__(self):
        self.items = []

    def add(self, text):
        self.items.append(text)


class Stats:
    """What the honest side saw, split into the honest-only and the hostile phase."""

    def __init__(self):
        self.phase = None  # None while setting up, then "alone" or "hostile"
        self.latency = {"alone": [], "hostile": []}
        self.lobby_calls = 0
        self.turns = 0
        self.refusals = []  # (client, table, hand, seat, action, asked again after its own action)
        self.sat_out = 0
        self.rebuys = 0
        self.hands = set()
        self.errors = []
        self.lost_queues = 0


class Connection:
    """One keep-alive HTTP connection carrying one session's XML-RPC calls."""

    def __init__(self, port, source):
        self.port = port
        self.source = source
        self.cookie = None
        self.reader = self.writer = None

    async def call(self, method, *params):
        return await asyncio.wait_for(self._call(method, params), CALL_TIMEOUT_S)

    async def _call(self, method, params):
        if self.writer is None:
            self.reader, self.writer = await asyncio.open_connection(
                "127.0.0.1", self.port, local_addr=(self.source, 0))
        body = xmlrpc.client.dumps(params, method).encode()
        head = f"POST / HTTP/1.1\r\nHost: 127.0.0.1\r\nContent-Type: text/xml\r\nContent-Length: {len(body)}\r\n"
        if self.cookie:
            head += f"Cookie: sessionId={self.cookie}\r\n"
        self.writer.write(head.encode() + b"\r\n" + body)
        header = (await self.reader.readuntil(b"\r\n\r\n")).decode("latin-1")
        lines = header.split("\r\n")
        status = int(lines[0].split()[1])
        length, close = 0, False
        for line in lines[1:]:
            name, _, value = line.partition(":")
            name, value = name.strip().lower(), value.strip()
            if name == "content-length":
                length = int(value)
            elif name == "set-cookie" and value.startswith("sessionId="):
                self.cookie = value.split(";")[0].split("=", 1)[1]
            elif name == "connection":
                close = value.lower() == "close"
        reply = await self.reader.readexactly(length)
        if close:
            self.close()
        if status != 200:
            raise RuntimeError(f"{method}: HTTP {status}")
        return xmlrpc.client.loads(reply)[0][0]

    def close(self):
        if self.writer is not None:
            self.writer.close()
        self.reader = self.writer = None


class Client:
    """An honest player: a lobby session, and a table session when seated."""

    def __init__(self, index, port, table, stats, server_id, seed):
        self.name = f"load{index + 1:03d}"
        # Each client from an address of its own, as from its own machine.
        source = f"127.0.{1 + index // 250}.{1 + index % 250}"
        self.lobby = Connection(port, source)
        self.table_conn = Connection(port, source) if table else None
        self.table = table
        self.stats = stats
        self.server_id = server_id
        self.rng = random.Random(seed * 1000 + index)
        self.balance_before = None
        self.balance_after = self.at_tables_after = None
        self.bought = 0
        self.seat = None
        self.stack = None
        self.hand_id = None
        self.leaving = False
        self.closed = False
        self.may_rebuy = True
        self.rebuy_unseen = False

    # -- setup and audit ------------------------------------------------------

    async def wait_for(self, conn, event, handler, timeout=10.0):
        deadline = time.monotonic() + timeout
        while time.monotonic() < deadline:
            for e in await conn.call("refresh"):
                handler(e)
                if e.get("event") == event:
                    return e
            await asyncio.sleep(0.05)
        raise RuntimeError(f"{self.name}: no {event} event within {timeout:.0f} s")

    async def login(self):
        await self.lobby.call("authenticate", 1, [self.name, DIGEST, self.name], "en_US", 0)
        auth = await self.wait_for(self.lobby, "authenticate", self.on_lobby_event)
        if not auth.get("ok"):
            raise RuntimeError(f"{self.name}: login refused")
        self.balance_before, at_tables = await self.user_info()
        if at_tables != 0:
            raise RuntimeError(f"{self.name}: {money(at_tables)} at tables before playing")
        if not self.table:
            return
        await self.lobby.call("gameOpen", self.table["id"])
        opened = await self.wait_for(self.lobby, "gameOpen", self.on_lobby_event)
        self.table_conn.cookie = opened["childSessionId"]
        if not await self.table_conn.call("gameJoin", opened["childSessionId"]):
            raise RuntimeError(f"{self.name}: gameJoin refused at {self.table['id']}")
        await self.buy(cents(self.table.get("buyinMin", 20)) * 2)
        if not self.bought:
            raise RuntimeError(f"{self.name}: buy-in refused at {self.table['id']}")

    async def user_info(self):
        await self.lobby.call("userInfo")
        info = await self.wait_for(self.lobby, "userInfo", self.on_lobby_event)
        return cents(info["balance"]), cents(info["session"])

    async def buy(self, amount):
        if await self.table_conn.call("userBuyin", amount / 100):
            self.bought += amount
            # Shown with the next seat data: at once between hands, after the hand otherwise.
            self.rebuy_unseen = True
            return True
        return False

    async def leave_table(self):
        self.leaving = True
        await self.table_conn.call("gameLeave")
        deadline = time.monotonic() + 30
        while not self.closed and time.monotonic() < deadline:
            for e in await self.table_conn.call("refresh"):
                self.on_table_event(e)
            await asyncio.sleep(0.1)
        if not self.closed:
            raise RuntimeError(f"{self.name}: no gameClose within 30 s of leaving")

    # -- events ---------------------------------------------------------------

    def check_server(self, e):
        if e.get("event") != "serverInfo":
            return
        if self.server_id[0] is None:
            self.server_id[0] = e["id"]
        elif e["id"] != self.server_id[0]:
            # A fresh server id means the server dropped this session's queue.
            self.stats.lost_queues += 1

    def on_lobby_event(self, e):
        self.check_server(e)

    def on_table_event(self, e):
        kind = e.get("event")
        self.check_server(e)
        if kind == "gameEvent":
            if e.get("userName") == self.name:
                self.seat = e["position"]
                self.stack = cents(e["userStack"])
                # Buy-ins happen at an empty stack: chips shown are the new ones, not older seat data.
                if self.stack > 0:
                    self.rebuy_unseen = False
            if "handId" in e:
                self.hand_id = e["handId"]
            if e.get("handStatus") == 100 and self.hand_id is not None:
                self.stats.hands.add((self.table["id"], self.hand_id))
            if e.get("userStatusChange") == 2 and e.get("position") == self.seat and not self.leaving:
                self.stats.sat_out += 1
        elif kind == "gameClose":
            self.closed = True

    async def answer(self, request, events):
        """Mostly check or call, now and then a fold or the least raise."""
        roll = self.rng.random()
        action, amount = "actionCheckCall", 0.0
        if roll < 0.1:
            action = "actionFold"
        elif roll < 0.2 and request.get("canRaise"):
            action, amount = "actionBetRaise", float(request.get("valueMin", 0))
        self.stats.turns += 1
        if not await self.table_conn.call("gameAction", action, amount):
            # Was the turn asked again right after this seat's own previous action?
            acts = [e for e in events if e.get("event") == "gameEvent" and any(k.startswith("action") for k in e)]
            again = bool(acts) and acts[-1].get("position") == self.seat
            self.stats.refusals.append((self.name, self.table["id"], self.hand_id, self.seat, action, again))

    # -- polling --------------------------------------------------------------

    async def poll(self, conn, stop, seated):
        loop = asyncio.get_running_loop()
        due = loop.time() + self.rng.random() * POLL_S
        next_list = due + self.rng.random() * 10
        while not stop.is_set():
            await asyncio.sleep(max(0.0, due - loop.time()))
            if stop.is_set():
                break
            due += POLL_S
            phase = self.stats.phase
            start = time.perf_counter()
            events = await conn.call("refresh")
            if phase and phase == self.stats.phase:
                self.stats.latency[phase].append(time.perf_counter() - start)
            if not seated:
                for e in events:
                    self.on_lobby_event(e)
                # The lobby window asks for the table list now and then.
                if loop.time() > next_list:
                    next_list += 10
                    await conn.call("gameList")
                    self.stats.lobby_calls += 1
                continue
            request, hand_over = None, False
            for e in events:
                self.on_table_event(e)
                if e.get("event") == "gameRequest":
                    request = e
                elif e.get("event") == "gameEvent" and e.get("handStatus") == 100:
                    hand_over = True
            if any(e.get("userStatusChange") == 2 and e.get("position") == self.seat for e in events):
                await conn.call("gameSetting", "return")  # and back to the game, as a player would
            if request and request["position"] == self.seat:
                await self.answer(request, events)
            elif hand_over and self.stack == 0 and self.may_rebuy and self.bought < 4 * cents(
                    self.table.get("buyinMin", 20)) * 2:
                if await self.buy(cents(self.table.get("buyinMin", 20)) * 2):
                    self.stats.rebuys += 1
            due = max(due, loop.time())  # a late poll does not make the next ones come in a burst

    async def run(self, stop):
        try:
            tasks = [self.poll(self.lobby, stop, False)]
            if self.table:
                tasks.append(self.poll(self.table_conn, stop, True))
            await asyncio.gather(*tasks)
        except Exception as error:  # noqa: BLE001 - every failure of an honest client is reported
            self.stats.errors.append(f"{self.name}: {type(error).__name__}: {error}")


# -- hostile connections --------------------------------------------------------

class Hostile:
    def __init__(self):
        self.opened = {"slow": 0, "pipeline": 0, "idle": 0}
        self.closed = {"slow": [], "pipeline": [], "idle": []}  # seconds each lived
        self.stalled = []  # pipelines: seconds from the last accepted byte to the server's close
        self.sent = 0
        self.refused = 0  # could not even connect
        self.sockets = set()

    async def connect(self, port, kind, small_receive=False):
        loop = asyncio.get_running_loop()
        s = socket.socket(socket.AF_INET, socket.SOCK_STREAM)
        if small_receive:
            # So that unread answers pile up in the server, not in our kernel.
            s.setsockopt(socket.SOL_SOCKET, socket.SO_RCVBUF, 4096)
        s.bind(("127.0.9.1", 0))  # one attacker, one address
        s.setblocking(False)
        try:
            await loop.sock_connect(s, ("127.0.0.1", port))
        except OSError:
            s.close()
            self.refused += 1
            return None
        self.opened[kind] += 1
        self.sockets.add(s)
        return s

    def forget(self, s):
        self.sockets.discard(s)
        s.close()

    async def idle(self, port, stop, delay):
        loop = asyncio.get_running_loop()
        await asyncio.sleep(delay)
        while not stop.is_set():
            s = await self.connect(port, "idle")
            if s is None:
                await asyncio.sleep(1)
                continue
            start = loop.time()
            try:
                await loop.sock_recv(s, 1)  # returns only when the server closes
                self.closed["idle"].append(loop.time() - start)
            except OSError:
                self.closed["idle"].append(loop.time() - start)
            finally:
                self.forget(s)

    async def slow(self, port, stop, delay):
        loop = asyncio.get_running_loop()
        await asyncio.sleep(delay)
        header = b"POST / HTTP/1.1\r\nHost: 127.0.0.1\r\nContent-Type: text/xml\r\nX-Slow: " + b"a" * 4096
        while not stop.is_set():
            s = await self.connect(port, "slow")
            if s is None:
                await asyncio.sleep(1)
                continue
            start = loop.time()
            gone = asyncio.ensure_future(loop.sock_recv(s, 1))
            try:
                for byte in header:
                    await loop.sock_sendall(s, bytes([byte]))
                    await asyncio.wait([gone], timeout=1.0)
                    if gone.done():
                        break
                if gone.done():
                    self.closed["slow"].append(loop.time() - start)
            except OSError:
                self.closed["slow"].append(loop.time() - start)
            finally:
                # The pending receive must be gone before its socket is.
                gone.cancel()
                await asyncio.gather(gone, return_exceptions=True)
                self.forget(s)

    async def pipeline(self, port, stop, delay):
        loop = asyncio.get_running_loop()
        await asyncio.sleep(delay)
        while not stop.is_set():
            s = await self.connect(port, "pipeline", small_receive=True)
            if s is None:
                await asyncio.sleep(1)
                continue
            start = loop.time()
            last = start
            try:
                # A community display needs no account, and its session may ask for avatars.
                body = xmlrpc.client.dumps((1, ["", "", "hostile"], "en_US", 0), "authenticate").encode()
                await loop.sock_sendall(s, b"POST / HTTP/1.1\r\nContent-Length: %d\r\n\r\n" % len(body) + body)
                answer = b""
                while b"</methodResponse>" not in answer:
                    chunk = await loop.sock_recv(s, 4096)
                    if not chunk:
                        raise ConnectionResetError
                    answer += chunk
                cookie = re.search(rb"sessionId=([0-9a-f]+)", answer).group(1)
                call = xmlrpc.client.dumps((1 + self.opened["pipeline"] % 10,), "getAvatar").encode()
                request = b"POST / HTTP/1.1\r\nContent-Length: %d\r\nCookie: sessionId=%s\r\n\r\n%s" % (
                    len(call), cookie, call)
                burst = request * 100
                while not stop.is_set():
                    await loop.sock_sendall(s, burst)  # never reads a single answer
                    self.sent += len(burst)
                    last = loop.time()
            except (OSError, AttributeError):
                self.closed["pipeline"].append(loop.time() - start)
                self.stalled.append(loop.time() - last)
            finally:
                self.forget(s)

    def close_all(self):
        for s in list(self.sockets):
            self.forget(s)


# -- the run --------------------------------------------------------------------

def start_server(pokerd, data, clients, seed):
    tables = os.path.join(data, "tables.json")
    json.dump(TABLES, open(tables, "w"))
    users = os.path.join(data, "users.json")
    json.dump([{"name": f"load{i + 1:03d}", "password": "demo", "balance": START_BALANCE}
               for i in range(clients)], open(users, "w"))
    with open(os.path.join(data, "stderr.txt"), "w") as stderr:
        proc = subprocess.Popen(
            [pokerd, "--listen", "127.0.0.1:0", "--data", os.path.join(data, "accounts"), "--tables", tables,
             "--users", users, "--seed", str(seed), "--bot-delay", "20", "--hand-delay", "200",
             "--action-timeout", "10"],
            stdout=subprocess.PIPE, stderr=stderr, text=True)
    line = proc.stdout.readline()
    match = re.search(r":(\d+) ", line)
    if not match:
        proc.kill()
        raise SystemExit(f"pokerd did not start: {line!r} {open(stderr.name).read()}")
    return proc, int(match.group(1)), stderr.name


def seat_plan(seated):
    """Table for each of the first clients, as many as each table has free seats."""
    plan = []
    for table in TABLES:
        plan += [table] * (table["seats"] - table["bots"])
    return plan[:seated]


async def lag_monitor(stop, lags):
    loop = asyncio.get_running_loop()
    while not stop.is_set():
        before = loop.time()
        await asyncio.sleep(0.05)
        lags.append(loop.time() - before - 0.05)


async def load(args, pid, port, failures):
    stats = Stats()
    server_id = [None]
    plan = seat_plan(args.seated)
    clients = [Client(i, port, plan[i] if i < len(plan) else None, stats, server_id, args.seed)
               for i in range(args.clients)]

    setup_start = time.monotonic()
    stop = asyncio.Event()
    gate = asyncio.Semaphore(20)
    runs = []

    async def login_then_run(client):
        async with gate:
            await client.login()
        # Playing starts at once: the table will not wait for the others.
        runs.append(asyncio.ensure_future(client.run(stop)))

    logins = await asyncio.gather(*(login_then_run(c) for c in clients), return_exceptions=True)
    for outcome in logins:
        if isinstance(outcome, Exception):
            failures.add(f"setup: {outcome}")
    setup_s = time.monotonic() - setup_start
    if failures.items:
        stop.set()
        await asyncio.gather(*runs)
        return None

    lags = []
    watch_stop = asyncio.Event()
    watchers = [asyncio.ensure_future(lag_monitor(watch_stop, lags))]

    alone_s = args.seconds / 3
    marks = {}

    def mark(name):
        marks[name] = (time.monotonic(), proc_cpu(pid), self_cpu(), proc_mem_kb(pid)[0], len(lags))

    stats.phase = "alone"
    mark("start")
    await asyncio.sleep(alone_s)
    mark("hostile")
    stats.phase = "hostile"
    hostile = Hostile()
    hostile_stop = asyncio.Event()
    kinds = [hostile.slow, hostile.pipeline, hostile.idle]
    counts = [args.hostile * 3 // 10, args.hostile * 3 // 10]
    counts.append(args.hostile - sum(counts))
    # Arriving one every 200 ms, the kinds taking turns, not all in the same instant.
    order = [kind for i in range(max(counts)) for kind, count in zip(kinds, counts) if i < count]
    hostile_tasks = [asyncio.ensure_future(kind(port, hostile_stop, 0.2 * i)) for i, kind in enumerate(order)]
    # Rebuys stop well before the end, so that every stack is shown again before leaving.
    await asyncio.sleep(max(0.0, args.seconds - alone_s - 15))
    for c in clients:
        c.may_rebuy = False
    await asyncio.sleep(min(15, args.seconds - alone_s))
    # A player looks at its stack before getting up: wait for the hands that would show it.
    deadline = time.monotonic() + 30
    while any(c.rebuy_unseen for c in clients) and time.monotonic() < deadline:
        await asyncio.sleep(0.25)
    mark("end")
    stats.phase = None
    open_at_end = {kind: hostile.opened[kind] - len(hostile.closed[kind]) for kind in hostile.opened}
    hostile_stop.set()
    for t in hostile_tasks:
        t.cancel()
    await asyncio.gather(*hostile_tasks, return_exceptions=True)
    hostile.close_all()
    stop.set()
    await asyncio.gather(*runs)
    watch_stop.set()
    await asyncio.gather(*watchers)

    # Everybody gets up; then every balance must tell the same story.
    seated = [c for c in clients if c.table]
    outcomes = await asyncio.gather(*(c.leave_table() for c in seated), return_exceptions=True)
    for c, outcome in zip(seated, outcomes):
        if isinstance(outcome, Exception):
            failures.add(f"leave: {outcome}")

    async def info(c):
        c.balance_after, c.at_tables_after = await c.user_info()

    outcomes = await asyncio.gather(*(info(c) for c in clients), return_exceptions=True)
    for c, outcome in zip(clients, outcomes):
        if isinstance(outcome, Exception):
            failures.add(f"userInfo {c.name}: {outcome}")
    for c in clients:
        c.lobby.close()
        if c.table_conn:
            c.table_conn.close()
    return {"stats": stats, "clients": clients, "hostile": hostile, "open_at_end": open_at_end,
            "marks": marks, "lags": lags, "setup_s": setup_s, "counts": counts}


def audit(result, stderr_text, accounts_file, failures):
    lines = []
    for line in stderr_text.splitlines():
        if "cents at the start" in line or "by its ledger" in line:
            failures.add(line.strip())
    stored = json.load(open(accounts_file))["accounts"]
    seated = bought = 0
    for c in result["clients"]:
        if c.balance_after is None:
            continue
        if c.at_tables_after != 0:
            failures.add(f"{c.name}: {money(c.at_tables_after)} still at tables after leaving")
        if c.table:
            seated += 1
            bought += c.bought
            expected = c.balance_before - c.bought + (c.stack or 0)
            if c.rebuy_unseen:
                failures.add(f"{c.name}: left without ever being shown its stack after a buy-in")
            if c.balance_after != expected:
                failures.add(f"{c.name} at {c.table['id']}: balance {money(c.balance_after)}, expected "
                             f"{money(c.balance_before)} - {money(c.bought)} bought + {money(c.stack or 0)} "
                             f"last shown stack = {money(expected)}")
        elif c.balance_after != c.balance_before:
            failures.add(f"{c.name} never sat down but its balance went from {money(c.balance_before)} "
                         f"to {money(c.balance_after)}")
        kept = stored.get(c.name, {})
        if int(kept.get("balanceCents", -1)) != c.balance_after or int(kept.get("atTablesCents", -1)) != 0:
            failures.add(f"{c.name}: the accounts file says {kept.get('balanceCents')} cents and "
                         f"{kept.get('atTablesCents')} at tables, the server said {c.balance_after}")
    lines.append(f"chip audit: {seated} seated clients bought {money(bought)} and took back "
                 f"{money(sum(c.stack or 0 for c in result['clients'] if c.table))}; "
                 f"{len(result['clients'])} balances checked against what each was shown and the accounts file")
    return lines


def report(args, result, pid, failures):
    stats, marks, hostile = result["stats"], result["marks"], result["hostile"]
    out = []
    seated = sum(1 for c in result["clients"] if c.table)
    out.append(f"pokerd load: {args.clients} clients ({seated} seated at {len(TABLES)} tables, "
               f"{args.clients - seated} in the lobby), {args.hostile} hostile connections, {args.seconds:.0f} s "
               f"(set up in {result['setup_s']:.1f} s)")

    def span(a, b):
        t0, cpu0, py0, _, lag0 = marks[a]
        t1, cpu1, py1, _, lag1 = marks[b]
        elapsed = t1 - t0
        return elapsed, cpu1 - cpu0, py1 - py0, result["lags"][lag0:lag1]

    rows = []
    for label, a, b, phase in (("honest only", "start", "hostile", "alone"),
                               ("with hostile", "hostile", "end", "hostile")):
        elapsed, cpu, py, lags = span(a, b)
        lat = stats.latency[phase]
        rows.append((label, elapsed, cpu, py, lat, lags))
    out.append(f"{'':24}" + "".join(f"{r[0] + f' ({r[1]:.0f} s)':>24}" for r in rows))
    out.append(f"{'server CPU':24}" + "".join(f"{f'{r[2]:.1f} s = {100 * r[2] / r[1]:.1f} %':>24}" for r in rows))
    out.append(f"{'python CPU (this side)':24}" + "".join(
        f"{f'{r[3]:.1f} s = {100 * r[3] / r[1]:.1f} %':>24}" for r in rows))
    out.append(f"{'refresh polls':24}" + "".join(f"{len(r[4]):>24}" for r in rows))
    for name, p in (("p50", 50), ("p99", 99), ("max", 100)):
        out.append(f"{'poll latency ' + name:24}" + "".join(f"{percentile(r[4], p) * 1000:>21.1f} ms" for r in rows))
    out.append(f"{'python loop lag max':24}" + "".join(f"{max(r[5] or [0]) * 1000:>21.1f} ms" for r in rows))
    elapsed, cpu, py, _ = span("start", "end")
    out.append(f"server CPU over the run: {cpu:.1f} s = {100 * cpu / elapsed:.1f} % of one core; "
               f"this script {py:.1f} s = {100 * py / elapsed:.1f} %")
    rss, hwm = proc_mem_kb(pid)
    before_hostile = marks["hostile"][3]
    out.append(f"server RSS: {before_hostile / 1024:.1f} MB before the hostile connections, peak {hwm / 1024:.1f} MB, "
               f"final {rss / 1024:.1f} MB")
    hands_by_table = {}
    for table, _ in stats.hands:
        hands_by_table[table] = hands_by_table.get(table, 0) + 1
    out.append(f"hands played: {len(stats.hands)} ({', '.join(f'{t} {n}' for t, n in sorted(hands_by_table.items()))})")
    out.append(f"turns answered {stats.turns} (refused {len(stats.refusals)}), sat out after time-outs "
               f"{stats.sat_out}, rebuys {stats.rebuys}, lobby table lists {stats.lobby_calls}")

    def lived(kind):
        times = hostile.closed[kind]
        return f"closed by the server {len(times)}" + (
            f" after {min(times):.1f}-{max(times):.1f} s" if times else "") + \
            f", open at the end {result['open_at_end'][kind]}"

    out.append(f"hostile, slow headers (a byte a second): {hostile.opened['slow']} opened, {lived('slow')}")
    stalled = f", closed {min(hostile.stalled):.1f}-{max(hostile.stalled):.1f} s after they stopped being read" \
        if hostile.stalled else ""
    out.append(f"hostile, unread getAvatar pipelines: {hostile.opened['pipeline']} opened, {lived('pipeline')}; "
               f"{hostile.sent / 1e6:.1f} MB of calls sent{stalled}")
    out.append(f"hostile, silent: {hostile.opened['idle']} opened, {lived('idle')}")
    if hostile.refused:
        out.append(f"hostile connections refused by the server: {hostile.refused}")

    # Limits: the unread pipelines may cost what the server allows a connection, and the
    # honest polls should not get much slower with the hostile connections there.
    pipelines_open = result["counts"][1]
    budget_kb = before_hostile + pipelines_open * (PENDING_REPLY_CAP + READ_BUFFER_CAP) / 1024 + 64 * 1024
    if hwm > budget_kb:
        failures.add(f"server memory peaked at {hwm / 1024:.0f} MB, more than {budget_kb / 1024:.0f} MB "
                     f"({before_hostile / 1024:.0f} MB before, plus {pipelines_open} unread connections at "
                     f"{(PENDING_REPLY_CAP + READ_BUFFER_CAP) / 2 ** 20:.0f} MB each, plus 64 MB)")
    p99_alone, p99_hostile = percentile(rows[0][4], 99), percentile(rows[1][4], 99)
    limit = max(3 * p99_alone, args.latency_ms / 1000)
    if p99_hostile > limit:
        failures.add(f"honest poll p99 went from {p99_alone * 1000:.1f} ms to {p99_hostile * 1000:.1f} ms "
                     f"with the hostile connections (limit {limit * 1000:.0f} ms)")
    hostile_s = rows[1][1]
    if result["counts"][2] and hostile_s > SERVER_IDLE_TIMEOUT_S + 5 and not hostile.closed["idle"]:
        failures.add(f"no silent connection was closed in {hostile_s:.0f} s (the server's idle timeout is "
                     f"{SERVER_IDLE_TIMEOUT_S:.0f} s)")
    if stats.errors:
        failures.add(f"{len(stats.errors)} honest clients failed, the first: {stats.errors[0]}")
    if stats.lost_queues:
        failures.add(f"the server dropped {stats.lost_queues} event queues of clients that were polling")
    if stats.refusals:
        name, table, hand, seat, action, _ = stats.refusals[0]
        again = sum(1 for r in stats.refusals if r[5])
        failures.add(f"{len(stats.refusals)} answers to a client's own turn were refused and the table waited "
                     f"for the time-out instead; {again} of them were turns asked again right after that "
                     f"seat's own action (first: {name} at {table}, hand {hand}, seat {seat}, {action})")
    if stats.sat_out:
        failures.add(f"{stats.sat_out} times an answering client was sat out for not acting in time")
    if not stats.hands:
        failures.add("no hand was played")
    if py / elapsed > 0.9:
        out.append("note: this script used most of a core; its latency figures include its own delays")
    return out


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("pokerd")
    parser.add_argument("seconds", nargs="?", type=float, default=60.0)
    parser.add_argument("--clients", type=int, default=200)
    parser.add_argument("--seated", type=int, default=sum(t["seats"] - t["bots"] for t in TABLES))
    parser.add_argument("--hostile", type=int, default=50)
    parser.add_argument("--seed", type=int, default=4242)
    parser.add_argument("--latency-ms", type=float, default=100.0,
                        help="honest poll p99 allowed with hostile connections, at least")
    args = parser.parse_args()
    args.seconds = max(args.seconds, 20.0)
    args.seated = min(args.seated, args.clients)

    failures = Failures()
    with tempfile.TemporaryDirectory(prefix="pokerd-load-") as data:
        proc, port, stderr_path = start_server(args.pokerd, data, args.clients, args.seed)
        try:
            result = asyncio.run(load(args, proc.pid, port, failures))
            lines = report(args, result, proc.pid, failures) if result else []
        finally:
            proc.terminate()
            proc.wait()
        if result:
            lines += audit(result, open(stderr_path).read(), os.path.join(data, "accounts", "accounts.json"),
                           failures)
    print("\n".join(lines))
    if failures.items:
        print(f"FAILED ({len(failures.items)}):")
        for item in failures.items[:20]:
            print("  " + item)
        if len(failures.items) > 20:
            print(f"  ... and {len(failures.items) - 20} more")
        sys.exit(1)
    print("OK")


if __name__ == "__main__":
    main()
