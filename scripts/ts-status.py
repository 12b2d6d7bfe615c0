#!/usr/bin/env python3
"""Translation catalog status, for translators and for CI.

Lists per catalog (src/i18n/translations/quilbex_<code>.ts) the messages that are
unfinished, missing (present in the English catalog but not in this one), obsolete
(marked obsolete/vanished, or no longer in the English catalog) and those whose
translation loses or invents a placeholder (%1, %2, ..., %n).

  scripts/ts-status.py                 summary of every catalog; exit status 1 on any problem
  scripts/ts-status.py -v de ja        the problem messages of the German and Japanese catalogs
  scripts/ts-status.py --fill-english  copies the source text into unfinished English entries

Refresh the catalogs from the code first with scripts/update-translations.sh.
"""

import argparse
import os
import re
import shutil
import signal
import subprocess
import sys
import xml.etree.ElementTree as ET

CODES = ["en", "zh_CN", "zh_TW", "ja", "ko", "de", "fr", "es", "pt", "ru"]
ROOT = os.path.normpath(os.path.join(os.path.dirname(os.path.abspath(__file__)), ".."))
TS_DIR = os.path.join(ROOT, "src", "i18n", "translations")
PLACEHOLDER = re.compile(r"%L?(\d{1,2})|%(n)")


class Message:
    def __init__(self, context, element):
        self.context = context
        self.source = element.findtext("source") or ""
        self.comment = element.findtext("comment") or ""
        self.numerus = element.get("numerus") == "yes"
        translation = element.find("translation")
        self.type = translation.get("type", "") if translation is not None else "unfinished"
        if translation is None:
            self.forms = []
        elif self.numerus:
            self.forms = [f.text or "" for f in translation.findall("numerusform")]
        else:
            self.forms = [translation.text or ""]

    @property
    def key(self):
        return (self.context, self.source, self.comment)

    @property
    def obsolete(self):
        return self.type in ("obsolete", "vanished")

    @property
    def unfinished(self):
        return not self.obsolete and (self.type == "unfinished" or not self.forms or any(not f for f in self.forms))


def placeholders(text):
    return {m.group(1) or m.group(2) for m in PLACEHOLDER.finditer(text)}


def placeholder_problem(message):
    """Why a finished translation would show the wrong values, or None."""
    if message.unfinished or message.obsolete:
        return None
    wanted = placeholders(message.source)
    for form in message.forms:
        have = placeholders(form)
        lost, invented = wanted - have, have - wanted
        if lost or invented:
            parts = []
            if lost:
                parts.append("lost " + ", ".join("%" + p for p in sorted(lost)))
            if invented:
                parts.append("invented " + ", ".join("%" + p for p in sorted(invented)))
            return "; ".join(parts) + " in: " + form
    return None


def read_catalog(path):
    root = ET.parse(path).getroot()
    messages = []
    for context in root.iter("context"):
        name = context.findtext("name") or ""
        for element in context.findall("message"):
            messages.append(Message(name, element))
    return root.get("language", ""), messages


def short(text, limit=70):
    text = text.replace("\n", "\\n")
    return text if len(text) <= limit else text[: limit - 1] + "…"


def status(codes, verbose):
    _, english = read_catalog(os.path.join(TS_DIR, "quilbex_en.ts"))
    live = {m.key for m in english if not m.obsolete}
    problems = 0
    print(f"{'catalog':<8} {'total':>6} {'done':>6} {'unfinished':>10} {'missing':>8} {'obsolete':>8} {'placeholder':>11}")
    for code in codes:
        path = os.path.join(TS_DIR, f"quilbex_{code}.ts")
        if not os.path.exists(path):
            print(f"{code:<8} catalog file missing: {path}")
            problems += 1
            continue
        _, messages = read_catalog(path)
        present = {m.key for m in messages if not m.obsolete}
        unfinished = [m for m in messages if m.unfinished]
        obsolete = [m for m in messages if m.obsolete or m.key not in live]
        missing = sorted(live - present)
        broken = [(m, placeholder_problem(m)) for m in messages if placeholder_problem(m)]
        total = sum(1 for m in messages if not m.obsolete)
        done = total - len(unfinished)
        problems += len(unfinished) + len(obsolete) + len(missing) + len(broken)
        print(f"{code:<8} {total:>6} {done:>6} {len(unfinished):>10} {len(missing):>8} {len(obsolete):>8} {len(broken):>11}")
        if verbose:
            for m in unfinished:
                print(f"    unfinished:  {short(m.source)}")
            for key in missing:
                print(f"    missing:     {short(key[1])}")
            for m in obsolete:
                print(f"    obsolete:    {short(m.source)}")
            for m, why in broken:
                print(f"    placeholder: {short(m.source)}  ({short(why)})")
    return problems


def english_forms(source):
    # English has two plural forms; "(s)" in the source picks the spelling of each.
    if "(s)" in source:
        return [source.replace("(s)", ""), source.replace("(s)", "s")]
    return [source, source]


def fill_english():
    path = os.path.join(TS_DIR, "quilbex_en.ts")
    tree = ET.parse(path)
    filled = 0
    for element in tree.getroot().iter("message"):
        translation = element.find("translation")
        if translation is None:
            translation = ET.SubElement(element, "translation")
        kind = translation.get("type", "")
        if kind in ("obsolete", "vanished"):
            continue
        source = element.findtext("source") or ""
        if element.get("numerus") == "yes":
            forms = translation.findall("numerusform")
            if kind != "unfinished" and forms and all(f.text for f in forms):
                continue
            for f in forms:
                translation.remove(f)
            for text in english_forms(source):
                ET.SubElement(translation, "numerusform").text = text
            translation.text = None
        else:
            if kind != "unfinished" and translation.text:
                continue
            translation.text = source
        translation.attrib.pop("type", None)
        filled += 1
    tree.write(path, encoding="utf-8", xml_declaration=True)
    # Back to the tools' own layout, so that the next lupdate run changes nothing.
    lconvert = shutil.which("lconvert") or "/usr/lib/qt6/bin/lconvert"
    if os.path.exists(lconvert):
        subprocess.run([lconvert, "-locations", "none", "-i", path, "-o", path], check=True)
    print(f"quilbex_en.ts: {filled} entr{'y' if filled == 1 else 'ies'} filled")


def main():
    # Quietly stop when piped into head or less.
    signal.signal(signal.SIGPIPE, signal.SIG_DFL)
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("codes", nargs="*", help="catalog codes (default: all ten)")
    parser.add_argument("-v", "--verbose", action="store_true", help="list the problem messages")
    parser.add_argument("--fill-english", action="store_true",
                        help="set the unfinished English entries to their source text first")
    args = parser.parse_args()

    unknown = [c for c in args.codes if c not in CODES]
    if unknown:
        parser.error("unknown catalog code(s): " + ", ".join(unknown) + " (known: " + " ".join(CODES) + ")")
    if args.fill_english:
        fill_english()
    problems = status(args.codes or CODES, args.verbose)
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
