#!/usr/bin/env python3
"""Generates a language DLL's resource script from the English one.

Usage: translate_rc.py ENGLISH.rc TABLE.txt OUTPUT.rc

Every quoted text of ENGLISH.rc (dialog captions, control texts, strings)
whose whole text has an entry in TABLE is replaced by its translation;
texts without an entry stay as they are, and so does everything else:
IDs, styles, file names, and the layout unless TABLE moves or widens a
control. The LANGUAGE statement becomes the table's language, and the
output includes version_info.rc, the version resource every shipped file
carries, with the language's macros defined.

The output is UTF-8 with "#pragma code_page(65001)": in the East Asian
code pages the second byte of a character can be a backslash or a quote,
which windres would take for an escape or the end of a string. Every
translation must still fit the language's ANSI code page, because the
applet reads its texts through the 8-bit APIs.

TABLE is UTF-8, one entry per line: the English text, a TAB, the
translation. Inside both texts \\n stands for a line feed, \\t for a tab and
\\\\ for a backslash; a double quote is written as it is. Blank lines and
lines starting with "#" are ignored. Leading and trailing blanks count: an
entry must keep those of the English text and the same number of
accelerator marks (&). Lines starting with "@" describe the language:

    @language 0x040C 1252 French       language ID, ANSI code page, name
    @layout IDD_X "Label:" - - 120 -   x, y, width, height of a control
    @layout IDD_X IDC_Y 130 - - -      ("-" keeps the English value)
    @layout IDD_X DIALOGEX - - 400 -   the dialog's own size

A control is named by its English text or by its ID; a text names every
control of the dialog that shows it. Each @layout must match.

Standard library only. Exits with status 1 and a message naming the file
and line when an input cannot be parsed; OUTPUT is then left untouched.
"""

import os
import re
import sys
import tempfile

SOURCE_LANGUAGE = re.compile(
    r"\bLANGUAGE\s+LANG_ENGLISH\s*,\s*SUBLANG_ENGLISH_US\b")
ANY_LANGUAGE = re.compile(r"\bLANGUAGE\b")
CODE_PAGE_PRAGMA = re.compile(r"^\s*#\s*pragma\s+code_page\s*\(.*\)\s*$")
LANGUAGE_LINE = re.compile(r"@language\s+0x([0-9A-Fa-f]{4})\s+(\d+)\s+(\S.*)$")
LAYOUT_LINE = re.compile(r'@layout\s+(\w+)\s+(\w+|"[^"]*")((?:\s+(?:\d+|-)){4})$')


class InputError(Exception):
    """An input that cannot be used; the message names file and line."""


# --------------------------------------------------------------------------
# Translation table

TABLE_ESCAPES = {"n": "\n", "t": "\t", "\\": "\\"}


def unescape_table_text(text, where):
    out = []
    i = 0
    while i < len(text):
        ch = text[i]
        if ch == "\\":
            if i + 1 >= len(text) or text[i + 1] not in TABLE_ESCAPES:
                raise InputError(f"{where}: unknown escape in {text!r} "
                                 "(use \\n, \\t or \\\\)")
            out.append(TABLE_ESCAPES[text[i + 1]])
            i += 2
        else:
            out.append(ch)
            i += 1
    return "".join(out)


def accelerators(text):
    return len(re.findall(r"&(?!&)", text.replace("&&", "")))


def edge_blanks(text):
    stripped = text.strip()
    if not stripped:
        return text, ""
    start = text.index(stripped)
    return text[:start], text[start + len(stripped):]


def check_entry(english, translation, code_page, where):
    if not translation.strip():
        raise InputError(f"{where}: empty translation of {english!r}")
    if accelerators(english) != accelerators(translation):
        raise InputError(f"{where}: number of accelerators (&) differs: "
                         f"{english!r} -> {translation!r}")
    if edge_blanks(english) != edge_blanks(translation):
        raise InputError(f"{where}: leading or trailing blanks differ: "
                         f"{english!r} -> {translation!r}")
    try:
        translation.encode(f"cp{code_page}")
    except UnicodeEncodeError as err:
        raise InputError(f"{where}: {translation!r} has a character that code "
                         f"page {code_page} cannot hold ({err.reason})")


class Table:
    """A translation table: its entries, its language and its layout."""

    def __init__(self):
        self.entries, self.origin = {}, {}
        self.language_id, self.code_page, self.name = None, None, None
        self.layouts = {}  # (dialog, control) -> ([x, y, w, h], line)


def read_directive(table, line, where):
    match = LANGUAGE_LINE.match(line)
    if match:
        table.language_id = int(match.group(1), 16)
        table.code_page = int(match.group(2))
        table.name = match.group(3).strip()
        try:
            "".encode(f"cp{table.code_page}")
        except LookupError:
            raise InputError(f"{where}: unknown code page {table.code_page}")
        return
    match = LAYOUT_LINE.match(line)
    if not match:
        raise InputError(f"{where}: expected '@language 0xID CODEPAGE "
                         "NAME' or '@layout DIALOG CONTROL X Y W H'")
    dialog, control, numbers = match.groups()
    key = (dialog, control.strip('"') if control.startswith('"') else control)
    table.layouts[key] = (numbers.split(), where)


def read_table(path):
    """Returns the Table of PATH."""
    try:
        with open(path, encoding="utf-8") as f:
            lines = f.read().split("\n")
    except (OSError, UnicodeDecodeError) as err:
        raise InputError(f"{path}: cannot read the table: {err}")
    table = Table()
    for number, line in enumerate(lines, 1):
        line = line.rstrip("\r")
        where = f"{path}:{number}"
        if not line.strip() or line.lstrip().startswith("#"):
            continue
        if line.startswith("@"):
            read_directive(table, line, where)
            continue
        if table.code_page is None:
            raise InputError(f"{where}: the @language line must come first")
        fields = line.split("\t")
        if len(fields) != 2:
            raise InputError(f"{where}: expected 'English<TAB>translation', "
                             f"found {len(fields) - 1} tabs")
        english = unescape_table_text(fields[0], where)
        translation = unescape_table_text(fields[1], where)
        check_entry(english, translation, table.code_page, where)
        if english in table.entries and table.entries[english] != translation:
            raise InputError(f"{where}: {english!r} already translated on "
                             f"line {table.origin[english]} differently")
        table.entries[english] = translation
        table.origin[english] = number
    if not table.entries:
        raise InputError(f"{path}: the table has no entries")
    return table


# --------------------------------------------------------------------------
# Resource script

RC_ESCAPES = {"n": "\n", "t": "\t", "r": "\r", "a": "\a", "\\": "\\",
              '"': '"'}


def decode_literal(body, where):
    """The text of a resource-script string literal (without its quotes)."""
    out = []
    i = 0
    while i < len(body):
        ch = body[i]
        if ch == '"':  # "" inside a literal is one double quote
            out.append('"')
            i += 2
        elif ch == "\\":
            nxt = body[i + 1] if i + 1 < len(body) else ""
            if nxt in RC_ESCAPES and nxt:
                out.append(RC_ESCAPES[nxt])
                i += 2
            elif nxt in "01234567" and nxt:
                digits = re.match(r"[0-7]{1,3}", body[i + 1:]).group()
                out.append(chr(int(digits, 8)))
                i += 1 + len(digits)
            elif nxt in "xX" and nxt:
                digits = re.match(r"[0-9A-Fa-f]{0,4}", body[i + 2:]).group()
                if not digits:
                    raise InputError(f"{where}: \\x without hex digits")
                out.append(chr(int(digits, 16)))
                i += 2 + len(digits)
            else:
                raise InputError(f"{where}: unsupported escape "
                                 f"'\\{nxt}' in a string")
        else:
            out.append(ch)
            i += 1
    return "".join(out)


def encode_literal(text, where):
    out = []
    for ch in text:
        if ch == '"':
            out.append('""')
        elif ch == "\\":
            out.append("\\\\")
        elif ch == "\n":
            out.append("\\n")
        elif ch == "\t":
            out.append("\\t")
        elif ch == "\r":
            out.append("\\r")
        elif ord(ch) < 0x20:
            raise InputError(f"{where}: control character {ord(ch):#04x} "
                             "in a translation")
        else:
            out.append(ch)
    return '"' + "".join(out) + '"'


def segments(source, path):
    """Splits the script into (kind, text, line) with kind 'code',
    'comment', 'directive' or 'string' (the literal with its quotes)."""
    result = []
    i, line, n = 0, 1, len(source)
    code_start, code_line = 0, 1
    at_line_start = True

    def flush_code(end):
        if end > code_start:
            result.append(("code", source[code_start:end], code_line))

    while i < n:
        ch = source[i]
        if at_line_start and ch in " \t":
            i += 1
            continue
        if at_line_start and ch == "#":
            flush_code(i)
            start, start_line = i, line
            while i < n:  # a directive runs to an unescaped line end
                if source[i] == "\n":
                    if i > 0 and source[i - 1] == "\\":
                        line += 1
                        i += 1
                        continue
                    break
                i += 1
            result.append(("directive", source[start:i], start_line))
            code_start, code_line = i, line
            at_line_start = False
            continue
        at_line_start = False
        if source.startswith("//", i):
            flush_code(i)
            end = source.find("\n", i)
            end = n if end < 0 else end
            result.append(("comment", source[i:end], line))
            i = end
            code_start, code_line = i, line
        elif source.startswith("/*", i):
            flush_code(i)
            end = source.find("*/", i + 2)
            if end < 0:
                raise InputError(f"{path}:{line}: unterminated comment")
            text = source[i:end + 2]
            result.append(("comment", text, line))
            line += text.count("\n")
            i = end + 2
            code_start, code_line = i, line
        elif ch == '"':
            flush_code(i)
            j = i + 1
            while True:
                if j >= n or source[j] == "\n":
                    raise InputError(f"{path}:{line}: unterminated string")
                if source[j] == "\\":
                    j += 2
                    continue
                if source[j] == '"':
                    if j + 1 < n and source[j + 1] == '"':
                        j += 2
                        continue
                    break
                j += 1
            result.append(("string", source[i:j + 1], line))
            i = j + 1
            code_start, code_line = i, line
        else:
            if ch == "\n":
                line += 1
                at_line_start = True
            i += 1
    flush_code(n)
    return result


DIALOG_LINE = re.compile(r"^(\w+)(\s+DIALOGEX\s+)(\d+\s*,\s*\d+\s*,"
                         r"\s*\d+\s*,\s*\d+)(.*)$")
# A control statement whose position follows its text and ID (CONTROL
# statements put class and style first and cannot be moved).
CONTROL_LINE = re.compile(r'^(\s+[A-Z]+\s+)((?:"(?:[^"]|"")*"\s*,\s*)?)'
                          r"(\w+)(\s*,\s*)(\d+\s*,\s*\d+\s*,\s*\d+\s*,"
                          r"\s*\d+)(.*)$")


def moved(numbers, override):
    old = re.split(r"\s*,\s*", numbers)
    return ", ".join(o if n == "-" else n for o, n in zip(old, override))


def apply_layouts(source, path, table):
    """The script with the table's @layout lines applied to its dialogs."""
    used, dialog, out = set(), None, []
    for number, line in enumerate(source.split("\n"), 1):
        where = f"{path}:{number}"
        match = DIALOG_LINE.match(line)
        control = CONTROL_LINE.match(line) if dialog else None
        if match:
            dialog = match.group(1)
            override = table.layouts.get((dialog, "DIALOGEX"))
            if override:
                used.add((dialog, "DIALOGEX"))
                line = (match.group(1) + match.group(2) +
                        moved(match.group(3), override[0]) + match.group(4))
        elif line.startswith("END"):
            dialog = None
        elif control:
            literal = control.group(2).rstrip().rstrip(",").strip()
            text = decode_literal(literal[1:-1], where) if literal else None
            keys = [k for k in ((dialog, control.group(3)), (dialog, text))
                    if k in table.layouts]
            if len(keys) > 1:
                raise InputError(f"{where}: @layout names this control twice")
            if keys:
                used.add(keys[0])
                line = (control.group(1) + control.group(2) + control.group(3)
                        + control.group(4)
                        + moved(control.group(5), table.layouts[keys[0]][0])
                        + control.group(6))
        out.append(line)
    for key, (_, where) in table.layouts.items():
        if key not in used:
            raise InputError(f"{where}: @layout {key[0]} {key[1]} matches "
                             "no control")
    return "\n".join(out)


def version_macros(table, out_path):
    dll = os.path.splitext(os.path.basename(out_path))[0] + ".dll"
    return (f'#define VYR_FILE_DESCRIPTION "Vyr wireless applet resources: '
            f'{table.name}"\n'
            f'#define VYR_ORIGINAL_FILENAME "{dll}"\n'
            f"#define VYR_FILE_TYPE VFT_DLL\n"
            f'#define VYR_LANGUAGE_BLOCK "{table.language_id:04X}'
            f'{table.code_page:04X}"\n'
            f"#define VYR_LANGUAGE {table.language_id:#06x}, "
            f"{table.code_page}\n")


def translate(source, path, table):
    """Returns the translated script and the set of table keys used."""
    out, used, languages = [], set(), 0
    for kind, text, line in segments(source, path):
        where = f"{path}:{line}"
        if kind == "string":
            english = decode_literal(text[1:-1], where)
            if english in table.entries:
                used.add(english)
                text = encode_literal(table.entries[english], where)
        elif kind == "directive" and CODE_PAGE_PRAGMA.match(text):
            continue  # replaced by the pragma at the top
        elif kind == "code":
            found = len(ANY_LANGUAGE.findall(text))
            text, replaced = SOURCE_LANGUAGE.subn(
                f"LANGUAGE {table.language_id & 0x3FF:#x}, "
                f"{table.language_id >> 10:#x}", text)
            if found != replaced:
                raise InputError(f"{where}: a LANGUAGE statement other than "
                                 "LANG_ENGLISH, SUBLANG_ENGLISH_US")
            languages += replaced
        out.append(text)
    if not languages:
        raise InputError(f"{path}: no 'LANGUAGE LANG_ENGLISH, "
                         "SUBLANG_ENGLISH_US' statement")
    return "".join(out), used


def main(argv):
    if len(argv) != 4:
        sys.stderr.write("usage: translate_rc.py ENGLISH.rc TABLE.txt "
                         "OUTPUT.rc\n")
        return 2
    rc_path, table_path, out_path = argv[1:]
    prog = os.path.basename(argv[0])
    try:
        table = read_table(table_path)
        try:
            with open(rc_path, encoding="utf-8") as f:
                source = f.read()
        except (OSError, UnicodeDecodeError) as err:
            raise InputError(f"{rc_path}: cannot read the script: {err}")
        source = apply_layouts(source, rc_path, table)
        body, used = translate(source, rc_path, table)
        header = (f"// Generated by {prog} from {os.path.basename(rc_path)} "
                  f"and {os.path.basename(table_path)}: do not edit.\n"
                  f"#pragma code_page(65001)\n")
        footer = ("\n" + version_macros(table, out_path) +
                  '#include "version_info.rc"\n')
        data = (header + body + footer).encode("utf-8")
    except InputError as err:
        sys.stderr.write(f"{prog}: error: {err}\n")
        return 1
    origin = table.origin
    for english in sorted(set(table.entries) - used, key=origin.get):
        sys.stderr.write(f"{prog}: warning: {table_path}:{origin[english]}: "
                         f"{english!r} occurs nowhere in {rc_path}\n")
    # Write beside the target and rename, so a failed run leaves no half file.
    directory = os.path.dirname(os.path.abspath(out_path))
    fd, tmp = tempfile.mkstemp(dir=directory, suffix=".tmp")
    try:
        with os.fdopen(fd, "wb") as f:
            f.write(data)
        umask = os.umask(0)
        os.umask(umask)
        os.chmod(tmp, 0o666 & ~umask)  # mkstemp's private mode is not wanted
        os.replace(tmp, out_path)
    except OSError as err:
        if os.path.exists(tmp):
            os.unlink(tmp)
        sys.stderr.write(f"{prog}: error: {out_path}: {err}\n")
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
