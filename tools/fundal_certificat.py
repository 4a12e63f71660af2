#!/usr/bin/env python3
"""Draws the background of the certificate preview: the blank pre-printed card
(285.66 x 208.79 mm) with the stub on the left and the certificate on the right,
and the printed captions beside the lines the program fills.

Needs ImageMagick (convert) and fonts-liberation. Run from the repository root:
    python3 tools/fundal_certificat.py src/forms/imagini/CertificatAcordare.jpg
"""
import subprocess
import sys

DPI = 220
MM = DPI / 25.4
W_MM, H_MM = 285.66, 208.79
FONT = "/usr/share/fonts/truetype/liberation/LiberationSerif-Regular.ttf"
FONT_B = "/usr/share/fonts/truetype/liberation/LiberationSerif-Bold.ttf"
FONT_I = "/usr/share/fonts/truetype/liberation/LiberationSerif-Italic.ttf"
INK = "#2a3f6b"
LINE = "#8a93b0"


def px(mm):
    return round(mm * MM)


# The lines the program fills: left, top, width, height (mm), and the caption
# printed beside them: (text, where) with where "left:<x mm>", "above" or "below".
LINES = [
    # stub
    (11.95, 29.69, 66.94, 3.52, ("Institutia de invatamant", "above")),
    (46.93, 50.20, 32.71, 4.15, ("Certificatul de acordare a", "left:11.5")),
    (12.71, 56.62, 65.93, 3.77, None),
    (18.62, 66.31, 5.16, 3.02, ("pentru", "left:10.5")),
    (25.67, 64.80, 35.36, 4.40, None),
    (22.02, 71.34, 18.75, 3.52, ("functia", "left:10.5")),
    (62.79, 70.96, 16.86, 3.77, ("specialitatea", "left:42.0")),
    (14.34, 76.25, 64.30, 4.15, ("de la", "left:7.5")),
    (16.36, 81.66, 62.28, 4.28, ("loc./jud.", "left:7.5")),
    (11.45, 93.49, 27.93, 3.65, ("sesiunea", "above")),
    (65.81, 92.61, 14.85, 4.40, ("cu media", "left:49.0")),
    (10.44, 98.39, 17.62, 4.40, None),
    (46.93, 98.90, 32.09, 3.77, ("obtinand", "left:31.0")),
    (10.70, 104.06, 66.94, 4.15, None),
    (26.42, 115.76, 8.30, 3.77, ("Ordin nr.", "left:10.5")),
    (41.77, 115.63, 12.71, 3.77, ("din", "left:36.5")),
    (10.57, 121.17, 69.08, 3.77, ("(in vigoare de la)", "below")),
    (8.18, 142.68, 34.73, 4.53, ("RECTOR", "above")),
    (47.18, 145.20, 37.50, 4.53, ("DECAN / DIRECTOR", "above")),
    (34.10, 163.57, 44.54, 4.53, ("SECRETAR SEF", "above")),
    # certificate
    (111.23, 46.81, 151.24, 3.52, ("(institutia de invatamant)", "below")),
    (187.48, 65.68, 58.00, 4.15, ("Prin prezentul certificat se acorda", "left:113.0")),
    (121.55, 81.28, 22.52, 2.89, ("d-lui / d-nei", "left:104.5")),
    (147.47, 79.65, 85.81, 4.40, None),
    (131.11, 88.20, 62.28, 3.52, ("functia", "left:113.0")),
    (223.97, 87.83, 38.12, 3.77, ("specialitatea", "left:198.0")),
    (118.40, 95.12, 143.82, 4.15, ("de la", "left:106.0")),
    (119.91, 102.67, 141.93, 4.28, ("loc.", "left:106.0")),
    (212.89, 110.72, 49.70, 3.65, ("care a sustinut examenul in sesiunea", "left:150.0")),
    (148.09, 117.77, 29.07, 4.40, ("cu media generala", "left:113.0")),
    (205.72, 118.27, 55.99, 3.77, ("obtinand", "left:184.0")),
    (118.15, 134.13, 23.78, 3.77, ("Ordinul nr.", "above")),
    (152.00, 134.13, 26.80, 3.77, ("din data", "above")),
    (222.71, 134.00, 40.14, 3.77, ("in vigoare de la", "above")),
    (120.41, 160.68, 65.43, 4.53, ("RECTOR", "above")),
    (215.91, 160.80, 46.55, 4.53, ("DECAN / DIRECTOR", "above")),
    (170.99, 173.76, 37.50, 4.53, ("SECRETAR SEF", "above")),
]


def text(cmds, x_mm, y_mm, s, size_mm, font=FONT, gravity="NorthWest", color=INK):
    cmds += ["-font", font, "-pointsize", str(round(size_mm * MM, 1)),
             "-fill", color, "-gravity", gravity, "-annotate",
             "+%d+%d" % (px(x_mm), px(y_mm)), s]


def main(out):
    w, h = px(W_MM), px(H_MM)
    cmds = ["convert", "-size", "%dx%d" % (w, h), "xc:#fbf7ec", "-stroke", "none"]
    # guilloche-like frames
    draw = []
    for (x0, x1) in ((2.5, 88.0), (94.5, 283.0)):
        draw.append("stroke '#b9975b' stroke-width %d fill none rectangle %d,%d %d,%d"
                    % (px(0.8), px(x0), px(3), px(x1), px(H_MM - 3)))
        draw.append("stroke '#2a3f6b' stroke-width %d fill none rectangle %d,%d %d,%d"
                    % (px(0.3), px(x0 + 1.5), px(4.5), px(x1 - 1.5), px(H_MM - 4.5)))
    # perforation between stub and certificate
    for y in range(6, int(H_MM) - 5, 3):
        draw.append("stroke '#9a9a9a' stroke-width %d line %d,%d %d,%d"
                    % (px(0.25), px(91.25), px(y), px(91.25), px(y + 1.5)))
    # the fill lines
    for (l, t, wd, ht, _) in LINES:
        y = t + ht + 0.3
        draw.append("stroke '%s' stroke-width %d stroke-dasharray %d,%d line %d,%d %d,%d"
                    % (LINE, max(1, px(0.15)), px(0.6), px(0.5), px(l), px(y), px(l + wd), px(y)))
    # seals
    for (cx, cy) in ((60, 182), (250, 184)):
        draw.append("stroke '#b9975b' stroke-width %d fill none circle %d,%d %d,%d"
                    % (px(0.3), px(cx), px(cy), px(cx + 9), px(cy)))
    cmds += ["-draw", " ".join(draw)]

    # headings of the stub
    text(cmds, 44.5 - 3 - 41.5, 9, "ROMANIA", 3.2, FONT_B, "North")
    cmds[-2] = "%+d+%d" % (px(44.5) - w // 2, px(9))
    text(cmds, 0, 14, "MINISTERUL EDUCATIEI", 2.4, FONT, "North")
    cmds[-2] = "%+d+%d" % (px(44.5) - w // 2, px(14))
    text(cmds, 0, 19, "CERTIFICAT DE ACORDARE", 3.0, FONT_B, "North")
    cmds[-2] = "%+d+%d" % (px(44.5) - w // 2, px(19))
    text(cmds, 0, 23.5, "(cotor)", 2.2, FONT_I, "North")
    cmds[-2] = "%+d+%d" % (px(44.5) - w // 2, px(23.5))
    # headings of the certificate
    for (y, s, size, font) in ((10, "ROMANIA", 4.2, FONT_B), (17, "MINISTERUL EDUCATIEI", 3.0, FONT),
                               (26, "CERTIFICAT DE ACORDARE", 7.0, FONT_B),
                               (36.5, "a definitivarii in invatamant / a gradului didactic II / a gradului didactic I",
                                2.6, FONT_I)):
        text(cmds, 0, y, s, size, font, "North")
        cmds[-2] = "%+d+%d" % (px(188.75) - w // 2, px(y))
    text(cmds, 236, 193, "Seria A  Nr. 000000", 2.6, FONT_B)
    text(cmds, 10, 193, "Seria A  Nr. 000000", 2.2, FONT_B)
    text(cmds, 57.5, 180.5, "L.S.", 2.2, FONT_I)
    text(cmds, 247.5, 182.5, "L.S.", 2.2, FONT_I)

    # captions
    for (l, t, wd, ht, cap) in LINES:
        if not cap:
            continue
        s, where = cap
        size = 2.0
        if where == "above":
            text(cmds, l, t - 2.6, s, size, FONT_I, color="#55607d")
        elif where == "below":
            text(cmds, l + wd / 2 - len(s) * 0.42, t + ht + 0.8, s, size, FONT_I, color="#55607d")
        else:
            x = float(where.split(":")[1])
            text(cmds, x, t + ht - 2.6, s, 2.6, FONT, color=INK)

    cmds += ["-quality", "88", "-density", str(DPI), "-units", "PixelsPerInch", out]
    subprocess.run(cmds, check=True)


if __name__ == "__main__":
    main(sys.argv[1] if len(sys.argv) > 1 else "CertificatAcordare.jpg")
