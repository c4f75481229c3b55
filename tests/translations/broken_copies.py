"""Shows that check_translations.py catches each kind of fault: it must pass the real file, and
fail on a copy of it with one fault made in it, for every kind of fault.
    broken_copies.py CHECKER FILE.ts"""
import os
import re
import subprocess
import sys
import tempfile

checker, path = sys.argv[1], sys.argv[2]
with open(path, encoding="utf-8") as ts:
    good = ts.read()


def first_translation(text, source):
    """The span of the translation of the message whose source is given."""
    at = text.index("<source>%s</source>" % source)
    start = text.index("<translation", at)
    return start, text.index("</translation>", start) + len("</translation>")


def replace_in_translation(source, old, new):
    start, end = first_translation(good, source)
    part = good[start:end]
    assert old in part, (source, old, part)
    return good[:start] + part.replace(old, new, 1) + good[end:]


FAULTS = {
    "an unfinished message": lambda: good.replace("<translation>", '<translation type="unfinished">', 1),
    "a lost placeholder": lambda: replace_in_translation("%1 moved onto %2.", "%2", ""),
    "a lost access key": lambda: replace_in_translation("&amp;Exit", "&amp;", ""),
    "a lost plural form": lambda: re.sub(r"\s*<numerusform>[^<]*</numerusform>(?=\s*</translation>)",
                                         "", good, count=1),
    "a doubled access key in a menu": lambda: replace_in_translation(
        "&amp;Rules", first_key("&amp;Rules"), first_key("&amp;About")),
    "an abbreviation of one-letter words": lambda: replace_in_translation(
        "set DISPLAY to a running X server (for example DISPLAY=:0)", "zum Beispiel", "z. B."),
    "a shortened word before a capital": lambda: replace_in_translation(
        "the Qt platform &quot;%1&quot; did not start", "ist nicht", "ist bzw. war nicht"),
    "a word shortened inside a sentence": lambda: replace_in_translation(
        "Ketterline version %1", "Version %1", "Vers. %1"),
    "an arrow in a menu path": lambda: replace_in_translation(
        "-&gt;", first_translation_text("-&gt;"), "-&gt;"),
    "a sign that speech spells out": lambda: replace_in_translation("%1 or %2", " oder ", " / "),
    "a tag, shown and read as its signs": lambda: replace_in_translation(
        "Nothing is selected.", "nichts", "&lt;b&gt;nichts&lt;/b&gt;"),
    "a sign of a terminal text that the English has not": lambda: replace_in_translation(
        "choose another with -platform or QT_QPA_PLATFORM", " oder ", " | "),
}


def first_translation_text(source):
    start, end = first_translation(good, source)
    return re.search(r"<translation>([^<]*)</translation>", good[start:end]).group(1)


def first_key(source):
    start, end = first_translation(good, source)
    return re.search(r"&amp;.", good[start:end]).group(0)


def run(text):
    with tempfile.TemporaryDirectory() as folder:
        copy = os.path.join(folder, os.path.basename(path))
        with open(copy, "w", encoding="utf-8") as ts:
            ts.write(text)
        return subprocess.run([sys.executable, checker, copy], capture_output=True, text=True)


failed = False
if run(good).returncode != 0:
    print("FAILED: the checker does not pass %s itself:\n%s" % (path, run(good).stdout))
    failed = True
for fault, make in FAULTS.items():
    broken = make()
    assert broken != good, fault
    result = run(broken)
    print("%s: %s" % (fault, "caught" if result.returncode == 1 else "NOT CAUGHT"))
    if result.returncode != 1:
        failed = True
sys.exit(1 if failed else 0)
