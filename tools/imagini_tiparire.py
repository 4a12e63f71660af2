#!/usr/bin/env python3
"""Draws the pictures of the printing dialogs: how to insert the card (front or
back, upright or turned), the two red arrows, the printer wizard's test pictures
and its feed-mode and line pictures. Needs ImageMagick and fonts-liberation.
Run from the repository root: python3 tools/imagini_tiparire.py src/printing/imagini
"""
import os
import subprocess
import sys

FONT = "/usr/share/fonts/truetype/liberation/LiberationSans-Bold.ttf"


def convert(args, out):
    subprocess.run(["convert"] + args + [out], check=True)


def card(out, back, turned):
    # A landscape card: stub on the left, certificate on the right.
    d = ["-size", "240x170", "xc:white",
         "-fill", "#fbf7ec", "-stroke", "#2a3f6b", "-strokewidth", "2",
         "-draw", "rectangle 10,20 230,150"]
    if not back:
        d += ["-fill", "none", "-stroke", "#b9975b", "-draw", "rectangle 16,26 78,144",
              "-draw", "rectangle 88,26 224,144",
              "-stroke", "#9a9a9a", "-strokewidth", "1", "-draw", "line 83,24 83,146",
              "-stroke", "#2a3f6b", "-strokewidth", "1"]
        for y in (60, 75, 90, 105, 120):
            d += ["-draw", "line 96,%d 216,%d" % (y, y), "-draw", "line 22,%d 72,%d" % (y, y)]
        d += ["-stroke", "none", "-fill", "#2a3f6b", "-font", FONT, "-pointsize", "13",
              "-draw", "text 112,48 'CERTIFICAT'", "-pointsize", "11", "-draw", "text 118,140 'FATA'"]
    else:
        d += ["-stroke", "none", "-fill", "#8a93b0", "-font", FONT, "-pointsize", "16",
              "-draw", "text 92,92 'VERSO'"]
    if turned:
        d += ["-rotate", "180"]
    convert(d, out)


def arrow(out, up):
    d = ["-size", "40x60", "xc:none", "-fill", "#d01010", "-stroke", "#900000",
         "-draw", "polygon 14,2 26,2 26,36 36,36 20,58 4,36 14,36"]
    if up:
        d += ["-rotate", "180"]
    convert(d, out)


def wizard(folder):
    # The template stands for the whole printable page (A4 portrait).
    convert(["-size", "210x297", "xc:white"], os.path.join(folder, "t.png"))
    convert(["-size", "80x160", "xc:white", "-fill", "none", "-stroke", "black", "-strokewidth", "3",
             "-draw", "polygon 25,150 55,150 55,60 76,60 40,5 4,60 25,60"], os.path.join(folder, "s1.png"))
    convert(["-size", "40x110", "xc:white", "-fill", "none", "-stroke", "black", "-strokewidth", "2",
             "-draw", "polygon 12,106 28,106 28,44 38,44 20,4 2,44 12,44",
             "-strokewidth", "1"] + sum((["-draw", "line 12,%d 28,%d" % (y, y - 8)] for y in range(54, 108, 6)), []),
            os.path.join(folder, "s2.png"))
    convert(["-size", "210x297", "xc:white", "-stroke", "black", "-strokewidth", "3",
             "-draw", "line 30,20 180,20", "-draw", "line 20,30 20,267"], os.path.join(folder, "d.png"))
    # How a sheet printed in each feed mode goes back into the printer.
    for mod, (sus, rasturnat) in {1: (True, True), 2: (False, False), 3: (False, True), 4: (False, False)}.items():
        d = ["-size", "200x160", "xc:white", "-fill", "#e8e8e8", "-stroke", "#555", "-strokewidth", "2",
             "-draw", "roundrectangle 20,80 180,150 8,8", "-fill", "#333", "-draw", "rectangle 40,95 160,100"]
        if sus:
            d += ["-fill", "white", "-stroke", "#2a3f6b", "-draw", "polygon 60,10 140,10 130,85 70,85"]
            y0, y1 = 20, 70
        else:
            d += ["-fill", "white", "-stroke", "#2a3f6b", "-draw", "polygon 50,120 150,120 160,155 40,155"]
            y0, y1 = 125, 150
        tip = "%d,%d %d,%d %d,%d" % ((100, y0, 92, y1, 108, y1) if not rasturnat else (100, y1, 92, y0, 108, y0))
        d += ["-fill", "#d01010", "-stroke", "none", "-draw", "polygon " + tip,
              "-fill", "#2a3f6b", "-font", FONT, "-pointsize", "14", "-draw", "text 6,18 '%d'" % mod]
        convert(d, os.path.join(folder, "alimentare%d.png" % mod))
    # The four ways the two lines can come out, in the order of the answers.
    for i, (jos, dreapta) in enumerate([(False, False), (False, True), (True, True), (True, False)], 1):
        y = 130 if jos else 12
        x = 90 if dreapta else 12
        convert(["-size", "105x148", "xc:white", "-fill", "none", "-stroke", "#777", "-draw", "rectangle 1,1 103,146",
                 "-stroke", "black", "-strokewidth", "3", "-draw", "line 18,%d 86,%d" % (y, y),
                 "-draw", "line %d,18 %d,128" % (x, x)], os.path.join(folder, "linii%d.png" % i))


def main(folder):
    os.makedirs(folder, exist_ok=True)
    card(os.path.join(folder, "fata.png"), back=False, turned=False)
    card(os.path.join(folder, "verso.png"), back=True, turned=False)
    card(os.path.join(folder, "fata_intoarsa.png"), back=False, turned=True)
    card(os.path.join(folder, "verso_intors.png"), back=True, turned=True)
    arrow(os.path.join(folder, "sageata_jos.png"), up=False)
    arrow(os.path.join(folder, "sageata_sus.png"), up=True)
    wizard(folder)


if __name__ == "__main__":
    main(sys.argv[1] if len(sys.argv) > 1 else ".")
