#!/usr/bin/env python3
"""Generates a language DLL's resource script from the English one.

Usage: translate_rc.py ENGLISH.rc TABLE.txt OUTPUT.rc

Every quoted text of ENGLISH.rc (dialog captions, control texts, strings)
whose whole text has an entry in TABLE is replaced by its translation;
texts without an entry stay as they are, and so does everything else:
IDs, layout, styles, file names. The LANGUAGE statement becomes German and
the output is written in Windows code page 1252 with a matching
"#pragma code_page", so windres reads the accented letters correctly.

TABLE is UTF-8, one entry per line: the English text, a TAB, the
translation. Inside both texts \\n stands for a line feed, \\t for a tab and
\\\\ for a backslash; a double quote is written as it is. Blank lines and
lines starting with "#" are ignored. Leading and trailing blanks count: an
entry must keep those of the English text, the same number of accelerator
marks (&) and the same printf conversions, so that the code which loads or
formats the text behaves alike in every language.

Standard library only. Exits with status 1 and a message naming the file
and line when an input cannot be parsed; OUTPUT is then left untouched.
"""

import os
import re
import sys
import tempfile

TARGET_LANGUAGE = "LANG_GERMAN, SUBLANG_GERMAN"
SOURCE_LANGUAGE = re.compile(
    r"\bLANGUAGE\s+LANG_ENGLISH\s*,\s*SUBLANG_ENGLISH_US\b")
ANY_LANGUAGE = re.compile(r"\bLANGUAGE\b")
CODE_PAGE = 1252
CODE_PAGE_PRAGMA = re.compile(r"^\s*#\s*pragma\s+code_page\s*\(.*\)\s*$")

# printf conversions; the blank flag is left out so that German "50 % Leistung"
# does not read as a conversion.
PRINTF = re.compile(r"%[-+#0]*(?:\*|\d+)?(?:\.(?:\*|\d+))?"
                    r"(?:hh|h|ll|l|I64|I32)?[diouxXeEfgGcsSp%]")


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


def check_entry(english, german, where):
    if not german.strip():
        raise InputError(f"{where}: empty translation of {english!r}")
    if PRINTF.findall(english) != PRINTF.findall(german):
        raise InputError(f"{where}: format conversions differ: "
                         f"{english!r} -> {german!r}")
    if accelerators(english) != accelerators(german):
        raise InputError(f"{where}: number of accelerators (&) differs: "
                         f"{english!r} -> {german!r}")
    if edge_blanks(english) != edge_blanks(german):
        raise InputError(f"{where}: leading or trailing blanks differ: "
                         f"{english!r} -> {german!r}")
    try:
        german.encode(f"cp{CODE_PAGE}")
    except UnicodeEncodeError as err:
        raise InputError(f"{where}: {german!r} has a character that code "
                         f"page {CODE_PAGE} cannot hold ({err.reason})")


def read_table(path):
    """Returns {English text: translation} and {English text: line}."""
    try:
        with open(path, encoding="utf-8") as f:
            lines = f.read().split("\n")
    except (OSError, UnicodeDecodeError) as err:
        raise InputError(f"{path}: cannot read the table: {err}")
    table, origin = {}, {}
    for number, line in enumerate(lines, 1):
        line = line.rstrip("\r")
        where = f"{path}:{number}"
        if not line.strip() or line.lstrip().startswith("#"):
            continue
        fields = line.split("\t")
        if len(fields) != 2:
            raise InputError(f"{where}: expected 'English<TAB>translation', "
                             f"found {len(fields) - 1} tabs")
        english = unescape_table_text(fields[0], where)
        german = unescape_table_text(fields[1], where)
        check_entry(english, german, where)
        if english in table and table[english] != german:
            raise InputError(f"{where}: {english!r} already translated on "
                             f"line {origin[english]} differently")
        table[english] = german
        origin[english] = number
    if not table:
        raise InputError(f"{path}: the table has no entries")
    return table, origin


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


def translate(source, path, table):
    """Returns the translated script and the set of table keys used."""
    out, used, languages = [], set(), 0
    for kind, text, line in segments(source, path):
        where = f"{path}:{line}"
        if kind == "string":
            english = decode_literal(text[1:-1], where)
            if english in table:
                used.add(english)
                text = encode_literal(table[english], where)
        elif kind == "directive" and CODE_PAGE_PRAGMA.match(text):
            continue  # replaced by the pragma at the top
        elif kind == "code":
            found = len(ANY_LANGUAGE.findall(text))
            text, replaced = SOURCE_LANGUAGE.subn(
                "LANGUAGE " + TARGET_LANGUAGE, text)
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
        table, origin = read_table(table_path)
        try:
            with open(rc_path, encoding="utf-8") as f:
                source = f.read()
        except (OSError, UnicodeDecodeError) as err:
            raise InputError(f"{rc_path}: cannot read the script: {err}")
        body, used = translate(source, rc_path, table)
        header = (f"// Generated by {prog} from {os.path.basename(rc_path)} "
                  f"and {os.path.basename(table_path)}: do not edit.\n"
                  f"#pragma code_page({CODE_PAGE})\n")
        data = (header + body).encode(f"cp{CODE_PAGE}")
    except InputError as err:
        sys.stderr.write(f"{prog}: error: {err}\n")
        return 1
    except UnicodeEncodeError as err:
        sys.stderr.write(f"{prog}: error: {rc_path}: text that code page "
                         f"{CODE_PAGE} cannot hold: {err}\n")
        return 1
    for english in sorted(set(table) - used, key=origin.get):
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
