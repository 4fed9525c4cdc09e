#!/usr/bin/env bash
# The boxes (x y w h, grown by 2 px) of the words Tesseract reads on a page with a confidence of
# at least 60, each holding a letter or a digit: where the page's text is.
#   bench/devset/words.sh PAGE > WORDS
set -euo pipefail
tesseract "$1" stdout --psm 3 tsv 2>/dev/null |
    awk -F'\t' 'NR > 1 && $1 == 5 && $11 >= 60 && $12 ~ /[[:alnum:]]/ {print $7 - 2, $8 - 2, $9 + 4, $10 + 4}'
