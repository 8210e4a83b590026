#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 Kelvorn R&D

"""Fills the dialer's country names into Qt .ts files from the installed iso-codes.

Each entry of the dialing tables (dialer/dialing_tables.cpp) that stands for a country
carries its ISO 3166-1 alpha-2 code, or the ISO 3166-3 alpha-4 code of a country that no
longer exists. For every such message of the "Country" context this writes the country's
name in the file's language, as iso-codes translates it (its common name where it has one),
with a translator comment naming the code and the iso-codes version. Messages without a
code (carriers, services, regions) and codes without a name in that language are left
untouched, for a translator; so is a name a translator has changed by hand. The messages of
the "ISO country name" context (the other names iso-codes gives those countries, by which a
search finds them) are filled the same way. Prints, per file, how many names came from
iso-codes and how many are left for translators.

With --iso-data, first writes the C++ file of what the search knows of each code (the other
codes and the English names, dialer/iso_country_data.cpp); lupdate then adds its names to the
.ts files, and a second run fills them in.

Usage: scripts/import-country-names.py [--iso-data dialer/iso_country_data.cpp] \
           i18n/zendrel_ja.ts i18n/zendrel_de.ts
"""

import argparse
import gettext
import json
import re
import subprocess
import sys
import xml.etree.ElementTree as ET
from pathlib import Path

CONTEXT = "Country"
ISO_NAME_CONTEXT = "ISO country name"
ISO_COMMENT = re.compile(r"ISO 3166-[13] [A-Z]+, from iso-codes ")
# {QT_TRANSLATE_NOOP("Country", "Japan"), "-81-(0)-", "JP"}; a carrier's entry has its
# country's code after its own empty one: {QT_TRANSLATE_NOOP(...), "001", "", "JP"}
TABLE_ENTRY = re.compile(r'QT_TRANSLATE_NOOP\("' + CONTEXT +
                         r'", "((?:[^"\\]|\\.)*)"\), "[^"]*", "([A-Z]*)"(?:, "[A-Z]*")?\}')
# Elements that lupdate writes as <name/> when they are empty.
SELF_CLOSING = {"location", "byte"}


def table_codes(tables):
    """The ISO code of every table text that has one, by text."""
    codes = {}
    entries = 0
    for match in TABLE_ENTRY.finditer(tables.read_text(encoding="utf-8")):
        entries += 1
        text = re.sub(r"\\(.)", r"\1", match.group(1))
        code = match.group(2)
        if not code:
            continue
        if codes.setdefault(text, code) != code:
            sys.exit(f"{tables}: \"{text}\" has both {codes[text]} and {code}")
    if entries == 0:
        sys.exit(f"{tables}: no table entries found")
    return codes


def iso_countries(json_dir):
    """For each code: its ISO standard, its gettext domain, the English names to look up (the
    preferred first) and its record in iso-codes."""
    countries = {}
    for standard, key in (("3166-1", "alpha_2"), ("3166-3", "alpha_4")):
        with open(json_dir / f"iso_{standard}.json", encoding="utf-8") as file:
            for country in json.load(file)[standard]:
                names = [country[field] for field in ("common_name", "name") if field in country]
                countries[country[key]] = (standard, f"iso_{standard}", names, country)
    return countries


def iso_name_codes(codes, countries):
    """For each other name iso-codes gives a code of the tables: (code, English names)."""
    found = {}
    for code in sorted(set(codes.values())):
        for name in other_names(code, codes, countries):
            found.setdefault(name, (code, [name]))
    return found


def other_names(code, codes, countries):
    """The English names of `code` besides the tables' texts for it: common, short, official."""
    texts = {text for text, known in codes.items() if known == code}
    record = countries[code][3]
    names = []
    for field in ("common_name", "name", "official_name"):
        name = record.get(field)
        if name and name not in texts and name not in names:
            names.append(name)
    return names


def other_codes(code, countries):
    """The codes besides `code` that a user may type for it: its alpha-3 code; for a former
    country the alpha-2 and alpha-3 codes it had, unless a country of today has them."""
    standard, _, _, record = countries[code]
    if standard == "3166-1":
        return [record["alpha_3"]]
    current = {c[3][field] for c in countries.values() if c[0] == "3166-1"
               for field in ("alpha_2", "alpha_3")}
    return [record[field] for field in ("alpha_2", "alpha_3")
            if field in record and record[field] not in current]


def cpp_string(text):
    return '"' + text.replace("\\", "\\\\").replace('"', '\\"') + '"'


def write_iso_data(path, codes, countries, version):
    """Writes the C++ file of the other codes and names of every code the tables carry."""
    lines = []
    for code in sorted(set(codes.values())):
        if code not in countries:
            sys.exit(f"{code} is no code of iso-codes {version}")
        more = ", ".join(cpp_string(c) for c in other_codes(code, countries))
        names = ", ".join(f"QT_TRANSLATE_NOOP({cpp_string(ISO_NAME_CONTEXT)}, {cpp_string(name)})"
                          for name in other_names(code, codes, countries))
        lines.append(f"    {{{cpp_string(code)}, {{{more}}}, {{{names}}}}},\n")
    path.write_text(f"""// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Kelvorn R&D

// Written by scripts/import-country-names.py from iso-codes {version}: run it again instead of
// changing this file.

#include "dialer/iso_countries.h"

#include <QtGlobal>

namespace dialer {{

namespace {{

// clang-format off
constexpr IsoCountry kIsoCountries[] = {{
{"".join(lines)}}};
// clang-format on

}} // namespace

std::span<const IsoCountry> isoCountries() {{
    return kIsoCountries;
}}

}} // namespace dialer
""", encoding="utf-8")
    print(f"{path}: {len(lines)} codes")


def iso_codes_version():
    """The upstream version of the installed iso-codes: from its pkg-config file, or else
    from dpkg."""
    for pc in (Path("/usr/share/pkgconfig/iso-codes.pc"), Path("/usr/lib/pkgconfig/iso-codes.pc")):
        if pc.is_file():
            for line in pc.read_text(encoding="utf-8").splitlines():
                if line.startswith("Version:"):
                    return line.split(":", 1)[1].strip()
    try:
        version = subprocess.run(["dpkg-query", "-W", "-f=${Version}", "iso-codes"], check=True,
                                 capture_output=True, text=True).stdout.strip()
    except (OSError, subprocess.CalledProcessError):
        sys.exit("iso-codes is not installed (no pkg-config file, unknown to dpkg)")
    # "1:4.15.0-1": no epoch, no Debian revision.
    return version.split(":", 1)[-1].rsplit("-", 1)[0]


class Missing(gettext.NullTranslations):
    """Answers None for a name the catalogue lacks, instead of the English name: an English
    name is no translation, even where it reads the same."""

    def gettext(self, message):
        return None


def catalogues(language, locale_dir):
    """The iso-codes catalogues of `language` ("de", "pt_BR"), by domain; a domain without
    one for the language answers None for every name."""
    languages = [language]
    if "_" in language:
        languages.append(language.split("_")[0])
    found = {}
    for domain in ("iso_3166-1", "iso_3166-3"):
        try:
            found[domain] = gettext.translation(domain, locale_dir, languages)
            found[domain].add_fallback(Missing())
        except FileNotFoundError:
            found[domain] = Missing()
    return found


def protect(text):
    """Text as lupdate writes it into a .ts file."""
    out = []
    for c in text:
        if c in "\"&<>'":
            out.append({'"': "&quot;", "&": "&amp;", "<": "&lt;", ">": "&gt;", "'": "&apos;"}[c])
        elif ord(c) > 0x7F and c.isspace():
            out.append(f"&#x{ord(c):x};")
        else:
            out.append(c)
    return "".join(out)


def serialize(element, out):
    attributes = "".join(f' {name}="{protect(value)}"' for name, value in element.attrib.items())
    if element.tag in SELF_CLOSING and not element.text and len(element) == 0:
        out.append(f"<{element.tag}{attributes}/>")
    else:
        out.append(f"<{element.tag}{attributes}>{protect(element.text or '')}")
        for child in element:
            serialize(child, out)
        out.append(f"</{element.tag}>")
    out.append(protect(element.tail or ""))


def write_ts(tree, path):
    out = ['<?xml version="1.0" encoding="utf-8"?>\n<!DOCTYPE TS>\n']
    serialize(tree.getroot(), out)
    out.append("\n")
    path.write_text("".join(out), encoding="utf-8")


def set_translator_comment(message, comment):
    existing = message.find("translatorcomment")
    if existing is None:
        # lupdate's order: the translator's comment stands right before the translation.
        children = list(message)
        at = children.index(message.find("translation"))
        existing = ET.Element("translatorcomment")
        existing.tail = children[at - 1].tail if at > 0 else message.text
        message.insert(at, existing)
    existing.text = comment


def import_names(path, codes, countries, iso_names, locale_dir, version):
    tree = ET.parse(path)
    language = tree.getroot().get("language")
    if not language:
        sys.exit(f"{path}: no target language")
    names = catalogues(language, locale_dir)
    counts = {"iso": 0, "kept": 0, "no name": 0, "no code": 0}
    for context in tree.getroot().iter("context"):
        if context.findtext("name") not in (CONTEXT, ISO_NAME_CONTEXT):
            continue
        for message in context.iter("message"):
            translation = message.find("translation")
            if translation is None or translation.get("type") in ("obsolete", "vanished"):
                continue
            # The context's comment for translators is a message without a text.
            if not message.findtext("source"):
                continue
            if context.findtext("name") == CONTEXT:
                code = codes.get(message.findtext("source"))
                english = None
            else:
                code, english = iso_names.get(message.findtext("source"), (None, None))
            if code is None:
                counts["no code"] += 1
                continue
            if code not in countries:
                sys.exit(f"{path}: {code} is no code of iso-codes {version}")
            standard, domain, names_of_code, _ = countries[code]
            english = english or names_of_code
            name = next(filter(None, map(names[domain].gettext, english)), None)
            if name is None:
                counts["no name"] += 1
                continue
            comment = message.findtext("translatorcomment") or ""
            finished = translation.get("type") != "unfinished" and translation.text
            # A name a translator wrote in place of the imported one stays.
            if finished and translation.text != name and not ISO_COMMENT.match(comment):
                counts["kept"] += 1
                continue
            translation.text = name
            translation.attrib.pop("type", None)
            set_translator_comment(message, f"ISO {standard} {code}, from iso-codes {version}")
            counts["iso"] += 1
    write_ts(tree, path)
    by_hand = counts["no code"] + counts["no name"] + counts["kept"]
    print(f"{path}: {language}: {counts['iso']} names from ISO codes, {by_hand} left for hand "
          f"translation ({counts['no code']} without an ISO code, {counts['no name']} with a code "
          f"but no {language} name in iso-codes, {counts['kept']} changed by hand)")


def main():
    root = Path(__file__).resolve().parent.parent
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("ts", nargs="*", type=Path, help=".ts file to fill in")
    parser.add_argument("--iso-data", type=Path,
                        help="C++ file to write the other codes and names of each country into")
    parser.add_argument("--tables", type=Path, default=root / "dialer" / "dialing_tables.cpp")
    parser.add_argument("--iso-codes", type=Path, default=Path("/usr/share/iso-codes/json"),
                        help="folder of iso-codes' JSON files")
    parser.add_argument("--locale-dir", type=Path, default=Path("/usr/share/locale"),
                        help="folder of iso-codes' translations (<language>/LC_MESSAGES)")
    args = parser.parse_args()

    codes = table_codes(args.tables)
    version = iso_codes_version()
    countries = iso_countries(args.iso_codes)
    print(f"iso-codes {version}; {len(codes)} table texts carry an ISO code")
    if args.iso_data:
        write_iso_data(args.iso_data, codes, countries, version)
    iso_names = iso_name_codes(codes, countries)
    for path in args.ts:
        import_names(path, codes, countries, iso_names, args.locale_dir, version)


if __name__ == "__main__":
    main()
