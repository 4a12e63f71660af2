#!/usr/bin/python3
"""Writes a test workbook (.xls with xlwt, .xlsx by hand) from a JSON file.

foaie.py DESCRIERE.json IESIRE

The description: {"format": "xls" | "xlsx", "foi": [{"nume": ..., "celule":
[[rand (1-based), coloana (0-based), tip, valoare], ...]}], and for .xlsx
the faults a test wants: "text_comun_lipsa", "coloana_departe",
"dimensiune_uriasa" (also .xls), "bomba_mb". Cell types: "t" text, "n" number, "n2"
number shown with two decimals, "d" date (YYYY-MM-DD), "b" truth value,
"f" formula with its cached number, "i" inline text (.xlsx only).
"""
import datetime
import json
import sys
import zipfile
from xml.sax.saxutils import escape


def scrie_xls(d, iesire):
    import xlwt
    carte = xlwt.Workbook(encoding="utf-8")
    data = xlwt.easyxf(num_format_str="dd.mm.yyyy")
    doua = xlwt.easyxf(num_format_str="0.00")
    for foaie in d["foi"]:
        s = carte.add_sheet(foaie["nume"])
        for rand, col, tip, val in foaie["celule"]:
            r = rand - 1
            if tip == "d":
                s.write(r, col, datetime.datetime.strptime(val, "%Y-%m-%d"), data)
            elif tip == "n2":
                s.write(r, col, float(val), doua)
            elif tip == "f":
                s.write(r, col, xlwt.Formula(str(val)))
            elif tip == "b":
                s.write(r, col, bool(val))
            else:
                s.write(r, col, val)
    carte.save(iesire)
    if d.get("dimensiune_uriasa"):
        # The first sheet's DIMENSIONS record claims 16 million rows and
        # 16384 columns, far beyond what the format allows.
        import struct
        with open(iesire, "r+b") as f:
            date = bytearray(f.read())
            i = date.find(bytes([0x00, 0x02, 0x0E, 0x00]))
            date[i + 8:i + 12] = struct.pack("<I", 0x00FFFFFF)
            date[i + 14:i + 16] = struct.pack("<H", 0x4000)
            f.seek(0)
            f.write(date)


def litere(c):
    t = ""
    c += 1
    while c > 0:
        c, rest = divmod(c - 1, 26)
        t = chr(65 + rest) + t
    return t


def serial(text):
    return (datetime.date.fromisoformat(text) - datetime.date(1899, 12, 30)).days


def scrie_xlsx(d, iesire):
    texte = []
    foi_xml = []
    for foaie in d["foi"]:
        randuri = {}
        for rand, col, tip, val in foaie["celule"]:
            randuri.setdefault(rand, []).append((col, tip, val))
        parti = []
        if d.get("dimensiune_uriasa"):
            parti.append('<dimension ref="A1:XFD1048576"/>')
        parti.append("<sheetData>")
        for rand in sorted(randuri):
            parti.append('<row r="%d">' % rand)
            for col, tip, val in sorted(randuri[rand], key=lambda x: x[0]):
                ref = litere(col) + str(rand)
                if tip == "t":
                    texte.append(val)
                    parti.append('<c r="%s" t="s"><v>%d</v></c>' % (ref, len(texte) - 1))
                elif tip == "i":
                    parti.append('<c r="%s" t="inlineStr"><is><t>%s</t></is></c>' % (ref, escape(val)))
                elif tip == "d":
                    parti.append('<c r="%s" s="1"><v>%d</v></c>' % (ref, serial(val)))
                elif tip == "n2":
                    parti.append('<c r="%s" s="2"><v>%s</v></c>' % (ref, val))
                elif tip == "b":
                    parti.append('<c r="%s" t="b"><v>%d</v></c>' % (ref, 1 if val else 0))
                elif tip == "f":
                    parti.append('<c r="%s"><f>%s</f><v>%s</v></c>' % (ref, escape(str(val)), eval(str(val))))
                else:
                    parti.append('<c r="%s"><v>%s</v></c>' % (ref, repr(val) if isinstance(val, float) else val))
            if d.get("coloana_departe") and rand == min(randuri):
                parti.append('<c r="ZZZZ%d"><v>1</v></c>' % rand)
            if d.get("text_comun_lipsa") and rand == min(randuri):
                parti.append('<c r="Z%d" t="s"><v>99999</v></c>' % rand)
            parti.append("</row>")
        parti.append("</sheetData>")
        foi_xml.append('<?xml version="1.0" encoding="UTF-8"?>'
                       '<worksheet xmlns="http://schemas.openxmlformats.org/spreadsheetml/2006/main">'
                       + "".join(parti) + "</worksheet>")
    ns = 'xmlns="http://schemas.openxmlformats.org/spreadsheetml/2006/main"'
    nsr = 'xmlns:r="http://schemas.openxmlformats.org/officeDocument/2006/relationships"'
    with zipfile.ZipFile(iesire, "w", zipfile.ZIP_DEFLATED) as z:
        z.writestr("[Content_Types].xml", '<?xml version="1.0"?><Types/>')
        z.writestr("xl/workbook.xml", '<?xml version="1.0"?><workbook %s %s><sheets>%s</sheets></workbook>' % (
            ns, nsr, "".join('<sheet name="%s" sheetId="%d" r:id="rId%d"/>' % (escape(f["nume"]), i + 1, i + 1)
                             for i, f in enumerate(d["foi"]))))
        z.writestr("xl/_rels/workbook.xml.rels",
                   '<?xml version="1.0"?><Relationships>%s</Relationships>' % "".join(
                       '<Relationship Id="rId%d" Target="worksheets/sheet%d.xml"/>' % (i + 1, i + 1)
                       for i in range(len(d["foi"]))))
        z.writestr("xl/styles.xml", '<?xml version="1.0"?><styleSheet %s><numFmts count="1">'
                   '<numFmt numFmtId="164" formatCode="dd/mm/yyyy"/></numFmts>'
                   '<cellStyleXfs count="1"><xf numFmtId="0"/></cellStyleXfs>'
                   '<cellXfs count="3"><xf numFmtId="0"/><xf numFmtId="164"/><xf numFmtId="2"/></cellXfs>'
                   '</styleSheet>' % ns)
        if d.get("bomba_mb"):
            with z.open("xl/sharedStrings.xml", "w", force_zip64=True) as f:
                f.write(('<?xml version="1.0"?><sst %s>' % ns).encode())
                bucata = b" " * (1024 * 1024)
                for _ in range(d["bomba_mb"]):
                    f.write(bucata)
                f.write(b"".join(b"<si><t>%s</t></si>" % escape(t).encode() for t in texte) + b"</sst>")
        else:
            z.writestr("xl/sharedStrings.xml", '<?xml version="1.0"?><sst %s>%s</sst>' % (
                ns, "".join("<si><t>%s</t></si>" % escape(t) for t in texte)))
        for i, x in enumerate(foi_xml):
            z.writestr("xl/worksheets/sheet%d.xml" % (i + 1), x)


def main():
    with open(sys.argv[1], encoding="utf-8") as f:
        d = json.load(f)
    (scrie_xls if d["format"] == "xls" else scrie_xlsx)(d, sys.argv[2])


main()
