#!/usr/bin/env python3
"""Applies each mutant of tests/mutants.txt in a scratch build, runs the test
programs named for it and reports the mutants that no test caught."""
import os
import re
import subprocess
import sys
import time


# ctest entries that are scripts over a test program, or run one in another
# locale: the program is built.
PROGRAM_OF = {"secrets_at_rest": "profile_store_tests", "language_resources": "language_fit_tests",
              "language_sheet_Japanese": "language_fit_tests"}
# The checks of what ships and of its package read the build's files.
PROGRAM_OF.update({"shipping_x86_64": "all", "package_x86_64": "installer", "installer": "installer"})


def read_mutants(path):
    mutants, current = [], None
    for line in open(path, encoding="utf-8").read().splitlines():
        if line.startswith("## "):
            current = {"title": line[3:], "file": "", "tests": [], "from": [], "to": []}
            mutants.append(current)
        elif current is None or line.startswith("#") or not line.strip():
            continue
        elif line.startswith("file: "):
            current["file"] = line[6:].strip()
        elif line.startswith("tests: "):
            current["tests"] = line[7:].split()
        elif line.startswith("-"):
            current["from"].append(line[1:])
        elif line.startswith("+"):
            current["to"].append(line[1:])
        else:
            sys.exit(f"mutants.txt: cannot read line: {line}")
    for mutant in mutants:
        mutant["from"] = "\n".join(mutant["from"])
        mutant["to"] = "\n".join(mutant["to"])
        if not (mutant["file"] and mutant["tests"] and mutant["from"]):
            sys.exit(f"mutants.txt: incomplete mutant: {mutant['title']}")
    return mutants


def run(command, log, timeout=None):
    try:
        return subprocess.run(command, stdout=log, stderr=subprocess.STDOUT, timeout=timeout).returncode
    except subprocess.TimeoutExpired:
        return -1


def main():
    top, scratch, pattern = sys.argv[1], sys.argv[2], (sys.argv[3] if len(sys.argv) > 3 else "")
    source, build = os.path.join(scratch, "src"), os.path.join(scratch, "build")
    mutants = [m for m in read_mutants(os.path.join(top, "tests", "mutants.txt"))
               if re.search(pattern, m["title"] + " " + m["file"])]
    log = open(os.path.join(scratch, "mutants.log"), "w")
    survivors, broken = [], []
    for number, mutant in enumerate(mutants, 1):
        path = os.path.join(source, mutant["file"])
        original = open(path, encoding="utf-8").read()
        label = f"[{number}/{len(mutants)}] {mutant['file']}: {mutant['title']}"
        if original.count(mutant["from"]) != 1:
            print(f"{label}: DOES NOT APPLY (the text occurs {original.count(mutant['from'])} times)", flush=True)
            broken.append(mutant)
            continue
        started = time.time()
        try:
            open(path, "w", encoding="utf-8").write(original.replace(mutant["from"], mutant["to"]))
            log.write(f"\n===== {label}\n")
            log.flush()
            targets = [arg for test in mutant["tests"] for arg in ("--target", PROGRAM_OF.get(test, test))]
            if run(["cmake", "--build", build] + targets, log) != 0:
                verdict = "DOES NOT BUILD"
                broken.append(mutant)
            else:
                tests = "^(" + "|".join(mutant["tests"]) + ")$"
                failed = run(["ctest", "--test-dir", build, "-R", tests, "-FA", ".*", "--timeout", "240",
                              "--output-on-failure"], log) != 0
                verdict = "caught" if failed else "SURVIVED"
                if not failed:
                    survivors.append(mutant)
        finally:
            open(path, "w", encoding="utf-8").write(original)
        print(f"{label}: {verdict} ({time.time() - started:.0f} s)", flush=True)
    # The last mutant's objects would outlive it: the next run's copy resets
    # the sources' times, and the build would take them for up to date.
    run(["cmake", "--build", build], log)
    caught = len(mutants) - len(survivors) - len(broken)
    print(f"\n{len(mutants)} mutants: {caught} caught, {len(survivors)} survived, {len(broken)} broken")
    for mutant in survivors + broken:
        print(f"  {mutant['file']}: {mutant['title']}")
    return 0 if not survivors and not broken else 1


if __name__ == "__main__":
    sys.exit(main())
