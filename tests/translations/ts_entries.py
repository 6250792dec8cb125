#!/usr/bin/env python3
"""Reads and mends the translation (.ts) files.

unfinished FILE...     lists each text without a finished translation; exits 1 when there is one
fill-source FILE       gives every unfinished entry its source text as translation (the English file)
"""
import sys
import xml.etree.ElementTree as ET


def messages(tree):
    for context in tree.getroot().iter("context"):
        name = context.findtext("name")
        for message in context.iter("message"):
            yield name, message


def unfinished(paths):
    missing = 0
    for path in paths:
        for context, message in messages(ET.parse(path)):
            translation = message.find("translation")
            if translation is None or translation.get("type") in ("unfinished", "vanished", "obsolete"):
                missing += 1
                print(f"{path}: {context}: {message.findtext('source')!r} has no translation")
    return 1 if missing else 0


def fill_source(path):
    tree = ET.parse(path)
    for _, message in messages(tree):
        translation = message.find("translation")
        if translation.get("type") != "unfinished":
            continue
        del translation.attrib["type"]
        forms = translation.findall("numerusform")
        if forms:
            for form in forms:
                form.text = message.findtext("source")
        else:
            translation.text = message.findtext("source")
    with open(path, "wb") as out:
        out.write(b'<?xml version="1.0" encoding="utf-8"?>\n<!DOCTYPE TS>\n')
        tree.write(out, encoding="utf-8", xml_declaration=False)
        out.write(b"\n")
    return 0


if __name__ == "__main__":
    if len(sys.argv) >= 3 and sys.argv[1] == "unfinished":
        sys.exit(unfinished(sys.argv[2:]))
    if len(sys.argv) == 3 and sys.argv[1] == "fill-source":
        sys.exit(fill_source(sys.argv[2]))
    sys.exit(__doc__)
