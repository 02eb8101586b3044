#!/usr/bin/env python3
"""Times Python's xmlrpc.client (expat underneath) on the document that
bench_xmlrpc wrote, and compares with that benchmark's JSON results: medians
of five repetitions on both sides.

  xmlrpc_python.py DOCUMENT BENCH_JSON
"""
import json
import statistics
import sys
import timeit
import xmlrpc.client as xc


def median_ms(statement, repeat=5, number=20):
    return statistics.median(timeit.repeat(statement, repeat=repeat, number=number)) / number * 1000.0


def main():
    document = open(sys.argv[1], "rb").read()
    params, _ = xc.loads(document)
    parse = median_ms(lambda: xc.loads(document))
    encode = median_ms(lambda: xc.dumps(params, methodresponse=True))
    both = median_ms(lambda: xc.dumps(xc.loads(document)[0], methodresponse=True))

    ours = {}
    benches = json.load(open(sys.argv[2]))["benchmarks"]
    for bench in benches:
        # The median of the repetitions where there are several, else the one run.
        if bench.get("aggregate_name") == "median":
            ours[bench["run_name"]] = bench["real_time"]  # milliseconds, as the benchmark asks
        elif bench.get("run_type", "iteration") == "iteration" and bench["name"] not in ours:
            ours[bench["name"]] = bench["real_time"]

    rows = [
        ("parse", ours.get("BM_ParseRefresh"), parse),
        ("encode", ours.get("BM_EncodeRefresh"), encode),
        ("parse + encode", ours.get("BM_ParseAndEncodeRefresh"), both),
    ]
    print(f"500-event refresh answer, {len(document)} bytes")
    print(f"{'':16}{'ours ms':>10}{'python ms':>12}{'python/ours':>14}")
    for name, mine, theirs in rows:
        ratio = theirs / mine if mine else float("nan")
        print(f"{name:16}{mine or float('nan'):10.3f}{theirs:12.3f}{ratio:14.2f}")


if __name__ == "__main__":
    main()
