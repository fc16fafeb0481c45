#!/usr/bin/env python3
"""The English translation is complete: lupdate, run over the sources into a
copy of the committed .ts, finds no text without a finished translation, and
every translation keeps its source's placeholders and plural forms.

Usage: check_translations.py LUPDATE TS_FILE SOURCE_LIST [lupdate options...]
"""
import os
import re
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET

PLACEHOLDER = re.compile(r"%([1-9])")
CYRILLIC = re.compile("[\u0400-\u04FF]")


def problems_in(ts_path):
    found = []
    root = ET.parse(ts_path).getroot()
    count = 0
    for context in root.iter("context"):
        name = context.findtext("name")
        for message in context.iter("message"):
            count += 1
            source = message.findtext("source") or ""
            translation = message.find("translation")
            where = f"{name}: {source[:70]!r}"
            if translation is None:
                found.append(f"{where}: no translation")
                continue
            kind = translation.get("type")
            text = translation.text or ""
            if kind in ("unfinished", "vanished", "obsolete"):
                found.append(f"{where}: translation {kind}")
                continue
            if not text.strip() and source.strip():
                found.append(f"{where}: empty translation")
                continue
            missing = sorted(set(PLACEHOLDER.findall(source)) - set(PLACEHOLDER.findall(text)))
            extra = sorted(set(PLACEHOLDER.findall(text)) - set(PLACEHOLDER.findall(source)))
            if extra:
                found.append(f"{where}: the translation has placeholders the source lacks: {extra}")
            if missing:
                found.append(f"{where}: the translation drops placeholders {missing}")
            if "|" in source and text.count("|") != 1:
                found.append(f"{where}: a plural text needs English's two forms, one|other")
            if CYRILLIC.search(text):
                found.append(f"{where}: the translation is not English: {text[:50]!r}")
    return count, found


def main():
    if len(sys.argv) < 4:
        print(__doc__)
        return 2
    lupdate, ts_file, source_list = sys.argv[1:4]
    options = sys.argv[4:]
    count, committed = problems_in(ts_file)
    with tempfile.TemporaryDirectory() as tmp:
        fresh = os.path.join(tmp, os.path.basename(ts_file))
        shutil.copyfile(ts_file, fresh)
        run = subprocess.run([lupdate, *options, "@" + source_list, "-ts", fresh],
                             capture_output=True, text=True, timeout=600)
        if run.returncode != 0:
            print(run.stdout, run.stderr)
            print("lupdate failed")
            return 1
        fresh_count, updated = problems_in(fresh)
    problems = sorted(set(committed) | set(updated))
    for p in problems:
        print(p)
    if fresh_count == 0:
        print("lupdate found no texts at all: the marks are not read")
        return 1
    if problems:
        print(f"{len(problems)} text(s) lack a finished English translation "
              f"(cmake --build BUILD --target update_translations, then translate them in "
              f"translations/{os.path.basename(ts_file)})")
        return 1
    print(f"{fresh_count} texts, every one translated")
    return 0


if __name__ == "__main__":
    sys.exit(main())
