#!/usr/bin/env python3
"""The facts that the README, the manual page and docs/architecture.md state about the code,
held against the code: make targets and variables, presets and their folders, files, folders and
identifiers named, the rates, limits and sizes, the messages, the version and the install paths.
A document that names what no longer exists, or a figure the code no longer holds, fails here.
    doc_facts_test.py SOURCE_DIR"""
import json
import re
import sys
from pathlib import Path

root = Path(sys.argv[1])
failures = []


def read(path):
    return (root / path).read_text(encoding="utf-8")


def check(condition, what):
    if not condition:
        failures.append(what)


def one(pattern, text, where):
    """The groups of the one match of pattern in text (whitespace in text folded)."""
    matches = re.findall(pattern, re.sub(r"\s+", " ", text))
    check(len(matches) == 1, f"{where}: {pattern!r} matches {len(matches)} times, not once")
    return matches[0] if matches else None


readme, manual, makefile = read("README.md"), read("data/tolvane.1"), read("Makefile")
architecture = read("docs/architecture.md")
code = "\n".join(p.read_text(encoding="utf-8") for d in ("src", "app")
                 for p in sorted((root / d).rglob("*")) if p.suffix in (".cpp", ".h"))
documents = {"README.md": readme, "docs/architecture.md": architecture}
# The tests' own helpers, which the architecture notes name too.
test_code = "\n".join(p.read_text(encoding="utf-8") for p in sorted((root / "tests").rglob("*"))
                      if p.suffix in (".cpp", ".h"))

# What the documents name, each held against what exists: make targets and variables, as code
# spans and command lines give them; files and folders of the repository; identifiers
# (CamelCase, snake_case), each still in the code or its build, or a file's name.
targets = set(re.findall(r"^([a-z][\w-]*):", makefile, re.M))
variables = set(re.findall(r"^([A-Z_]+) \?=", makefile, re.M))
top = "src|tests|data|docs|cmake|scripts|tools|bench|fuzz|app|\\.ci"
stems = {p.stem for d in ("src", "app") for p in (root / d).rglob("*")}
build = makefile + "".join(p.read_text(encoding="utf-8") for p in [root / "CMakeLists.txt"] + [
    p for d in ("app", "cmake", "src", "tests") for p in sorted((root / d).rglob("*"))
    if p.name == "CMakeLists.txt" or p.suffix == ".cmake"])
for name, text in documents.items():
    commands = re.findall(r"`([^`]*)`", text) + re.findall(r"^    (.*)$", text, re.M)
    for command in commands:
        for target, rest in re.findall(r"\bmake ([a-z][\w-]*)((?: [A-Z_]+=\S*)*)", command):
            check(target in targets, f"{name}: `make {target}`: no such target")
            for variable in re.findall(r"([A-Z_]+)=", rest):
                check(variable in variables, f"{name}: make {variable}=: no such variable")
    for variable in re.findall(r"`([A-Z][A-Z_]+)`", text):
        if variable.endswith(("FLAGS", "JOBS", "SECONDS", "PREFIX")):
            check(variable in variables, f"{name}: `{variable}`: no such Makefile variable")
    for path in re.findall(rf"`((?:{top})/[^`\s*<]*)`", text):
        check((root / path).exists(), f"{name}: `{path}`: no such file or folder")
    for word in sorted(set(re.findall(r"`([A-Za-z_]\w*)`", text))):
        named = "_" in word.strip("_") or re.search(r"[a-z][A-Z]", word)
        if named and not re.match("Q[A-Z]", word):  # Qt's own classes
            check(re.search(rf"\b{word}\b", code + test_code + build) or word in stems,
                  f"{name}: `{word}`: named nowhere in the code or its build")

# The presets table: each preset exists and builds into the folder named.
presets = {p["name"]: p for p in json.loads(read("CMakePresets.json"))["configurePresets"]}
for name, folder in re.findall(r"^\| `(\w+)` \| `([\w-]+)/` \|", readme, re.M):
    binary = presets.get(name, {}).get("binaryDir", "${sourceDir}/build-${presetName}")
    check(name in presets and binary.replace("${sourceDir}/", "").replace("${presetName}", name)
          == folder, f"README.md: no preset {name} that builds into {folder}/")

# The rates: the mobile unit and first unit, the plans' factors and the first factor's bits.
mobile_seconds = one(r"kMobileUnitSeconds = ([\d.]+);", code, "conversion")
first_unit = one(r"kMobileFirstUnit = -(\d+)\.0;", code, "conversion")
yen_per_unit = one(r"kYenPerUnit = (\d+)\.0;", code, "conversion")
factors = one(r"kPlanFactors = \{([\d.]+)f, ([\d.]+)f, ([\d.]+)f\}", code, "tariff state")
for name, text in (("README.md", readme), ("tolvane.1", manual)):
    text = re.sub(r"\s+", " ", text)
    one(r"yen per [\d.]+ seconds, plus the first", text, name)
    for unit, seconds in re.findall(r"(\d+) yen per ([\d.]+) seconds", text):
        check((unit, float(seconds)) == (yen_per_unit, float(mobile_seconds or 0)),
              f"{name}: the mobile rate is {unit} yen per {seconds} seconds")
    for first in re.findall(r"plus the first (\d+) yen", text):
        check(first == first_unit, f"{name}: the first unit is {first} yen")
    said = one(r"0\.9 times 10 yen[^.]*?1\.2 times[^.]*?1\.0 times", text, name)
    check(said is not None and factors == ("0.9", "1.2", "1.0"), f"{name}: the plans' factors")
check(one(r"scale the unit's price by ([\d.]+), ([\d.]+) or ([\d.]+)\)", readme, "README.md")
      == factors, "README.md: the plans' factors")
bits = one(r"0\.9 is `(0x[0-9A-F]{8})`", readme, "README.md")
check(bits is not None and bits in code, f"README.md: 0.9 is {bits}, which the code does not check")

# The table file: 24 values, each in the 16-bit range.
size = one(r"kRateTableSize = (\d+);", code, "tariff state")
limits = one(r"negative \? (\d+) : (\d+);", code, "table reader")
for name, text, minus in (("README.md", readme, "\u2212"), ("tolvane.1", manual, r"\\-")):
    check(one(r"holds (\d+) whole numbers", text, name) == size, f"{name}: the number of values")
    said = one(rf"whole numbers? from {minus}(\d+) to (\d+)", text, name)
    check(said == limits, f"{name}: the values' range is {said}, the reader's {limits}")

# The long message, its head and its tail.
shortening = tuple(one(rf"{name} = (\d+);", code, "message box")
                   for name in ("kLongestShownPrompt", "kShownHead", "kShownTail"))
check(one(r"over (\d+) characters.*?first (\d+) characters, \"…\" and its last (\d+)", readme,
          "README.md") == shortening, "README.md: the long message's shortening")

# The messages quoted, the access keys, the version and the install paths.
for quoted in re.findall(r"「([^」]+)」", readme):
    check(f'"{quoted}"' in code, f"README.md: the message 「{quoted}」 is not the program's")
for key in ("A", "B"):
    check(f"Alt+{key}" in readme and f"Alt+{key}" in manual and f"(&{key})" in code,
          f"Alt+{key}: not the access key of a button")
version = one(r"project\(tolvane\s+VERSION ([\d.]+)", read("CMakeLists.txt"), "CMakeLists.txt")
check(f"tolvane_{version}_amd64.deb" in readme, f"README.md: the package is not version {version}")
check(f'"tolvane {version}"' in manual, f"tolvane.1: not version {version}")
packaging = read("cmake/Packaging.cmake")
check("set(TOLVANE_CONFFILE_DIR /etc/tolvane)" in packaging and "/etc/tolvane/table.csv" in readme,
      "the conffile is not /etc/tolvane/table.csv")
check('TOLVANE_PROGRAM_DIR "lib/tolvane"' in read("app/CMakeLists.txt"),
      "the program is not in lib/tolvane")
for package in ("qt6-translations-l10n", "fonts-ipafont-gothic | fonts-noto-cjk", "qt6-wayland"):
    check(package in packaging and package in re.sub(r"\s+", " ", readme),
          f"{package}: not what README.md and the package say alike")

for failure in failures:
    print("FAIL:", failure)
sys.exit(1 if failures else 0)
