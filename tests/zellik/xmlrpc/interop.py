#!/usr/bin/env python3
"""Independent XML-RPC peer for the interoperability tests, built on Python's
standard xmlrpc.client.

  interop.py dumps   print {name: document} made by Python
  interop.py loads   read {name: document} on stdin, print {name: decoded}
                     with every value tagged by its XML-RPC type
"""
import base64
import json
import sys
import xmlrpc.client as xc


def made_by_python():
    event = {
        "event": "dealHole",
        "position": 3,
        "amount": 12.75,
        "tiny": 1e-7,
        "huge": 1.5e300,
        "negative": -7,
        "name": "Åsa 红隼 <&>",
        "cards": xc.Binary(b"\x05\x20\xff\x00"),
        "when": xc.DateTime("20110315T14:08:55"),
        "active": True,
        "folded": False,
        "seats": [[1, 2], [{"k": "v"}], []],
        "empty": {},
    }
    return {
        "call": xc.dumps((event, [1, "two", 3.5]), "gameAction"),
        "call_without_params": xc.dumps((), "destroy"),
        "response": xc.dumps(([event] * 3,), methodresponse=True),
        "fault": xc.dumps(xc.Fault(42, "Not allowed: <é>")),
    }


def tagged(value):
    if isinstance(value, bool):
        return {"boolean": value}
    if isinstance(value, int):
        return {"int": value}
    if isinstance(value, float):
        return {"double": value}
    if isinstance(value, str):
        return {"string": value}
    if isinstance(value, xc.Binary):
        return {"base64": base64.b64encode(value.data).decode("ascii")}
    if isinstance(value, xc.DateTime):
        return {"dateTime": value.value}
    if isinstance(value, (list, tuple)):
        return {"array": [tagged(v) for v in value]}
    if isinstance(value, dict):
        return {"struct": {k: tagged(v) for k, v in value.items()}}
    raise TypeError(type(value).__name__)


def decode(document):
    try:
        params, method = xc.loads(document.encode("utf-8"), use_builtin_types=False)
    except xc.Fault as fault:
        return {"fault": [fault.faultCode, fault.faultString]}
    return {"method": method, "params": [tagged(p) for p in params]}


def main():
    if sys.argv[1:] == ["dumps"]:
        json.dump(made_by_python(), sys.stdout, ensure_ascii=False)
    elif sys.argv[1:] == ["loads"]:
        documents = json.load(sys.stdin)
        json.dump({name: decode(doc) for name, doc in documents.items()}, sys.stdout, ensure_ascii=False)
    else:
        sys.exit(__doc__)


if __name__ == "__main__":
    main()
