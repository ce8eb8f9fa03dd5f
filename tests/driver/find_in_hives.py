#!/usr/bin/env python3
"""Searches a Wine prefix's registry hives for texts in every encoding the
registry could hold them in: as text, as hexadecimal byte lists of their
ASCII or UTF-16 form, and, for texts of hexadecimal digits, as the bytes
they spell."""
import argparse
import pathlib
import re
import sys


def byte_list(data):
    return ",".join(f"{b:02x}" for b in data)


def encodings(text):
    forms = {
        "text": text.lower(),
        "ASCII bytes": byte_list(text.encode("ascii")),
        "UTF-16 bytes": byte_list(text.encode("utf-16-le")),
    }
    if re.fullmatch(r"([0-9A-Fa-f]{2})+", text):
        forms["the bytes it spells"] = byte_list(bytes.fromhex(text))
    return forms


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("prefix")
    parser.add_argument("--found", nargs="*", default=[])
    parser.add_argument("--absent", nargs="*", default=[])
    args = parser.parse_args()
    hives = {}
    for name in ("user.reg", "system.reg", "userdef.reg"):
        path = pathlib.Path(args.prefix, name)
        if path.exists():
            # Long values go on over lines ending in a backslash.
            raw = path.read_text(encoding="utf-8", errors="replace")
            hives[name] = re.sub(r"\\\n\s*", "", raw).lower()
    failures = 0
    for text in args.found:
        if not any(form in hive for form in encodings(text).values() for hive in hives.values()):
            print(f"not found in any hive: {text!r}")
            failures += 1
    for text in args.absent:
        for name, hive in hives.items():
            for encoding, form in encodings(text).items():
                if form in hive:
                    print(f"{name} holds {text!r} as {encoding}")
                    failures += 1
    print(f"{len(args.found)} texts to find, {len(args.absent)} to miss, in {', '.join(hives)}: "
          f"{'ok' if failures == 0 else str(failures) + ' failures'}")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
