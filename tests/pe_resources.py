#!/usr/bin/env python3
"""Lists what a Windows PE file carries, for the build checks:
`pe_resources.py FILE dialogs|icons|string ID|exports|imports`."""
import struct
import sys

RT_ICON_GROUP = 14
RT_DIALOG = 5
RT_STRING = 6


def read_pe(path):
    data = open(path, 'rb').read()
    pe = struct.unpack_from('<I', data, 0x3C)[0]
    if data[pe:pe + 4] != b'PE\0\0':
        sys.exit(f'{path}: not a PE file')
    sections, optional_size = struct.unpack_from('<H12xH', data, pe + 6)
    optional = pe + 24
    magic = struct.unpack_from('<H', data, optional)[0]
    directories = optional + (96 if magic == 0x10B else 112)
    table = optional + optional_size
    section_list = []
    for i in range(sections):
        name, vsize, vaddr, rsize, raddr = struct.unpack_from('<8sIIII', data, table + 40 * i)
        section_list.append((vaddr, max(vsize, rsize), raddr))

    def offset(rva):
        for vaddr, size, raddr in section_list:
            if vaddr <= rva < vaddr + size:
                return rva - vaddr + raddr
        sys.exit(f'{path}: address {rva:#x} outside every section')

    def directory(index):
        return struct.unpack_from('<II', data, directories + 8 * index)

    return data, offset, directory


def resources(path):
    """{type: {id: bytes of the first language}}"""
    data, offset, directory = read_pe(path)
    rva, size = directory(2)
    if not size:
        return {}
    base = offset(rva)

    def entries(at):
        named, ids = struct.unpack_from('<12xHH', data, at)
        for i in range(named + ids):
            name, target = struct.unpack_from('<II', data, at + 16 + 8 * i)
            yield name, target

    result = {}
    for type_id, type_target in entries(base):
        for res_id, res_target in entries(base + (type_target & 0x7FFFFFFF)):
            for _, leaf in entries(base + (res_target & 0x7FFFFFFF)):
                data_rva, data_size = struct.unpack_from('<II', data, base + leaf)
                start = offset(data_rva)
                result.setdefault(type_id, {})[res_id] = data[start:start + data_size]
                break
    return result


def string(path, string_id):
    block = resources(path).get(RT_STRING, {}).get(string_id // 16 + 1)
    if block is None:
        return None
    at = 0
    for _ in range(string_id % 16):
        length = struct.unpack_from('<H', block, at)[0]
        at += 2 + 2 * length
    length = struct.unpack_from('<H', block, at)[0]
    return block[at + 2:at + 2 + 2 * length].decode('utf-16-le') if length else None


def exports(path):
    data, offset, directory = read_pe(path)
    rva, size = directory(0)
    if not size:
        return []
    at = offset(rva)
    names, name_table = struct.unpack_from('<24xI4xI', data, at)
    result = []
    for i in range(names):
        name_rva = struct.unpack_from('<I', data, offset(name_table) + 4 * i)[0]
        start = offset(name_rva)
        result.append(data[start:data.index(b'\0', start)].decode('ascii'))
    return result


def imports(path):
    """Functions imported by name, as DLL!function."""
    data, offset, directory = read_pe(path)
    rva, size = directory(1)
    if not size:
        return []
    pe32 = struct.unpack_from('<H', data, struct.unpack_from('<I', data, 0x3C)[0] + 24)[0] == 0x10B
    result = []
    at = offset(rva)
    while True:
        lookup, _, _, name_rva, thunks = struct.unpack_from('<IIIII', data, at)
        if not name_rva:
            return result
        dll = data[offset(name_rva):data.index(b'\0', offset(name_rva))].decode('ascii')
        entry = offset(lookup or thunks)
        width, ordinal_flag = (4, 1 << 31) if pe32 else (8, 1 << 63)
        while True:
            value = struct.unpack_from('<Q' if width == 8 else '<I', data, entry)[0]
            if not value:
                break
            if not value & ordinal_flag:
                start = offset(value & 0x7FFFFFFF) + 2
                result.append(dll + '!' + data[start:data.index(b'\0', start)].decode('ascii'))
            entry += width
        at += 20


def main():
    path, what = sys.argv[1], sys.argv[2]
    if what == 'dialogs':
        print(' '.join(str(i) for i in sorted(resources(path).get(RT_DIALOG, {}))))
    elif what == 'icons':
        print(' '.join(str(i) for i in sorted(resources(path).get(RT_ICON_GROUP, {}))))
    elif what == 'string':
        text = string(path, int(sys.argv[3]))
        print('' if text is None else repr(text))
    elif what == 'exports':
        print(' '.join(exports(path)))
    elif what == 'imports':
        print('\n'.join(imports(path)))
    else:
        sys.exit(f'unknown request {what}')


if __name__ == '__main__':
    main()
