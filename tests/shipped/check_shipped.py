#!/usr/bin/env python3
"""What ships, checked by reading the files and never by running them, so that it holds for a
build this machine cannot run:
  check_shipped.py win32|win64 VERSION PROGRAM.exe CONSOLE.exe
Every binary is for the expected processor, of its subsystem, and imports only DLLs that come
with every Windows (the C++ runtime, libgcc and winpthread are linked in statically). The window
program carries its version block, its manifest, its icons and its dialogs."""
import struct
import sys

SYSTEM_DLLS = {'kernel32.dll', 'user32.dll', 'gdi32.dll', 'advapi32.dll', 'shell32.dll', 'comctl32.dll',
               'msvcrt.dll', 'ole32.dll', 'oleaut32.dll', 'oleacc.dll', 'shlwapi.dll', 'comdlg32.dll',
               'version.dll', 'ws2_32.dll'}
PROCESSORS = {'win32': (0x14c, 0x10b, 'x86'), 'win64': (0x8664, 0x20b, 'amd64')}
GUI, CONSOLE = 2, 3
RT_ICON, RT_DIALOG, RT_GROUP_ICON, RT_VERSION, RT_MANIFEST = 3, 5, 14, 16, 24
# Each icon group: an image for each size, at its bits per pixel.
ICONS = {128: [(16, 32), (20, 32), (24, 32), (32, 32), (40, 32), (48, 32), (64, 32)],
         129: [(48, 8), (48, 32), (60, 32), (72, 32), (96, 32)]}
DIALOGS = (102, 104)


class Refused(Exception):
    pass


def expect(condition, what):
    if not condition:
        raise Refused(what)


class PeFile:
    def __init__(self, path):
        self.data = open(path, 'rb').read()
        d = self.data
        expect(d[:2] == b'MZ', 'no MZ header: not a Windows program')
        pe = struct.unpack_from('<I', d, 0x3c)[0]
        expect(d[pe:pe + 4] == b'PE\0\0', 'no PE header: not a Windows program')
        self.machine, sections, _, _, _, optional_size, _ = struct.unpack_from('<HHIIIHH', d, pe + 4)
        optional = pe + 24
        self.magic = struct.unpack_from('<H', d, optional)[0]
        self.subsystem = struct.unpack_from('<H', d, optional + 68)[0]
        directories = optional + (96 if self.magic == 0x10b else 112)
        self.directories = [struct.unpack_from('<II', d, directories + 8 * i) for i in range(16)]
        table = optional + optional_size
        # (virtual size, address, raw size, raw offset) of each section
        self.sections = [struct.unpack_from('<8xIIII', d, table + 40 * i) for i in range(sections)]

    def offset(self, rva):
        for size, address, raw_size, raw in self.sections:
            if address <= rva < address + max(size, raw_size):
                return raw + rva - address
        raise Refused(f'address {rva:#x} lies in no section')

    def text(self, rva):
        start = self.offset(rva)
        return self.data[start:self.data.index(b'\0', start)].decode('ascii')

    def imports(self):
        rva, _ = self.directories[1]
        expect(rva, 'no import table')
        names, at = [], self.offset(rva)
        while any(descriptor := struct.unpack_from('<5I', self.data, at)):
            names.append(self.text(descriptor[3]).lower())
            at += 20
        return names

    def resources(self):
        """{(type, id): bytes} for IDs, of the first language of each."""
        rva, _ = self.directories[2]
        expect(rva, 'no resources')
        base = self.offset(rva)

        def entries(directory):
            named, numbered = struct.unpack_from('<HH', self.data, base + directory + 12)
            for i in range(named + numbered):
                yield struct.unpack_from('<II', self.data, base + directory + 16 + 8 * i)

        found = {}
        for kind, names in entries(0):
            for name, languages in entries(names & 0x7fffffff):
                _, leaf = next(entries(languages & 0x7fffffff))
                data, size = struct.unpack_from('<II', self.data, base + leaf)
                start = self.offset(data)
                found[(kind, name)] = self.data[start:start + size]
        return found


def version_block(data):
    """The fixed file version and the strings of a version resource."""
    def blocks(at, end):
        while at + 6 <= end:
            length, value_length, kind = struct.unpack_from('<HHH', data, at)
            if length == 0:
                return
            key_end = at + 6
            while data[key_end:key_end + 2] != b'\0\0':
                key_end += 2
            key = data[at + 6:key_end].decode('utf-16-le')
            value = (key_end + 2 + 3) & ~3
            size = value_length * 2 if kind == 1 else value_length
            yield key, data[value:value + size], (value + size + 3) & ~3, at + length
            at = (at + length + 3) & ~3

    root, fixed, children, end = next(blocks(0, len(data)))
    expect(root == 'VS_VERSION_INFO' and struct.unpack_from('<I', fixed)[0] == 0xfeef04bd, 'no version block')
    ms, ls = struct.unpack_from('<II', fixed, 8)
    strings = {}
    for key, _, tables, table_end in blocks(children, end):
        if key == 'StringFileInfo':
            for _, _, entries, entries_end in blocks(tables, table_end):
                for name, value, _, _ in blocks(entries, entries_end):
                    strings[name] = value.decode('utf-16-le').rstrip('\0')
    return f'{ms >> 16}.{ms & 0xffff}.{ls >> 16}.{ls & 0xffff}', strings


def check_program(pe, arch, version):
    resources = pe.resources()
    file_version, strings = version_block(resources.get((RT_VERSION, 1), b''))
    expect(file_version == version, f'file version {file_version}, not {version}')
    wanted = {'FileVersion': version, 'ProductVersion': '1.0.9.0401', 'ProductName': 'Locatrix', 'CompanyName': 'Norvane'}
    for name, value in wanted.items():
        expect(strings.get(name) == value, f'version block: {name} is {strings.get(name)!r}, not {value!r}')
    yield f'version block {file_version}, product {strings["ProductVersion"]}'

    manifest = resources.get((RT_MANIFEST, 1), b'').decode('utf-8', 'replace')
    other = {'x86': 'amd64', 'amd64': 'x86'}[PROCESSORS[arch][2]]
    for wanted in ('name="Microsoft.Windows.Common-Controls" version="6.0.0.0"', 'level="asInvoker"',
                   '<dpiAware xmlns="http://schemas.microsoft.com/SMI/2005/WindowsSettings">true</dpiAware>',
                   f'="{PROCESSORS[arch][2]}"'):
        expect(wanted in manifest, f'manifest lacks {wanted}')
    # Windows refuses to start a program whose manifest names another processor.
    expect(f'="{other}"' not in manifest, f'manifest names {other}')
    yield f'manifest: common controls 6, {PROCESSORS[arch][2]}, as invoker, DPI aware'

    for group, images in ICONS.items():
        directory = resources.get((RT_GROUP_ICON, group), b'')
        entries = [struct.unpack_from('<B5xHIH', directory, 6 + 14 * i)
                   for i in range(struct.unpack_from('<H', directory, 4)[0] if directory else 0)]
        expect([(width, bits) for width, bits, _, _ in entries] == images, f'icon {group} has {entries}')
        for width, _, size, image in entries:
            expect(len(resources.get((RT_ICON, image), b'')) == size, f'icon {group}: the {width}-pixel image is missing')
    yield 'icons ' + ', '.join(f'{group} ({len(images)} images)' for group, images in ICONS.items())

    for dialog in DIALOGS:
        expect((RT_DIALOG, dialog) in resources, f'no dialog {dialog}')
    yield 'dialogs ' + ', '.join(map(str, DIALOGS))


def check(path, arch, subsystem, version=None):
    pe = PeFile(path)
    machine, magic, name = PROCESSORS[arch]
    expect((pe.machine, pe.magic) == (machine, magic), f'built for machine {pe.machine:#x}, not {name}')
    expect(pe.subsystem == subsystem, f'subsystem {pe.subsystem}, not {subsystem}')
    yield f'processor {name}, {"window" if subsystem == GUI else "console"} program'
    imports = pe.imports()
    foreign = [dll for dll in imports if dll not in SYSTEM_DLLS]
    expect(not foreign, f'imports {", ".join(foreign)}, which not every Windows has')
    yield 'imports ' + ' '.join(imports)
    if version:
        yield from check_program(pe, arch, version)


def main():
    if len(sys.argv) != 5 or sys.argv[1] not in PROCESSORS:
        sys.exit('usage: check_shipped.py win32|win64 VERSION PROGRAM.exe CONSOLE.exe')
    arch, version, program, console = sys.argv[1:]
    failed = False
    for path, subsystem, wanted_version in ((program, GUI, version), (console, CONSOLE, None)):
        try:
            for line in check(path, arch, subsystem, wanted_version):
                print(f'{path}: {line}')
        except (Refused, OSError, struct.error, ValueError, StopIteration) as problem:
            print(f'{path}: {problem or type(problem).__name__}', file=sys.stderr)
            failed = True
    sys.exit(1 if failed else 0)


if __name__ == '__main__':
    main()
