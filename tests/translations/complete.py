#!/usr/bin/env python3
"""Every text a player reads has a finished translation in each language.

lupdate reads the code again into copies of the .ts files, as the
update_translations target would: a text the code has and a file lacks comes
out unfinished, a text the code no longer has comes out vanished. lrelease
must then report every text finished. Each translation keeps its source's
placeholders (%1, %2, ...), its HTML tags and, where the source has one, one
mnemonic (&).

complete.py LUPDATE LRELEASE SOURCE_FOLDER "LUPDATE;OPTIONS" TS_FILE...
"""
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
    """What a translation must keep of its source."""
    mnemonics = len(re.findall(r"&(?!&)\S", text.replace("&&", "")))
    return sorted(re.findall(r"%\d", text)), re.findall(r"</?\w+>", text), min(mnemonics, 1)


with tempfile.TemporaryDirectory() as work:
    for ts in map(Path, ts_files):
        copy = Path(work) / ts.name
        shutil.copy(ts, copy)
        subprocess.run([lupdate, *options.split(";"), sources, "-ts", str(copy)], check=True,
                       stdout=subprocess.DEVNULL)
        for context in ET.parse(copy).getroot().iter("context"):
            for message in context.iter("message"):
                where = f"{ts.name}: {context.findtext('name')}: {message.findtext('source')!r}"
                translation = message.find("translation")
                kind = translation.get("type")
                if kind is not None:
                    faults.append(f"{where} is {kind}")
                    continue
                if marks(message.findtext("source")) != marks(translation.text or ""):
                    faults.append(f"{where}: {translation.text!r} keeps other placeholders, tags or mnemonics")
        report = subprocess.run([lrelease, str(copy), "-qm", str(copy.with_suffix(".qm"))], check=True,
                                capture_output=True, text=True).stdout
        if not re.search(r"\(\d+ finished and 0 unfinished\)", report) or "Ignored" in report:
            faults.append(f"{ts.name}: lrelease says: {report.strip()}")
        print(f"{ts.name}: {report.strip().splitlines()[-1].strip()}")

for fault in faults:
    print("FAIL:", fault)
print(f"{len(ts_files) - len({f.split(':')[0] for f in faults})} passed, "
      f"{len({f.split(':')[0] for f in faults})} failed")
sys.exit(1 if faults else 0)
