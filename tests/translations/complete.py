#!/usr/bin/env python3
# Every text a player reads has a finished translation in each language.
#
# lupdate reads the code again into copies of the .ts files, as the
# update_translations target would (English, whose file holds only the plural
# forms, with -pluralonly): a text the code has and a file lacks comes out
# unfinished, one it no longer has vanished. lrelease must then report every
# text finished. Each translation, and each plural form of it, keeps its
# source's placeholders (%1, %n, ...), HTML tags and, where the source has one,
# one mnemonic (&).
#
# complete.py LUPDATE LRELEASE SOURCE_FOLDER "LUPDATE;OPTIONS" TS_FILE...
import re
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET
from pathlib import Path

lupdate, lrelease, sources, options, *ts_files = sys.argv[1:]
faults = []


def marks(text):
    # What a translation must keep of its source.
    mnemonics = len(re.findall(r"&(?!&)\S", text.replace("&&", "")))
    return sorted(re.findall(r"%[\dn]", text)), re.findall(r"</?\w+>", text), min(mnemonics, 1)


with tempfile.TemporaryDirectory() as work:
    for ts in map(Path, ts_files):
        copy = Path(work) / ts.name
        shutil.copy(ts, copy)
        plural_only = ["-pluralonly"] if ts.stem.endswith("_en") else []
        subprocess.run([lupdate, *options.split(";"), *plural_only, sources, "-ts", str(copy)], check=True,
                       stdout=subprocess.DEVNULL)
        for context in ET.parse(copy).getroot().iter("context"):
            for message in context.iter("message"):
                where = f"{ts.name}: {context.findtext('name')}: {message.findtext('source')!r}"
                translation = message.find("translation")
                forms = [f.text or "" for f in translation.iter("numerusform")] or [translation.text or ""]
                if translation.get("type") is not None or "" in forms:
                    faults.append(f"{where} is {translation.get('type') or 'unfinished'}")
                for form in forms:
                    if marks(message.findtext("source")) != marks(form):
                        faults.append(f"{where}: {form!r} keeps other placeholders, tags or mnemonics")
        report = subprocess.run([lrelease, str(copy), "-qm", str(copy.with_suffix(".qm"))], check=True,
                                capture_output=True, text=True).stdout
        if not re.search(r"\(\d+ finished and 0 unfinished\)", report) or "Ignored" in report:
            faults.append(f"{ts.name}: lrelease says: {report.strip()}")

for fault in faults:
    print("FAIL:", fault)
sys.exit(1 if faults else 0)
