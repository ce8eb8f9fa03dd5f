#!/usr/bin/env python3
"""Checks the fourteen language DLLs of a build against the applet's own
resources: `compare_languages.py BIN`. Prints one line per DLL and exits 1
when any has a problem."""
import os
import re
import struct
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), '..'))
from pe_resources import RT_DIALOG, RT_STRING, resources  # noqa: E402

# Spelled as the applet looks them up, with the language each one declares.
LANGUAGES = {
    'chineseT.dll': 0x0404, 'chineseS.dll': 0x0804, 'danish.dll': 0x0406, 'german.dll': 0x0407,
    'finnish.dll': 0x040B, 'french.dll': 0x040C, 'italian.dll': 0x0410, 'Japanese.dll': 0x0411,
    'korean.dll': 0x0412, 'dutch.dll': 0x0413, 'norwegan.dll': 0x0414, 'bPort.dll': 0x0416,
    'swedish.dll': 0x041D, 'spanish.dll': 0x0C0A,
}
MAX_SIZE = 64 * 1024
# Texts German translates that another language may leave as in English
# (words both languages share, such as "Hexadecimal").
SHARED_WORDS = 3
RT_VERSION = 16
WS_VISIBLE, SS_NOPREFIX, STATIC, BUTTON = 0x10000000, 0x80, 0x82, 0x80
# The blank flag counts: "% d" in a translation would format a number.
PRINTF = re.compile(r'%[-+ #0]*(?:\*|\d+)?(?:\.(?:\*|\d+))?(?:hh|h|ll|l|I64|I32)?[diouxXeEfgGcsSp%]')


def text_at(block, at):
    """(sz_Or_Ord as text or number, offset after it)"""
    first = struct.unpack_from('<H', block, at)[0]
    if first == 0xFFFF:
        return struct.unpack_from('<H', block, at + 2)[0], at + 4
    end = at
    while struct.unpack_from('<H', block, end)[0]:
        end += 2
    return block[at:end].decode('utf-16-le'), end + 2


def dialog(block):
    """[(id, class, style, exstyle, text)] of an extended dialog template."""
    exstyle, style, count = struct.unpack_from('<8xIIH', block, 0)
    _, at = text_at(block, 26)           # menu
    _, at = text_at(block, at)           # class
    _, at = text_at(block, at)           # caption
    if style & 0x40:                     # DS_SETFONT
        _, at = text_at(block, at + 6)
    controls = []
    for _ in range(count):
        at = (at + 3) & ~3
        exstyle, style, control_id = struct.unpack_from('<4xII8xI', block, at)
        kind, at = text_at(block, at + 24)
        text, at = text_at(block, at)
        extra = struct.unpack_from('<H', block, at)[0]
        controls.append((control_id, kind, style, exstyle, text))
        at += 2 + extra
    return controls


def strings(path):
    result = {}
    for block_id, block in resources(path).get(RT_STRING, {}).items():
        at = 0
        for index in range(16):
            length = struct.unpack_from('<H', block, at)[0]
            if length:
                result[(block_id - 1) * 16 + index] = block[at + 2:at + 2 + 2 * length].decode('utf-16-le')
            at += 2 + 2 * length
    return result


def mnemonic_clashes(controls):
    seen, clashes = {}, []
    for control_id, kind, style, _, text in controls:
        if kind not in (STATIC, BUTTON) or not style & WS_VISIBLE or (kind == STATIC and style & SS_NOPREFIX):
            continue
        match = re.search(r'&([^&])', str(text).replace('&&', ''))
        if match:
            key = match.group(1).upper()
            if key in seen:
                clashes.append(f'{seen[key]!r}/{text!r}')
            seen[key] = text
    return clashes


def version_values(block, at=0, end=None, values=None):
    """{key: value} of every node of a version resource, texts decoded."""
    values = {} if values is None else values
    end = len(block) if end is None else end
    while at < end:
        length, value_length, is_text = struct.unpack_from('<HHH', block, at)
        key, value_at = text_at(block, at + 6)
        value_at = (value_at + 3) & ~3
        size = value_length * 2 if is_text else value_length
        value = block[value_at:value_at + size]
        values.setdefault(key, value.decode('utf-16-le').rstrip('\0') if is_text else value)
        version_values(block, (value_at + size + 3) & ~3, at + length, values)
        at = (at + length + 3) & ~3
    return values


def version_problems(path, name):
    block = resources(path).get(RT_VERSION, {}).get(1)
    if block is None:
        return ['no version resource']
    values = version_values(block)
    problems = [f'no {key}' for key in ('CompanyName', 'FileDescription', 'ProductName') if not values.get(key)]
    if not str(values.get('FileVersion')).startswith('5.0.'):
        problems.append(f'FileVersion {values.get("FileVersion")}')
    if values.get('OriginalFilename') != name:
        problems.append(f'OriginalFilename {values.get("OriginalFilename")}')
    if values.get('Translation', b'')[:2] != struct.pack('<H', LANGUAGES[name]):
        problems.append(f'Translation {values.get("Translation", b"").hex()}')
    return problems


def english_texts(path, english):
    """The keys of the strings and control texts that PATH has as English has them."""
    texts = {('string', i): t for i, t in strings(path).items()}
    for dialog_id, block in resources(path).get(RT_DIALOG, {}).items():
        texts.update({('control', dialog_id, n): c[4] for n, c in enumerate(dialog(block)) if c[4]})
    return {key for key, text in texts.items() if english['texts'].get(key) == text}


def problems_of(path, name, english):
    problems = []
    if os.path.getsize(path) >= MAX_SIZE:
        problems.append(f'{os.path.getsize(path)} bytes, not under {MAX_SIZE}')
    problems += version_problems(path, name)
    dialogs = {i: dialog(b) for i, b in resources(path).get(RT_DIALOG, {}).items()}
    if sorted(dialogs) != sorted(english['dialogs']):
        problems.append(f'dialogs {sorted(dialogs)}')
    for dialog_id, controls in sorted(dialogs.items()):
        if [c[:4] for c in controls] != [c[:4] for c in english['dialogs'].get(dialog_id, [])]:
            problems.append(f'dialog {dialog_id}: other controls, IDs or styles')
        problems += [f'dialog {dialog_id}: access key twice: {c}' for c in mnemonic_clashes(controls)]
    texts = strings(path)
    if sorted(texts) != sorted(english['strings']):
        problems.append(f'string IDs differ: {sorted(set(texts) ^ set(english["strings"]))}')
    for string_id, text in sorted(texts.items()):
        if PRINTF.findall(text) != PRINTF.findall(english['strings'].get(string_id, '')):
            problems.append(f'string {string_id}: formats of {text!r}')
    left = english_texts(path, english) - english['german']
    if len(left) > SHARED_WORDS:
        problems.append(f'{len(left)} texts left in English that German translates')
    return problems


def main():
    bin_dir = sys.argv[1]
    applet = os.path.join(bin_dir, 'VyrWLan.cpl')
    english = {'dialogs': {i: dialog(b) for i, b in resources(applet).get(RT_DIALOG, {}).items()},
               'strings': strings(applet)}
    english['texts'] = {('string', i): t for i, t in english['strings'].items()}
    english['texts'].update({('control', i, n): c[4] for i, d in english['dialogs'].items() for n, c in enumerate(d)})
    german = os.path.join(bin_dir, 'german.dll')
    english['german'] = english_texts(german, english) if os.path.exists(german) else set()
    present = set(os.listdir(bin_dir))
    failed = 0
    for name in LANGUAGES:
        problems = ([f'missing (found {sorted(p for p in present if p.lower() == name.lower())})']
                    if name not in present else problems_of(os.path.join(bin_dir, name), name, english))
        print(f'{name}: ' + ('; '.join(problems) if problems else 'ok'))
        failed += bool(problems)
    return 1 if failed else 0


if __name__ == '__main__':
    sys.exit(main())
