#!/usr/bin/env python3
"""What a Windows PE file says of itself, for the build checks:
`pe_version.py FILE version` prints its version resource as one line,
`pe_version.py FILE manifest ID` the assemblies of the manifest at that ID."""
import struct
import sys
import xml.etree.ElementTree as ElementTree

from pe_resources import resources

RT_VERSION = 16
RT_MANIFEST = 24
FILE_TYPES = {1: 'exe', 2: 'dll'}


def align(at):
    return (at + 3) & ~3


def node(data, at):
    """(key, value bytes, children) of one entry of a version resource."""
    length, value_length, is_text = struct.unpack_from('<HHH', data, at)
    key_end = at + 6
    while data[key_end:key_end + 2] != b'\0\0':
        key_end += 2
    key = data[at + 6:key_end].decode('utf-16-le')
    value_at = align(key_end + 2)
    value = data[value_at:value_at + value_length * (2 if is_text else 1)]
    children, child_at = [], align(value_at + len(value))
    while child_at < at + length:
        child, child_at = node(data, child_at)
        children.append(child)
    return (key, value, children), align(at + length)


def text(value):
    return value.decode('utf-16-le').split('\0')[0]


def version(path):
    data = resources(path).get(RT_VERSION, {}).get(1)
    if data is None:
        return 'no version resource'
    (_, fixed, children), _ = node(data, 0)
    signature, _, file_ms, file_ls, product_ms, product_ls = struct.unpack_from('<6I', fixed)
    file_type = struct.unpack_from("<I", fixed, 36)[0]
    numbers = f'{file_ms >> 16}.{file_ms & 0xFFFF}.{file_ls >> 16}.{file_ls & 0xFFFF}'
    parts = [f'version={numbers}' if signature == 0xFEEF04BD else 'version=unsigned',
             f'type={FILE_TYPES.get(file_type, file_type)}']
    if (product_ms, product_ls) != (file_ms, file_ls):
        parts.append('product-version-differs')
    for key, _, blocks in children:
        for block, value, entries in blocks:
            if key == 'StringFileInfo':
                parts.append(f'strings={block}')
                parts += [f'{name}={text(value)}' for name, value, _ in sorted(entries)]
            elif key == 'VarFileInfo' and block == 'Translation':
                language, code_page = struct.unpack_from('<HH', value)
                parts.append(f'translation={language:04X}{code_page:04X}')
    return ' '.join(parts)


def manifest(path, manifest_id):
    """The manifest's assembly and what it depends on, one line."""
    data = resources(path).get(RT_MANIFEST, {}).get(manifest_id)
    if data is None:
        return 'no manifest'
    space = '{urn:schemas-microsoft-com:asm.v1}'
    parts = []
    for identity in ElementTree.fromstring(data).iter(space + 'assemblyIdentity'):
        names = ('name', 'version', 'processorArchitecture', 'publicKeyToken')
        parts.append(' '.join(identity.get(name, '-') for name in names))
    return ' | '.join(parts)


def main():
    path, what = sys.argv[1], sys.argv[2]
    if what == 'version':
        print(version(path))
    elif what == 'manifest':
        print(manifest(path, int(sys.argv[3])))
    else:
        sys.exit(f'unknown request {what}')


if __name__ == '__main__':
    main()
