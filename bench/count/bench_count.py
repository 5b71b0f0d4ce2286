#!/usr/bin/python3
"""Counts instructions under callgrind and holds them to the budget committed beside this file.

    bench_count.py BUILD_DIR BUDGET [--runs N]

Instructions, unlike time, come out the same from run to run whatever else the machine is doing,
so a change that makes start-up or a conversion 2 % costlier fails here, on any machine of the
kind the budget was measured on. Counted:
- each start-up probe (the calculator, the bare window with the calculator's plain controls, the
  bare window), a whole process from launch to its first paint, on the X display it is given;
- each kind of conversion and the baseline (reading the text as a double, writing an integer),
  per conversion; a kind is also held to its ratio to the baseline counted in the same run, so
  that a dearer conversion cannot hide behind a cheaper library.
Each program runs in an environment of its own making (an empty home, the C.UTF-8 locale, no
session bus, and a font configuration that lists only the two Japanese fonts the window is made
for, its cache made before counting), so that neither the caller's settings nor whatever other
fonts the machine has can change what is counted. With --runs N each is
counted N times and the spread is shown; the largest count is the one held to the budget.
"""

import os
import re
import subprocess
import sys
import tempfile

GROWTH_ALLOWED = 0.02
ITERATIONS = 1000
FONT_FOLDERS = ["/usr/share/fonts/opentype/ipafont-gothic", "/usr/share/fonts/opentype/noto"]
PROBES = ["startup_probe_tolvane", "startup_probe_controls", "startup_probe_bare"]
KINDS = ["Baseline", "TimeToCharge_General", "TimeToCharge_Mobile", "ChargeToTime_General",
         "ChargeToTime_Mobile"]


def read_budget(path):
    budget = {}
    with open(path, encoding="utf-8") as lines:
        for line in lines:
            fields = line.split("#", 1)[0].split()
            if fields:
                budget[fields[0]] = float(fields[1])
    return budget


def font_configuration(scratch):
    """Writes a fontconfig file of only the window's fonts, and makes its cache, uncounted."""
    path = os.path.join(scratch, "fonts.conf")
    folders = "".join(f"<dir>{folder}</dir>" for folder in FONT_FOLDERS)
    with open(path, "w", encoding="utf-8") as configuration:
        configuration.write(
            '<?xml version="1.0"?><!DOCTYPE fontconfig SYSTEM "urn:fontconfig:fonts.dtd">'
            f'<fontconfig>{folders}<cachedir>{os.path.join(scratch, "font-cache")}</cachedir>'
            '<include ignore_missing="yes">/etc/fonts/conf.d</include></fontconfig>')
    subprocess.run(["fc-cache"], env={"FONTCONFIG_FILE": path, "PATH": "/usr/bin:/bin"},
                   check=True)
    return path


def callgrind(command, extra, scratch):
    log = os.path.join(scratch, "log")
    environment = {
        "FONTCONFIG_FILE": os.path.join(scratch, "fonts.conf"),
        "PATH": "/usr/bin:/bin",
        "HOME": scratch,
        "XDG_RUNTIME_DIR": scratch,
        "LANG": "C.UTF-8",
        # No session bus, found at once: without an address, D-Bus would try to start one, in a
        # thread of its own, with whatever dbus-launch the machine has or lacks.
        "DBUS_SESSION_BUS_ADDRESS": "unix:path=" + os.path.join(scratch, "no-bus"),
    }
    for name in ("DISPLAY", "XAUTHORITY"):
        if name in os.environ:
            environment[name] = os.environ[name]
    # A log per process: one that forks would otherwise write both counts into one file.
    process = subprocess.Popen(
        ["valgrind", "--tool=callgrind", f"--log-file={log}.%p",
         f"--callgrind-out-file={os.path.join(scratch, 'out')}.%p"] + extra + command,
        env=environment, cwd=scratch, stdout=subprocess.DEVNULL)
    if process.wait() != 0:
        sys.exit(f"bench-count: {command[0]} failed under callgrind")
    with open(f"{log}.{process.pid}", encoding="utf-8") as report:
        found = re.search(r"Collected : (\d+)", report.read())
    if found is None:
        sys.exit(f"bench-count: callgrind reported no count for {command[0]}")
    return int(found.group(1))


def count(build, name, scratch):
    if name in PROBES:
        probe = os.path.join(build, "bench", "startup", name)
        return callgrind([probe, "-platform", "xcb"], [], scratch)
    program = os.path.join(build, "bench", "conversion_count")
    return callgrind([program, name, str(ITERATIONS)], ["--collect-atstart=no"],
                     scratch) / ITERATIONS


def main():
    if len(sys.argv) < 3:
        sys.exit(__doc__)
    build, budget_path = os.path.abspath(sys.argv[1]), sys.argv[2]
    runs = int(sys.argv[sys.argv.index("--runs") + 1]) if "--runs" in sys.argv else 1
    budget = read_budget(budget_path)
    counts = {}
    with tempfile.TemporaryDirectory(prefix="tolvane-count-") as scratch:
        font_configuration(scratch)
        for name in PROBES + KINDS:
            counts[name] = [count(build, name, scratch) for _ in range(runs)]

    held = {name: max(values) for name, values in counts.items()}
    failures = []

    def check(what, now, allowed):
        growth = now / allowed - 1
        if growth > GROWTH_ALLOWED:
            failures.append(f"{what} grew {growth:+.2%} beyond its budget")
        return f"{growth:+7.2%}"

    print(f"{'instructions':24} {'counted':>14} {'budget':>14} {'vs budget':>9}"
          f" {'spread':>7} {'/baseline':>9} {'vs budget':>9}")
    for name in PROBES + KINDS:
        if name not in budget:
            sys.exit(f"bench-count: {budget_path} has no budget for {name}")
        values = counts[name]
        spread = (max(values) - min(values)) / min(values)
        line = (f"{name:24} {held[name]:14,.1f} {budget[name]:14,.1f}"
                f" {check(name, held[name], budget[name])} {spread:7.3%}")
        if name in KINDS[1:]:
            ratio, allowed = held[name] / held["Baseline"], budget[name] / budget["Baseline"]
            line += f" {ratio:9.3f} {check(name + ' against the baseline', ratio, allowed)}"
        print(line)
    print(f"(start-up: whole processes to their first paint; conversions: per conversion, "
          f"{ITERATIONS} counted; {runs} run(s) each)")
    for failure in failures:
        print(f"bench-count: {failure} (more than {GROWTH_ALLOWED:.0%})", file=sys.stderr)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
