#!/usr/bin/env python3
"""Refresh translations/*.ts from the sources (make translations).

lupdate extracts every text passed through the translation lookup. The counter-1 and time panels show
the first rows of the text panel's font list, translated in their own contexts; those texts are marked
once (under textSetting) in src/panels/fonttables.cpp, so they are copied into the two other contexts
here, with the translations the file already holds for them.
"""
import re
import subprocess
import sys
import xml.etree.ElementTree as ET
from pathlib import Path

ROOT = Path(__file__).resolve().parent.parent
SHARED_FONT_CONTEXTS = ("cntSetting", "timeSetting")
SHARED_FONT_ROWS = 15  # the counter-1 and time lists are the text list without its last row


def shared_font_texts():
    source = (ROOT / "src/panels/fonttables.cpp").read_text(encoding="utf-8")
    texts = re.findall(r'QT_TRANSLATE_NOOP\("textSetting",\s*"([^"]*)"\)', source)
    return texts[:SHARED_FONT_ROWS]


def context(root, name):
    for ctx in root.findall("context"):
        if ctx.findtext("name") == name:
            return ctx
    ctx = ET.SubElement(root, "context")
    ET.SubElement(ctx, "name").text = name
    return ctx


def translation_of(ctx, source):
    for msg in ctx.findall("message"):
        if msg.findtext("source") == source:
            return msg
    return None


def add_font_texts(ts_path, texts):
    tree = ET.parse(ts_path)
    root = tree.getroot()
    text_ctx = context(root, "textSetting")
    for name in SHARED_FONT_CONTEXTS:
        ctx = context(root, name)
        for text in texts:
            if translation_of(ctx, text) is not None:
                continue
            msg = ET.SubElement(ctx, "message")
            ET.SubElement(msg, "source").text = text
            known = translation_of(text_ctx, text)
            tr = ET.SubElement(msg, "translation")
            if known is not None and known.find("translation").text:
                tr.text = known.find("translation").text
            else:
                tr.set("type", "unfinished")
    ET.indent(tree, space="    ")
    body = ET.tostring(root, encoding="unicode")
    ts_path.write_text('<?xml version="1.0" encoding="utf-8"?>\n<!DOCTYPE TS>\n' + body + "\n", encoding="utf-8")


def main():
    lupdate = sys.argv[1] if len(sys.argv) > 1 else "lupdate"
    ts_files = sorted((ROOT / "translations").glob("*.ts"))
    subprocess.run([lupdate, "-no-obsolete", "-locations", "none", "-disable-heuristic", "number", str(ROOT / "src"), "-ts",
                    *map(str, ts_files)], check=True)
    texts = shared_font_texts()
    for ts in ts_files:
        add_font_texts(ts, texts)


if __name__ == "__main__":
    main()
