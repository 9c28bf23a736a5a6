#!/usr/bin/env python3
"""Fills translations into a .ts file that lupdate keeps in step with the code.

Usage: fill_ts.py FILE.ts TRANSLATIONS.tsv  (run through update.sh)
Each line of the table is "Czech key<TAB>translation"; a text that counts (numerus) gives its
singular and plural forms separated by "|". Keys already translated in the
file keep their text unless the table gives one; keys the table lacks stay unfinished,
which the translation test reports.
"""
import sys
import xml.etree.ElementTree as ET


def main(ts_path, table_path):
    table = {}
    with open(table_path, encoding="utf-8") as f:
        for line in f:
            line = line.rstrip("\n")
            if not line or line.startswith("#"):
                continue
            key, _, value = line.partition("\t")
            table[key.replace("\\n", "\n")] = value.replace("\\n", "\n")
    tree = ET.parse(ts_path)
    for message in tree.iter("message"):
        source = message.find("source").text or ""
        translation = message.find("translation")
        if source in table:
            if message.get("numerus") == "yes":
                for form in list(translation):
                    translation.remove(form)
                translation.text = None
                for text in table[source].split("|"):
                    ET.SubElement(translation, "numerusform").text = text
            else:
                translation.text = table[source]
            translation.attrib.pop("type", None)
    tree.write(ts_path, encoding="utf-8", xml_declaration=True)


if __name__ == "__main__":
    main(*sys.argv[1:])
