#!/usr/bin/env bash
# Makes the project's own GIF corpus in FOLDER: the hand-made files of the tests' GIF builder
# and pictures ImageMagick draws from its built-in images (reduced palettes, interlaced,
# transparent, animated with each disposal, frames with colour tables of their own). The
# corpus tests check these against giflib on any machine.
# Usage: make_own_corpus.sh MAKER FOLDER
set -euo pipefail
maker=$1 folder=$2
rm -rf "$folder"
mkdir -p "$folder"
"$maker" "$folder" >/dev/null
command -v convert >/dev/null || { echo "make_own_corpus: ImageMagick's convert is missing" >&2; exit 1; }
cd "$folder"
im() { convert "$@" || { echo "make_own_corpus: convert $* failed" >&2; exit 1; }; }
im rose: im-rose.gif
im rose: -colors 2 im-rose-2.gif
im rose: -colors 16 -interlace GIF im-rose-interlaced.gif
im logo: -resize 30% im-logo.gif
im wizard: -resize 25% -transparent white im-wizard-transparent.gif
im granite: -resize 50x37! im-granite-odd.gif
im netscape: im-netscape.gif
im pattern:checkerboard im-checkerboard.gif
im -size 65x1 gradient:red-blue im-gradient-row.gif
for dispose in None Background Previous; do
  im -delay 4 -dispose "$dispose" rose: \( granite: -resize 30x20 -repage +20+10 \) \
     \( logo: -resize 40x30 -repage +5+5 -transparent white \) \
     -loop 0 "im-animated-${dispose,,}.gif"
done
# Each frame with its own palette (ImageMagick writes a local table where they differ).
im -delay 10 \( rose: -colors 8 \) \( netscape: -resize 70x46! -colors 64 \) im-local-tables.gif
echo "$(ls | wc -l) files in $folder"
