"""Checks translation files as lrelease does not: lrelease compiles anything, and shows the English
source wherever a translation is missing, unfinished or short of plural forms.
    check_translations.py FILE.ts...
Each message must be translated and finished; each form of a translation keeps the placeholders
(%1 ... %99, %L1, %n) and the access-key '&' of its source; a count has as many plural forms as
its language has; and the access keys of each menu are unique. Prints each fault, exits 1 on any.
What a screen reader reads aloud must read as words: no translation holds a word shortened with a
full stop that does not end a sentence ("z. B.", "usw.", "см."), nor a sign that speech spells
out ("->", "<", ">", "/", "|", "*", "#", "_"); commas, colons, parentheses, dashes and quotation
marks are passed over and stay. Every text is shown as plain text, so a tag would be read out as
its signs and counts as them. The texts printed to a terminal may keep the names the English
source has (options, commands, variables such as QT_QPA_PLATFORM): they are typed, not read."""
import re
import sys
import xml.etree.ElementTree as ElementTree

PLURAL_FORMS = {"en": 2, "de": 2, "fr": 2, "es": 2, "it": 2, "nl": 2, "pt_BR": 2, "pl": 3, "ru": 3,
                "zh_CN": 1, "ja": 1}
PLACEHOLDER = re.compile(r"%L?\d{1,2}|%n")
# The items of each menu, as their English captions: their access keys must differ.
MENUS = [["&File", "&Info"], ["&New Game", "&Exit"], ["&Rules", "&About", "&License"],
         ["&Ketterline", "&Dravonne", "&Author"]]
# The contexts whose texts are printed to a terminal rather than shown or spoken.
TERMINAL_CONTEXTS = {"CommandLine", "Startup"}
SPELLED_OUT = re.compile(r"->|[<>/|*#_]")
# A word of one letter with a full stop ("z. B.", "p. ex.", "т. е."), or one of the shortened
# words that may stand before a capital.
ABBREVIATION = re.compile(r"(?<![\w.])[^\W\d_]\.(?!\.)|(?<![\w.])(usw|etc|ecc|bzw|vgl|ggf|inkl|evtl|"
                          r"ca|nr|bijv|enz|np|itd|zob|ex|см|др|пр|стр)\.", re.IGNORECASE)
# A full stop after a word that the sentence goes on after: a small letter, a digit, a
# placeholder or an opening quotation mark follows.
INSIDE_SENTENCE = re.compile(r"(?<![\w.])\w+\.[ \u00a0]*(?=[%\d«„“‘\"(]|[^\W\d_])")


def access_keys(text):
    return re.sub("&&", "", text).count("&")


def access_key(text):
    found = re.search(r"&([^&])", re.sub("&&", "", text))
    return found.group(1).lower() if found else None


def said_badly(context, source, form):
    """The abbreviations and spelled-out signs of a translation."""
    if context in TERMINAL_CONTEXTS:
        # Written without spaces around them in some languages: taken out wherever they stand.
        for typed in (word.strip("()'\",.;:") for word in source.split()):
            if SPELLED_OUT.search(typed):
                form = form.replace(typed, " ")
    found = [match.group(0).strip() for match in ABBREVIATION.finditer(form)]
    found += [match.group(0).strip() for match in INSIDE_SENTENCE.finditer(form)
              if form[match.end()].islower() or not form[match.end()].isalpha()]
    return sorted(set(found)) + sorted(set(SPELLED_OUT.findall(form)))


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
                if language != "en" and said_badly(name, source, form):
                    faults.append("%s: %r holds what speech reads badly: %s" % (
                        where, form, said_badly(name, source, form)))
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
