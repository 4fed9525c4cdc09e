#!/usr/bin/env bash
# Cleanup on real scanned pages, against the peers, in one run.
#   bench/devset/run.sh PAGES WORK [marks|all]
# PAGES is a folder of scanned pages (TIFF, PNG, JPEG; public scans, not kept in the repository);
# each is made black and white, levelled by Tesseract's reading of its text lines (WORK/level.tsv,
# read once and kept) and turned by each of ANGLES. Every line of WORK/results.tsv is one page at
# one turn:
#   marks: scanvo-clean --specks and unpaper's noise filter alone on the turned page with specks
#          strewn on it: the text's dots and punctuation kept (and of them, with WORDS=1, those
#          inside words Tesseract reads and those inside the characters it reads as dotted letters,
#          accented letters or punctuation), the specks left (and of them, those within reach of
#          the text)
#   all:   also the full default pipeline of scanvo-clean and of unpaper on the page as a skewed
#          scan (on black, in a black frame, with specks): border pixels left and the text-line
#          angle left; the border pixels left by scanvo-clean --deskew, then --borders, on it; the text's ink taken by scanvo-clean --borders and by unpaper's border
#          steps alone (black filter, border scan) on that scan; and the angle left by
#          scanvo-clean --deskew, ImageMagick's -deskew 40% and unpaper's deskew alone
#          (searching +-10 degrees) on the turned page.
# The angles are Tesseract's reading (line_angle.py): 0 on a level page, and on a bowed or warped
# page the length-weighted median of its lines. WORK/level.tsv also keeps how far each page's lines
# disagree, so that the summary can tell the pages set straight from the warped ones.
# Needs tesseract, ImageMagick and unpaper (Debian: tesseract-ocr imagemagick unpaper).
set -euo pipefail
fail() {
    echo "run.sh: $*" >&2
    exit 2
}
for tool in tesseract convert identify unpaper; do
    command -v "$tool" >/dev/null || fail "$tool is missing (apt-get install tesseract-ocr imagemagick unpaper)"
done
here="$(cd "$(dirname "$0")" && pwd)"
[ $# -ge 2 ] || fail "usage: bench/devset/run.sh PAGES WORK [marks|all]"
pages="$1" work="$2" mode="${3:-marks}"
[ -d "$pages" ] && compgen -G "$pages/*" >/dev/null || fail "$pages holds no pages"
build="${SCANVO_BUILD_DIR:-$here/../../build}"
meter="$build/bench/devset/devset_meter"
clean="$build/src/tools/clean/scanvo-clean"
ANGLES="${ANGLES:--10 -3 -1.5 1.5 3 10}"
mkdir -p "$work/config"
export XDG_CONFIG_HOME="$work/config" HOME="$work/config" QT_QPA_PLATFORM=offscreen OMP_THREAD_LIMIT=1

# Tesseract's text-line angle of a page (with --spread after it, and how far its lines disagree);
# pages over 2000 px are read at half size (the angle is the same).
angle() {
    if [ ! -f "$1" ]; then echo nan; return; fi
    local read="$1"
    if [ "$(identify -format '%w' "$1")" -gt 2000 ]; then
        read="${1%.*}.half.png"
        convert "$1" -filter box -resize 50% -threshold 50% "$read"
    fi
    "$here/line_angle.py" ${2:+"$2"} "$read"
}

one() {
    local page="$1" angle="$2" name dir skew
    name="$(basename "${page%.*}")"
    dir="$work/$name@$angle"
    skew="$(awk -F'\t' -v n="$name" '$1 == n && $2 != "nan" {print $2}' "$work/level.tsv")"
    mkdir -p "$dir/specks" "$dir/full" "$dir/deskew"
    "$meter" prepare "$page" "${skew:-0}" "$angle" 7 "$dir" 2>/dev/null
    "$clean" -q -j1 --specks -o "$dir/specks" "$dir/dirty.tif"
    local words=()
    if [ -n "${WORDS:-}" ]; then
        "$here/words.sh" "$dir/clean.tif" >"$dir/words.txt"
        "$here/signs.py" "$dir/clean.tif" >"$dir/signs.txt"
        words=("$dir/words.txt" "$dir/signs.txt")
    fi
    local line="$name	$angle	$("$meter" marks "$dir/clean.tif" "$dir/specks.txt" "$dir/specks/dirty.tif" "${words[@]}")"
    convert "$dir/dirty.tif" "$dir/dirty.pbm"
    unpaper -q --overwrite --layout none --no-deskew --no-blackfilter --no-grayfilter --no-blurfilter \
        --no-mask-scan --no-mask-center --no-border-scan --no-border-align \
        "$dir/dirty.pbm" "$dir/unpaper-specks.pbm" >/dev/null 2>&1 || true
    line+="	unpaper_specks $([ -f "$dir/unpaper-specks.pbm" ] &&
        "$meter" marks "$dir/clean.tif" "$dir/specks.txt" "$dir/unpaper-specks.pbm" "${words[@]}" || echo failed)"
    if [ "$mode" = all ]; then
        "$clean" -q -j1 -o "$dir/full" "$dir/scan.tif"
        mkdir -p "$dir/borders"
        "$clean" -q -j1 --borders -o "$dir/borders" "$dir/scan.tif"
        "$clean" -q -j1 --deskew -o "$dir/deskew" "$dir/clean.tif"
        convert "$dir/clean.tif" -deskew 40% +repage "$dir/magick.tif"
        convert "$dir/clean.tif" "$dir/clean.pbm"
        convert "$dir/scan.tif" "$dir/scan.pbm"
        unpaper -q --overwrite -dr 10 --no-blackfilter --no-noisefilter --no-blurfilter --no-grayfilter \
            --no-border-scan --no-border-align \
            "$dir/clean.pbm" "$dir/unpaper.pbm" >/dev/null 2>&1 || true
        unpaper -q --overwrite -dr 10 "$dir/scan.pbm" "$dir/unpaper-full.pbm" >/dev/null 2>&1 || true
        mkdir -p "$dir/deskewed" "$dir/then-borders"
        "$clean" -q -j1 --deskew -o "$dir/deskewed" "$dir/scan.tif"
        "$clean" -q -j1 --borders -o "$dir/then-borders" "$dir/deskewed/scan.tif"
        line+="	ours_full $("$meter" border "$dir/level.tif" "$dir/full/scan.tif")"
        line+="	ours_deskew_then_borders $("$meter" border "$dir/level.tif" "$dir/then-borders/scan.tif")"
        line+="	unpaper_full $([ -f "$dir/unpaper-full.pbm" ] && "$meter" border "$dir/level.tif" "$dir/unpaper-full.pbm" || echo failed)"
        unpaper -q --overwrite --no-deskew --no-noisefilter --no-blurfilter --no-grayfilter --no-mask-center \
            --no-border-align "$dir/scan.pbm" "$dir/unpaper-borders.pbm" >/dev/null 2>&1 || true
        line+="	ours_borders $("$meter" harm "$dir/clean.tif" "$dir/borders/scan.tif")"
        line+="	unpaper_borders $([ -f "$dir/unpaper-borders.pbm" ] && "$meter" harm "$dir/clean.tif" "$dir/unpaper-borders.pbm" || echo failed)"
        line+="	full_angle $(angle "$dir/full/scan.tif")"
        line+="	deskew_angle $(angle "$dir/deskew/clean.tif")"
        line+="	magick_angle $(angle "$dir/magick.tif")"
        line+="	unpaper_angle $(angle "$dir/unpaper.pbm")"
    fi
    echo "$line"
}
level() {
    local page="$1" dir
    dir="$work/$(basename "${page%.*}")"
    mkdir -p "$dir"
    "$meter" prepare "$page" 0 0 7 "$dir" 2>/dev/null
    echo "$(basename "${page%.*}")	$(angle "$dir/level.tif" --spread)"
}
export -f one level angle
export work mode meter clean here WORDS

if [ ! -s "$work/level.tsv" ]; then
    for page in "$pages"/*; do echo "$page"; done | xargs -P2 -L1 bash -c 'level "$0"' >"$work/level.tsv"
fi
for page in "$pages"/*; do
    for angle in $ANGLES; do echo "$page $angle"; done
done | xargs -P2 -L1 bash -c 'one "$0" "$1"' >"$work/results.tsv"
"$here/summary.py" "$work/results.tsv"
