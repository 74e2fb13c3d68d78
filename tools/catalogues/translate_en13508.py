#!/usr/bin/env python3
"""Builds the EN 13508-2 catalogues of the other languages from the German one.

resources/norm/EN_135082_de.xml is the master: its code tree (types, subtypes,
characterisations, quantifications, clock-position kinds, extend flags, the
option lists under "texte") is copied unchanged, and only the texts are
replaced from the dictionary of each language in tools/catalogues/en13508/.
A dictionary module defines:

  TEXTS    German text -> text in that language (used wherever the German text
           occurs);
  BY_PATH  optional, token path -> text, for the few places where one German
           text needs another wording; paths look like "BA" (type), "BAB"
           (subtype), "BAB/character1/A", "BAB/quantify1/A",
           "texte/system/A";
  UNITS    optional, German unit -> unit in that language (default: unchanged).

Run from anywhere, after the German (or English) catalogue has changed:

  python3 tools/catalogues/translate_en13508.py            # write all languages
  python3 tools/catalogues/translate_en13508.py fr pl      # only these
  python3 tools/catalogues/translate_en13508.py --check    # compare, write nothing

A German text without a translation stops the run and is listed together with
its English text (from EN_135082_en.xml) as a hint for the translator.
This is a developer tool; the build uses the generated XML files as they are.
"""

import copy
import importlib.util
import sys
import xml.etree.ElementTree as ET
from pathlib import Path

ROOT = Path(__file__).resolve().parents[2]
NORM = ROOT / "resources" / "norm"
DICTS = Path(__file__).resolve().parent / "en13508"
LANGUAGES = ["da", "es", "fi", "fr", "hr", "nb", "pl", "ru"]


def load_dictionary(lang):
    spec = importlib.util.spec_from_file_location("en13508_" + lang, DICTS / (lang + ".py"))
    module = importlib.util.module_from_spec(spec)
    spec.loader.exec_module(module)
    return (getattr(module, "TEXTS", {}), getattr(module, "BY_PATH", {}),
            getattr(module, "UNITS", {}))


def child_text(element, name):
    child = element.find(name)
    return (child.text or "").strip() if child is not None else ""


def text_slots(root):
    """Yields (path, element, kind) for every translatable element, kind being
    "text" or "unit"."""
    for type_el in root.findall("type"):
        type_token = child_text(type_el, "token")
        yield type_token, type_el.find("text"), "text"
        for sub_el in type_el.findall("subtype"):
            code = child_text(sub_el, "token")
            yield code, sub_el.find("text"), "text"
            for list_name in ("character1", "character2"):
                for option in sub_el.findall(list_name + "/sub"):
                    path = "%s/%s/%s" % (code, list_name, child_text(option, "token"))
                    yield path, option.find("text"), "text"
            for list_name in ("quantify1", "quantify2"):
                for quantity in sub_el.findall(list_name + "/sub"):
                    path = "%s/%s/%s" % (code, list_name, child_text(quantity, "token"))
                    yield path, quantity.find("name"), "unit"
                    yield path, quantity.find("text"), "text"
    texte = root.find("texte")
    if texte is not None:
        for option_list in texte:
            for option in option_list.findall("sub"):
                children = list(option)
                if len(children) < 2:
                    continue
                path = "texte/%s/%s" % (option_list.tag, (children[0].text or "").strip())
                yield path, children[1], "text"


def english_hints():
    hints = {}
    english = NORM / "EN_135082_en.xml"
    if english.exists():
        for path, element, kind in text_slots(ET.parse(english).getroot()):
            if kind == "text":
                hints[path] = element.text or ""
    return hints


def serialise(root):
    ET.indent(root, space="  ")
    return '<?xml version="1.0" encoding="UTF-8"?>\n' + ET.tostring(root, encoding="unicode") + "\n"


def translate(german_root, lang, hints):
    texts, by_path, units = load_dictionary(lang)
    root = copy.deepcopy(german_root)
    language = root.find("language")
    if language is None:
        raise SystemExit("EN_135082_de.xml has no language element")
    language.text = lang
    missing, used = [], set()
    for path, element, kind in text_slots(root):
        german = element.text or ""
        if kind == "unit":
            element.text = units.get(german, german)
            continue
        if path in by_path:
            element.text = by_path[path]
        elif german in texts:
            element.text = texts[german]
            used.add(german)
        else:
            missing.append("  %s: %r  (en: %r)" % (path, german, hints.get(path, "?")))
            continue
        if not element.text.strip():
            missing.append("  %s: empty translation of %r" % (path, german))
    unused = sorted(set(texts) - used)
    if unused:
        print("%s: %d dictionary entries not used: %s" % (lang, len(unused), ", ".join(map(repr, unused))),
              file=sys.stderr)
    return root, missing


def main(argv):
    check = "--check" in argv
    languages = [a for a in argv if not a.startswith("--")] or LANGUAGES
    german_root = ET.parse(NORM / "EN_135082_de.xml").getroot()
    hints = english_hints()
    failed = False
    for lang in languages:
        root, missing = translate(german_root, lang, hints)
        if missing:
            print("%s: texts without translation:\n%s" % (lang, "\n".join(missing)), file=sys.stderr)
            failed = True
            continue
        target = NORM / ("EN_135082_%s.xml" % lang)
        content = serialise(root)
        if check:
            current = target.read_text(encoding="utf-8") if target.exists() else None
            if current != content:
                print("%s: %s is out of date" % (lang, target.relative_to(ROOT)), file=sys.stderr)
                failed = True
        else:
            target.write_text(content, encoding="utf-8")
            print("wrote", target.relative_to(ROOT))
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
