"""Checks translation files as lrelease does not: lrelease compiles anything, and shows the English
source wherever a translation is missing, unfinished or short of plural forms.
    check_translations.py FILE.ts...
Each message must be translated and finished; each form of a translation keeps the placeholders
(%1 ... %99, %L1, %n) and the access-key '&' of its source; a count has as many plural forms as
its language has; and the access keys of each menu are unique. Prints each fault, exits 1 on any."""
import re
import sys
import xml.etree.ElementTree as ElementTree

PLURAL_FORMS = {"en": 2, "de": 2, "fr": 2, "es": 2, "it": 2, "nl": 2, "pt_BR": 2, "pl": 3, "ru": 3}
PLACEHOLDER = re.compile(r"%L?\d{1,2}|%n")
# The items of each menu, as their English captions: their access keys must differ.
MENUS = [["&File", "&Info"], ["&New Game", "&Exit"], ["&Rules", "&About", "&License"],
         ["&Ketterline", "&Dravonne", "&Author"]]


def access_keys(text):
    return re.sub("&&", "", text).count("&")


def access_key(text):
    found = re.search(r"&([^&])", re.sub("&&", "", text))
    return found.group(1).lower() if found else None


def check(path):
    faults = []
    root = ElementTree.parse(path).getroot()
    language = root.get("language")
    forms_wanted = PLURAL_FORMS.get(language)
    if forms_wanted is None:
        return ["%s: unknown language %r" % (path, language)]
    captions = {}
    for context in root.iter("context"):
        name = context.findtext("name")
        for message in context.iter("message"):
            source = message.findtext("source") or ""
            translation = message.find("translation")
            where = "%s: %s: %r" % (path, name, source)
            if translation is None or translation.get("type") in ("unfinished", "vanished",
                                                                  "obsolete"):
                faults.append("%s is not translated (or unfinished)" % where)
                continue
            if message.get("numerus") == "yes":
                forms = [form.text or "" for form in translation.iter("numerusform")]
                if len(forms) != forms_wanted:
                    faults.append("%s has %d plural forms, %s has %d" % (
                        where, len(forms), language, forms_wanted))
            else:
                forms = [translation.text or ""]
            for form in forms:
                if source and not form:
                    faults.append("%s has an empty translation" % where)
                if sorted(PLACEHOLDER.findall(form)) != sorted(PLACEHOLDER.findall(source)):
                    faults.append("%s: %r does not keep the placeholders %s" % (
                        where, form, sorted(set(PLACEHOLDER.findall(source)))))
                if access_keys(form) != access_keys(source):
                    faults.append("%s: %r does not keep the access key" % (where, form))
            if name == "Board":
                captions[source] = forms[0]
    for menu in MENUS:
        keys = [access_key(captions[item]) for item in menu if item in captions]
        if len(set(keys)) != len(keys):
            faults.append("%s: the access keys of %s are not unique: %s" % (
                path, menu, [captions[item] for item in menu if item in captions]))
    return faults


def main():
    faults = [fault for path in sys.argv[1:] for fault in check(path)]
    for fault in faults:
        print(fault)
    print("%d translation files checked, %d faults" % (len(sys.argv) - 1, len(faults)))
    sys.exit(1 if faults else 0)


main()
