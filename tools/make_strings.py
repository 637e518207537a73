#!/usr/bin/python3
"""Makes Resources/data/<lang>/strings.xml, an Excel 2003 XML spreadsheet (the form the
localisation table reads: a header row, then one row per key with the key in the first cell
and the text in the second), from the tables tools/data/strings_<lang>/*.tsv (one per group of
screens, read in name order). A "\\n" in a text is a line break. Deterministic: the same tables
give the same bytes."""
import os
import sys
from xml.sax.saxutils import escape

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))


def read_table(path, seen):
    rows = []
    with open(path, encoding="utf-8") as f:
        for number, line in enumerate(f, 1):
            line = line.rstrip("\n")
            if not line.strip() or line.startswith("#"):
                continue
            if "\t" not in line:
                sys.exit("%s:%d: no tab between key and text" % (path, number))
            key, text = line.split("\t", 1)
            if key in seen:
                sys.exit("%s:%d: the key %s is there twice" % (path, number, key))
            seen.add(key)
            rows.append((key, text.replace("\\n", "\n")))
    return rows


def cell(text):
    return '<Cell><Data ss:Type="String">%s</Data></Cell>' % escape(text).replace("\n", "&#10;")


def spreadsheet(lang, rows):
    out = [
        '<?xml version="1.0" encoding="UTF-8"?>',
        '<?mso-application progid="Excel.Sheet"?>',
        '<Workbook xmlns="urn:schemas-microsoft-com:office:spreadsheet"',
        ' xmlns:o="urn:schemas-microsoft-com:office:office"',
        ' xmlns:x="urn:schemas-microsoft-com:office:excel"',
        ' xmlns:ss="urn:schemas-microsoft-com:office:spreadsheet">',
        ' <Worksheet ss:Name="strings">',
        '  <Table ss:ExpandedColumnCount="2" ss:ExpandedRowCount="%d" x:FullColumns="1" x:FullRows="1">'
        % (len(rows) + 1),
        "   <Row>%s%s</Row>" % (cell("localization_key"), cell(lang)),
    ]
    for key, text in rows:
        out.append("   <Row>%s%s</Row>" % (cell(key), cell(text)))
    out += ["  </Table>", " </Worksheet>", "</Workbook>", ""]
    return "\n".join(out)


def main():
    lang = sys.argv[1] if len(sys.argv) > 1 else "en"
    folder = os.path.join(ROOT, "tools", "data", "strings_%s" % lang)
    rows = []
    seen = set()
    for name in sorted(os.listdir(folder)):
        if name.endswith(".tsv"):
            rows += read_table(os.path.join(folder, name), seen)
    out = os.path.join(ROOT, "Resources", "data", lang)
    os.makedirs(out, exist_ok=True)
    with open(os.path.join(out, "strings.xml"), "w", encoding="utf-8", newline="\n") as f:
        f.write(spreadsheet(lang, rows))


if __name__ == "__main__":
    main()
