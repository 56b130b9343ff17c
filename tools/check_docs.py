#!/usr/bin/env python3
"""Checks the reference manual's XML: every export named in TARN32.def is
documented with a brief description, every parameter and (unless it returns
void) its result, and belongs to a group of the manual.
Usage: check_docs.py XML_DIR TARN32.def"""
import glob
import re
import sys
import xml.etree.ElementTree as ET


def text(node):
    return "".join(node.itertext()).strip() if node is not None else ""


def main(xml_dir, def_path):
    exports = []
    for line in open(def_path):
        m = re.match(r"\s+([A-Za-z_]\w*)(@\d+)?\s+@\d+", line)
        if m:
            exports.append(m.group(1))
    found = {}
    grouped = set()
    for path in glob.glob(xml_dir + "/*.xml"):
        root = ET.parse(path).getroot()
        for compound in root.iter("compounddef"):
            for member in compound.iter("memberdef"):
                if member.get("kind") != "function":
                    continue
                name = text(member.find("name"))
                if compound.get("kind") == "group":
                    grouped.add(name)
                found.setdefault(name, member)
    problems = []
    for name in exports:
        member = found.get(name)
        if member is None:
            problems.append(f"{name}: not in the manual")
            continue
        if not text(member.find("briefdescription")):
            problems.append(f"{name}: no brief description")
        detail = member.find("detaileddescription")
        documented = {text(n) for n in detail.iter("parametername")}
        for param in member.findall("param"):
            pname = text(param.find("declname"))
            if pname and pname not in documented:
                problems.append(f"{name}: parameter {pname} not documented")
        returns = text(member.find("type"))
        if returns.split()[-1:] != ["void"] and not any(
                s.get("kind") == "return" for s in detail.iter("simplesect")):
            problems.append(f"{name}: result not documented")
        if name not in grouped:
            problems.append(f"{name}: in no group")
    for p in problems:
        print("undocumented:", p)
    print(f"{len(exports)} exports, {len(exports) - len({p.split(':')[0] for p in problems})} fully documented")
    return 1 if problems or not exports else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1], sys.argv[2]))
