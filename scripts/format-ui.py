#!/usr/bin/env python3
"""Lays out .ui forms one element per line, indented by one space as Qt Designer writes them, so that a
diff shows one property per line. Text inside elements is left exactly as it is; uic makes the same code
of a form before and after."""
import sys
import xml.etree.ElementTree as ET

for path in sys.argv[1:]:
    with open(path, encoding="utf-8") as f:
        raw = f.read()
    if "<!--" in raw:
        sys.exit(f"{path}: a comment would be lost; lay this form out by hand")
    tree = ET.ElementTree(ET.fromstring(raw))
    ET.indent(tree, space=" ")
    body = ET.tostring(tree.getroot(), encoding="unicode")
    with open(path, "w", encoding="utf-8") as f:
        f.write('<?xml version="1.0" encoding="UTF-8"?>\n' + body + "\n")
