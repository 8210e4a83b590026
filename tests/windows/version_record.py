#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 Kelvorn R&D

"""Reads a built plim.exe as Windows does (with pefile) and checks what Explorer shows of
it: the version record, field by field, the one icon, and that it is a windowed program,
which opens no console. Prints what it read; exits 1 on any difference."""

import struct
import sys

import pefile

EXPECTED_STRINGS = {
    "Comments": "Zendrel",
    "CompanyName": "Kelvorn R&D",
    "FileDescription": "plim.exe",
    "FileVersion": "1.00",
    "InternalName": "plim",
    "OriginalFilename": "plim.exe",
    "ProductName": "Zendrel",
    "ProductVersion": "1.00",
}
ENGLISH_US_UNICODE = "040904B0"


def version(ms, ls):
    return f"{ms >> 16}.{ms & 0xFFFF}.{ls >> 16}.{ls & 0xFFFF}"


def icons(pe):
    """(width, height, colours, bits) of every picture in every icon group."""
    found = []
    for kind in pe.DIRECTORY_ENTRY_RESOURCE.entries:
        if kind.id != pefile.RESOURCE_TYPE["RT_GROUP_ICON"]:
            continue
        for name in kind.directory.entries:
            for language in name.directory.entries:
                data = pe.get_data(language.data.struct.OffsetToData, language.data.struct.Size)
                _, _, count = struct.unpack_from("<HHH", data)
                for i in range(count):
                    width, height, colours, _, _, bits, _, _ = struct.unpack_from(
                        "<BBBBHHIH", data, 6 + 14 * i)
                    found.append((width or 256, height or 256, colours, bits))
    return found


def main(path):
    pe = pefile.PE(path)
    failures = []

    def check(what, got, want):
        print(f"{what}: {got!r}")
        if got != want:
            failures.append(f"{what} is {got!r}, not {want!r}")

    fixed = pe.VS_FIXEDFILEINFO[0]
    check("file version", version(fixed.FileVersionMS, fixed.FileVersionLS), "1.0.0.0")
    check("product version", version(fixed.ProductVersionMS, fixed.ProductVersionLS), "1.0.0.0")

    tables = {}
    translations = []
    for info in pe.FileInfo[0]:
        if info.Key == b"StringFileInfo":
            for table in info.StringTable:
                tables[table.LangID.decode().upper()] = {
                    k.decode(): v.decode() for k, v in table.entries.items()}
        elif info.Key == b"VarFileInfo":
            for var in info.Var:
                translations.append(var.entry.get(b"Translation"))
    check("string tables", sorted(tables), [ENGLISH_US_UNICODE])
    for key, value in EXPECTED_STRINGS.items():
        check(key, tables.get(ENGLISH_US_UNICODE, {}).get(key), value)
    check("translation", translations, ["0x0409 0x04b0"])

    check("icons (width, height, colours, bits)", icons(pe), [(32, 32, 16, 4)])
    check("subsystem", pefile.SUBSYSTEM_TYPE[pe.OPTIONAL_HEADER.Subsystem],
          "IMAGE_SUBSYSTEM_WINDOWS_GUI")

    for failure in failures:
        print("FAIL:", failure)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1]))
