#!/usr/bin/env bash
# Draws the program's own pictures with ImageMagick into app/res/:
#   picmove.ico   the application icon (48, 32 and 16 pixels): a blue picture
#                 frame with a green arrow, "moving pictures"
set -euo pipefail
cd "$(dirname "$0")/../app/res"
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
convert -size 256x256 xc:none \
  -fill '#1e6fd9' -draw 'roundrectangle 16,40 216,200 24,24' \
  -fill white -draw 'rectangle 40,64 192,176' \
  -fill '#f2b705' -draw 'circle 80,100 96,100' \
  -fill '#3aa655' -draw 'polygon 40,176 100,120 140,160 170,130 192,176' \
  -fill '#e8452c' -stroke white -strokewidth 8 -draw 'polygon 150,196 250,196 250,176 200,176 200,150 150,196' \
  "$tmp/master.png"
for s in 48 32 16; do convert "$tmp/master.png" -resize ${s}x${s} "$tmp/icon$s.png"; done
convert "$tmp/icon48.png" "$tmp/icon32.png" "$tmp/icon16.png" picmove.ico
