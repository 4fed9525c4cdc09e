#!/usr/bin/env python3
"""The boxes (x y w h, grown by 2 px) of the characters Tesseract reads on a page with a
confidence of at least 60 that are drawn with a dot, a punctuation stroke or an accent apart from
their body: i and j, full stops, commas, colons, quotes, accented letters, CJK punctuation. A mark
inside such a box is the text's own; the scan's grain elsewhere in a word is not counted.
    bench/devset/signs.py PAGE > SIGNS"""
import html
import re
import subprocess
import sys
import unicodedata

MIN_CONFIDENCE = 60
DRAWN_APART = set("ij.,:;!?'\"`´¡¿‘’“”„、。，：；！？・")


def drawn_apart(c):
    return c in DRAWN_APART or len(unicodedata.normalize("NFD", c)) > 1


def main(path):
    hocr = subprocess.run(["tesseract", path, "stdout", "--psm", "3", "-c", "hocr_char_boxes=1", "hocr"],
                          capture_output=True, text=True, timeout=300).stdout
    for x0, y0, x1, y1, confidence, text in re.findall(
            r"ocrx_cinfo' title='x_bboxes (\d+) (\d+) (\d+) (\d+); x_conf ([\d.]+)'>([^<]*)<", hocr):
        c = html.unescape(text)
        if len(c) == 1 and drawn_apart(c) and float(confidence) >= MIN_CONFIDENCE:
            x0, y0, x1, y1 = int(x0), int(y0), int(x1), int(y1)
            print(x0 - 2, y0 - 2, x1 - x0 + 4, y1 - y0 + 4)


if __name__ == "__main__":
    main(sys.argv[1])
