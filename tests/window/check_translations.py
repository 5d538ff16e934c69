"""Checks the window's .ts files: every message translated (the English one, the source,
stays empty), none left over from a text the program no longer has, each %N placeholder
kept, and the layout direction said ("LTR" or "RTL") as Qt reads it.
Usage: check_translations.py FILE.ts..."""
import re
import sys
import xml.etree.ElementTree as ElementTree

problems = []
for path in sys.argv[1:]:
    root = ElementTree.parse(path).getroot()
    language = root.get("language")
    if not path.endswith(f"_{language}.ts"):
        problems.append(f"{path}: says language {language}")
    english = language == "en"
    for context in root.iter("context"):
        name = context.findtext("name")
        for message in context.iter("message"):
            source = message.findtext("source")
            translation = message.find("translation")
            kind = translation.get("type")
            where = f"{path}: {name}: {source!r}"
            if kind in ("vanished", "obsolete"):
                problems.append(f"{where}: no longer in the program")
            elif english:
                if kind != "unfinished" or translation.text:
                    problems.append(f"{where}: translated in the source language")
            elif kind == "unfinished" or not translation.text:
                problems.append(f"{where}: not translated")
            elif sorted(re.findall(r"%\d", source)) != sorted(re.findall(r"%\d", translation.text)):
                problems.append(f"{where}: placeholders differ in {translation.text!r}")
            elif source == "QT_LAYOUT_DIRECTION" and translation.text not in ("LTR", "RTL"):
                problems.append(f"{where}: {translation.text!r}, not LTR or RTL")
for problem in problems:
    print(problem)
sys.exit(1 if problems else 0)
