#!/usr/bin/python3
"""Checks that orvalde-trace built for node prints the same motion as the
native one: same header and rows, every number within 1e-9 absolute (the two
C libraries' sine and cosine may differ in the last bit, so bytes may not)."""

import argparse
import subprocess
import sys

STARTS = [-120, -100, -75, -50, -20, 0]
TICKS = 400
TOLERANCE = 1e-9


def run(command):
    result = subprocess.run(command, capture_output=True, text=True, check=False)
    if result.returncode != 0:
        sys.exit("%s failed (%d): %s" % (" ".join(command), result.returncode, result.stderr.strip()))
    return [line.split(",") for line in result.stdout.splitlines()]


def compare(native, web, what):
    """Returns (problems, largest difference) for two traces."""
    if native[0] != web[0]:
        return ["%s: headers differ: %s / %s" % (what, native[0], web[0])], 0.0
    if len(native) != len(web):
        return ["%s: %d rows natively, %d on node" % (what, len(native), len(web))], 0.0
    problems, largest = [], 0.0
    for row, (a, b) in enumerate(zip(native[1:], web[1:]), start=1):
        for column, x, y in zip(native[0], a, b):
            difference = abs(float(x) - float(y))
            largest = max(largest, difference)
            if not difference <= TOLERANCE:
                problems.append("%s: row %d, %s: %s natively, %s on node" % (what, row, column, x, y))
    return problems, largest


def main():
    parser = argparse.ArgumentParser(description=__doc__)
    parser.add_argument("native", help="the native orvalde-trace")
    parser.add_argument("node_trace", help="orvalde-trace.js")
    parser.add_argument("--node", default="node")
    args = parser.parse_args()

    problems, largest = [], 0.0
    for start in STARTS:
        for extra in ([], ["--circular"]):
            flags = ["--start", str(start), "--ticks", str(TICKS)] + extra
            what = " ".join(flags)
            found, difference = compare(run([args.native] + flags), run([args.node, args.node_trace] + flags), what)
            problems += found
            largest = max(largest, difference)
    for problem in problems[:40]:
        print(problem)
    print("%d traces of %d ticks compared, largest difference %.3g, %d beyond %g"
          % (2 * len(STARTS), TICKS, largest, len(problems), TOLERANCE))
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
