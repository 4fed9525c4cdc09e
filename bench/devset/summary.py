#!/usr/bin/env python3
"""Sums up bench/devset/run.sh's WORK/results.tsv: marks kept, specks left, and with the "all"
mode the border left and, for each tool, how many turned pages it levelled within 0.1 degree
(Tesseract's reading of the output), how many it left worse than it found them, and its worst;
and the same on the pages set straight, whose text lines agree on one angle."""
import math
import os
import sys
from collections import defaultdict

# A page whose text lines agree within this span (degrees between the weighted quartiles of their
# angles) is set straight: it has one angle to level it by. Tesseract reads baselines in steps of
# about 0.057 degrees.
STRAIGHT = 0.2


def fields(line):
    """The columns of a result line as name -> list of values."""
    cols = line.rstrip("\n").split("\t")
    out = {"page": cols[0], "angle": float(cols[1])}
    for col in cols[2:]:
        words = col.split()
        if words[0] == "marks":
            out["ours_specks"] = {words[k]: int(words[k + 1]) for k in range(0, len(words), 2)}
        elif words[0] == "unpaper_specks" and len(words) > 2:
            out["unpaper_specks"] = {words[k]: int(words[k + 1]) for k in range(1, len(words), 2)}
        elif len(words) == 3 and words[1] == "border":
            out[words[0]] = words[2]
        elif len(words) == 5 and words[1] == "harm":
            out[words[0]] = (int(words[2]), int(words[4]))
        elif len(words) == 2:
            out[words[0]] = float(words[1]) if words[1] != "failed" else words[1]
    return out


def marks_and_specks(tool, counts):
    """The marks kept and the specks left by one speck filter, over all pages it ran on."""
    total = defaultdict(int)
    for c in counts:
        for key, value in c.items():
            total[key] += value
    print(f"{tool}: marks kept: {100 * total['kept'] / total['marks']:.2f} % ({total['kept']} / {total['marks']})")
    if total["in_words"]:
        print(f"  marks in words kept: {100 * total['kept_in_words'] / total['in_words']:.2f} % "
              f"({total['kept_in_words']} / {total['in_words']})")
    if total["in_signs"]:
        print(f"  marks of dotted letters, accents and punctuation kept: "
              f"{100 * total['kept_in_signs'] / total['in_signs']:.2f} % "
              f"({total['kept_in_signs']} / {total['in_signs']})")
    apart, apart_left = total["specks"] - total["beside_text"], total["left"] - total["left_beside"]
    print(f"  specks left: {100 * total['left'] / total['specks']:.2f} % ({total['left']} / {total['specks']}); "
          f"standing apart {apart_left} / {apart}, beside text {total['left_beside']} / {total['beside_text']}")


def line_spreads(path):
    """Page -> how far its text lines disagree (line_angle.py --spread), from level.tsv beside path."""
    spreads = {}
    level = os.path.join(os.path.dirname(path), "level.tsv")
    if os.path.exists(level):
        for line in open(level):
            cols = line.rstrip("\n").split("\t")
            if len(cols) >= 3 and cols[2] != "nan":
                spreads[cols[0]] = float(cols[2])
    return spreads


def main(path):
    rows = [fields(line) for line in open(path) if line.strip()]
    spreads = line_spreads(path)
    print(f"turned pages: {len(rows)}")
    for tool in ("ours_specks", "unpaper_specks"):
        counts = [r[tool] for r in rows if isinstance(r.get(tool), dict)]
        if counts:
            marks_and_specks(tool, counts)
    for tool in ("ours_full", "ours_deskew_then_borders", "unpaper_full"):
        values = [r[tool] for r in rows if tool in r]
        if values:
            failed = sum(v == "failed" for v in values)
            px = [int(v) for v in values if v != "failed"]
            print(f"border left, {tool}: {sum(p > 0 for p in px)} of {len(px)} pages, {sum(px)} px"
                  + (f", {failed} failed" if failed else ""))
    for tool in ("ours_borders", "unpaper_borders"):
        taken = [r[tool] for r in rows if isinstance(r.get(tool), tuple)]
        if taken:
            print(f"text taken, {tool}: {sum(shapes > 0 for _, shapes in taken)} of {len(taken)} pages, "
                  f"{sum(px for px, _ in taken)} px, {sum(shapes for _, shapes in taken)} shapes")
    for tool in ("full_angle", "deskew_angle", "magick_angle", "unpaper_angle"):
        read = [(r, r[tool]) for r in rows if tool in r]
        if not read:
            continue
        known = [(r, a) for r, a in read if not math.isnan(a)]
        level = sum(abs(a) <= 0.1 for _, a in known)
        worse = [(r, a) for r, a in known if abs(a) > abs(r["angle"]) + 0.1]
        worst = max((abs(a) for _, a in known), default=float("nan"))
        print(f"{tool}: within 0.1 deg {level} of {len(known)} read ({len(read) - len(known)} unread), "
              f"worse than the input {len(worse)}, worst {worst:.2f} deg")
        flat = [(r, a) for r, a in known if spreads.get(r["page"], math.inf) <= STRAIGHT]
        if flat:
            off = ", ".join(f"{r['page']}@{r['angle']:g} {a:.3f}" for r, a in flat if abs(a) > 0.1)
            print(f"  on pages set straight: within 0.1 deg {sum(abs(a) <= 0.1 for _, a in flat)} of {len(flat)}"
                  + (f" (off: {off})" if off else ""))


if __name__ == "__main__":
    main(sys.argv[1])
