#!/usr/bin/python3
"""docx_paragraphs.py FILE.docx: every paragraph of a .docx as one JSON line.

Our own reader for the end-to-end tests, on python-docx (Debian:
python3-docx). It reports the direct formatting written in the document
part: alignment, left indent, automatic spacing and spacing of each
paragraph, and each run's text, font, size, colour, bold, italic and
underline. An absent property is null.
"""
import json
import sys

import docx
from docx.oxml.ns import qn

OFF = {"0", "false", "off", "none"}
ON = {"1", "true", "on"}


def first(el, tag):
    return None if el is None else el.find(qn(tag))


def value(el, name="w:val"):
    return None if el is None else el.get(qn(name))


def toggle(el):
    if el is None:
        return None
    v = el.get(qn("w:val"))
    return True if v is None else v.lower() not in OFF


def switch(v):
    return None if v is None else v.lower() in ON


def scaled(v, div):
    if v is None:
        return None
    try:
        return int(v) / div
    except ValueError:
        return v


def text_of(run):
    parts = []
    for e in run:
        if e.tag in (qn("w:t"), qn("w:delText"), qn("w:instrText")):
            parts.append(e.text or "")
        elif e.tag == qn("w:tab"):
            parts.append("\t")
        elif e.tag in (qn("w:br"), qn("w:cr")):
            parts.append("\n")
        elif e.tag == qn("w:noBreakHyphen"):
            parts.append("\u2011")
    return "".join(parts)


def run_json(run):
    props = first(run, "w:rPr")
    underline = first(props, "w:u")
    return {
        "text": text_of(run),
        "font": value(first(props, "w:rFonts"), "w:ascii"),
        "size_pt": scaled(value(first(props, "w:sz")), 2),
        "color": value(first(props, "w:color")),
        "bold": toggle(first(props, "w:b")),
        "italic": toggle(first(props, "w:i")),
        "underline": None if underline is None else (underline.get(qn("w:val")) or "single"),
        "style": value(first(props, "w:rStyle")),
    }


RUNS = ("./w:r | ./w:hyperlink/w:r | ./w:ins/w:r | ./w:smartTag/w:r"
        " | ./w:fldSimple/w:r | ./w:sdt/w:sdtContent/w:r")


def paragraph_json(p):
    props = first(p, "w:pPr")
    indent = first(props, "w:ind")
    spacing = first(props, "w:spacing")
    left = value(indent, "w:left")
    if left is None:
        left = value(indent, "w:start")
    return {
        "align": value(first(props, "w:jc")),
        "left_indent_pt": scaled(left, 20),
        "before_autospacing": switch(value(spacing, "w:beforeAutospacing")),
        "after_autospacing": switch(value(spacing, "w:afterAutospacing")),
        "before_pt": scaled(value(spacing, "w:before"), 20),
        "after_pt": scaled(value(spacing, "w:after"), 20),
        "style": value(first(props, "w:pStyle")),
        "runs": [run_json(r) for r in p.xpath(RUNS)],
    }


def main(path):
    body = docx.Document(path).element.body
    for p in body.iter(qn("w:p")):
        print(json.dumps(paragraph_json(p), ensure_ascii=False))


if __name__ == "__main__":
    if len(sys.argv) != 2:
        sys.exit("usage: docx_paragraphs.py FILE.docx")
    main(sys.argv[1])
