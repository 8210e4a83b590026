#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 Kelvorn R&D

# Times the program's start, from exec to its main window on the screen, in English and in
# each language it speaks, against a bare Qt window: the median of RUNS starts each
# (default 30), and the instructions of one start each under callgrind, which counts the same
# whatever else the machine does, in all and in loading the translation alone. Fails when
# loading a translation costs more than 5% of the English start's instructions, or the
# English start takes more than three times the bare window's wall time. A language in
# another script also loads that script's font on its first text, which is reported with
# the whole start.
# Usage: scripts/bench-startup.sh [build directory, default build]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build}
cmake --build "$build" --target bench_startup >/dev/null
command -v valgrind >/dev/null || "$root/scripts/install-deps.sh" valgrind
languages=$(cd "$root/i18n" && ls zendrel_*.ts | sed 's/zendrel_\(.*\)\.ts/\1/')
QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen} RUNS=${RUNS:-30} \
    /usr/bin/python3 - "$build/tests/app/bench_startup" $languages <<'PY'
import os, re, statistics, subprocess, sys, tempfile, time

program, languages = sys.argv[1], sys.argv[2:]
runs = int(os.environ["RUNS"])
locales = {"ja": "ja_JP.UTF-8", "de": "de_DE.UTF-8"}
base = {k: v for k, v in os.environ.items() if k not in ("LANGUAGE", "LC_ALL", "LC_MESSAGES")}
cases = [("bare Qt window", ["--bare"], "C.UTF-8"), ("English", [], "C.UTF-8")]
cases += [(language, [], locales.get(language, language)) for language in languages]

def start(arguments, lang, prefix=()):
    subprocess.run([*prefix, program, *arguments], env=dict(base, LANG=lang), check=True,
                   stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)

def instructions(arguments, lang, only=None):
    with tempfile.TemporaryDirectory() as folder:
        out = os.path.join(folder, "callgrind.out")
        options = ["--toggle-collect=" + only] if only else []
        start(arguments, lang, ("valgrind", "--tool=callgrind", *options,
                                "--callgrind-out-file=" + out))
        with open(out) as data:
            return int(re.search(r"^summary: (\d+)", data.read(), re.M).group(1))

cases_by_name = [(name, lang) for name, _, lang in cases]
results = {}
for name, arguments, lang in cases:
    start(arguments, lang)  # the files in the page cache, as on a second start
    times = []
    for _ in range(runs):
        begin = time.perf_counter()
        start(arguments, lang)
        times.append(time.perf_counter() - begin)
    results[name] = (statistics.median(times) * 1000, instructions(arguments, lang))
    print(f"{name:16} median {results[name][0]:7.1f} ms   {results[name][1]:>13,} instructions")

failed = False
bare_ms, _ = results["bare Qt window"]
english_ms, english_count = results["English"]
if english_ms > 3 * bare_ms:
    print(f"English start takes {english_ms / bare_ms:.2f} times the bare window's; budget 3")
    failed = True
for language in languages:
    whole = results[language][1] / english_count - 1
    loading = instructions([], dict(cases_by_name)[language], "*installTranslation*")
    share = loading / english_count
    print(f"{language}: start {100 * whole:+.2f}% instructions against English; loading its "
          f"translation {loading:,} instructions, {100 * share:.2f}% of the English start "
          f"(budget 5%)")
    failed |= share > 0.05
sys.exit(1 if failed else 0)
PY
