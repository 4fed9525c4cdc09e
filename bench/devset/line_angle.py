#!/usr/bin/env python3
"""The angle of a page's text lines as Tesseract reads them: the median of its text-line
baselines at least 200 px long, weighted by their length, in degrees (positive: the lines fall
to the right). Prints "nan" when Tesseract finds no such line. Shares no code with Scanvo."""
import math
import re
import subprocess
import sys

MIN_LINE = 200


def line_angle(path):
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
    if not lines:
        return float("nan")
    lines.sort()
    half, seen = sum(length for _, length in lines) / 2, 0
    for angle, length in lines:
        seen += length
        if seen >= half:
            return angle
    return lines[-1][0]


if __name__ == "__main__":
    print(f"{line_angle(sys.argv[1]):.3f}")
