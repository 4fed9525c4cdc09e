#!/usr/bin/env python3
"""The angle of a page's text lines as Tesseract reads them: the median of its text-line
baselines at least 200 px long, weighted by their length, in degrees (positive: the lines fall
to the right). Prints "nan" when Tesseract finds no such line. With --spread, also how far the
lines disagree: the span between the weighted quartiles of their angles (near 0 on a flat page
set straight, large on a bowed, warped or pasted-up one). Shares no code with Scanvo."""
import math
import re
import subprocess
import sys

MIN_LINE = 200


def weighted_quantile(lines, q):
    """The angle below which lie the lines making up share q of the total length."""
    at, seen = q * sum(length for _, length in lines), 0
    for angle, length in lines:
        seen += length
        if seen >= at:
            return angle
    return lines[-1][0]


def line_angles(path):
    """(angle, length) of each text line at least MIN_LINE long, by angle."""
    hocr = subprocess.run(["tesseract", path, "stdout", "--psm", "3", "hocr"], capture_output=True,
                          text=True, timeout=300).stdout
    lines = []
    for title in re.findall(r"class='ocr_(?:line|textfloat|header|caption)'[^>]*title=\"([^\"]*)\"", hocr):
        box = re.search(r"bbox (\d+) (\d+) (\d+) (\d+)", title)
        base = re.search(r"baseline (-?[\d.]+) (-?[\d.]+)", title)
        if not box or not base:
            continue
        length = int(box.group(3)) - int(box.group(1))
        if length >= MIN_LINE:
            lines.append((math.degrees(math.atan(float(base.group(1)))), length))
    return sorted(lines)


if __name__ == "__main__":
    spread = sys.argv[1] == "--spread"
    lines = line_angles(sys.argv[-1])
    angle = weighted_quantile(lines, 0.5) if lines else float("nan")
    if spread:
        width = weighted_quantile(lines, 0.75) - weighted_quantile(lines, 0.25) if lines else float("nan")
        print(f"{angle:.3f}\t{width:.3f}")
    else:
        print(f"{angle:.3f}")
