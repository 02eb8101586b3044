#!/usr/bin/env python3
"""Drives pokerd with Python's own xmlrpc.client, as an independent client.
Prints one JSON object with what it saw."""
import hashlib
import http.client
import json
import os
import socket
import sys
import time
import xmlrpc.client

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "scripts"))
from cookie_transport import CookieTransport  # noqa: E402


def fault_of(call):
    try:
        call()
    except xmlrpc.client.Fault as fault:
        return [fault.faultCode, fault.faultString]
    return None


def raw_post(port, body):
    connection = http.client.HTTPConnection("127.0.0.1", port, timeout=10)
    connection.request("POST", "/", body=body, headers={"Content-Type": "text/xml"})
    response = connection.getresponse()
    return response.status, response.read().decode("utf-8", "replace")


def announce_large_body(port):
    """Announces a 2 MiB body; the server must refuse it before reading it."""
    with socket.create_connection(("127.0.0.1", port), timeout=10) as sock:
        sock.sendall(b"POST / HTTP/1.1\r\nHost: x\r\nContent-Length: 2097152\r\n\r\n" + b"<" * 1000)
        status_line = sock.makefile("rb").readline().decode("ascii")
    return int(status_line.split()[1])


def main():
    port = int(sys.argv[1])
    transport = CookieTransport()
    server = xmlrpc.client.ServerProxy(f"http://127.0.0.1:{port}//", transport=transport)
    out = {}
    out["ping"] = server.ping()
    out["unauthenticated"] = fault_of(lambda: server.refresh())
    # A wrong password is an answer, not a fault: the outcome comes as an event.
    refused = xmlrpc.client.ServerProxy("http://127.0.0.1:%d/" % port, transport=CookieTransport())
    out["bad_password_result"] = refused.authenticate(1, ["demo2", "0" * 40, "aa:bb"], "en_US", 0)
    out["bad_password"] = [e.get("ok") for e in refused.refresh() if e["event"] == "authenticate"]
    digest = hashlib.sha1("demo".encode("utf-8")).hexdigest()
    out["login"] = server.authenticate(1, ["demo2", digest, "aa:bb:cc:dd:ee:ff", "demo"], "en_US", 3600)
    out["cookie"] = bool(transport.cookie)
    events = server.refresh()
    out["first_events"] = [e["event"] for e in events]
    out["games"] = server.gameList()
    out["unknown_method"] = fault_of(lambda: server.noSuchMethod())
    server.userInfo()
    out["user_info"] = [e for e in server.refresh() if e["event"] == "userInfo"]
    server.gameJoin(out["games"][0]["id"])
    server.userBuyin(20.0)
    seen = []
    deadline = time.time() + 20
    # Joined in the middle of a hand, the first new hand shows the whole sequence.
    while time.time() < deadline and not any(e.get("handStatus") == 101 for e in seen):
        seen += server.refresh()
        time.sleep(0.05)
    out["table_events"] = sorted({e["event"] for e in seen})
    out["hand_status"] = sorted({e["handStatus"] for e in seen if "handStatus" in e})
    out["avatars"] = server.getAvatarList()
    avatar = server.getAvatar(out["avatars"][0]["id"])["image"].data
    out["avatar_png"] = avatar[:8] == b"\x89PNG\r\n\x1a\n"
    out["missing_avatar"] = server.getAvatar(999)
    out["garbage"] = raw_post(port, b"<methodCall><methodName>ping")
    out["too_large"] = announce_large_body(port)
    json.dump(out, sys.stdout, default=str)


if __name__ == "__main__":
    main()
