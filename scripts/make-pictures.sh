#!/usr/bin/env bash
# Draws the program's pictures with ImageMagick into resources/pictures/.
set -euo pipefail
cd "$(dirname "$0")/../resources/pictures"

# The drag cursor: a four-way arrow, white with a black outline, hot spot in the middle (11, 11).
convert -size 23x23 xc:none -fill white -stroke black -strokewidth 1 \
  -draw "polygon 11,0 16,5 13,5 13,9 17,9 17,6 22,11 17,16 17,13 13,13 13,17 16,17 11,22 6,17 9,17 9,13 5,13 5,16 0,11 5,6 5,9 9,9 9,5 6,5" \
  -define png:exclude-chunks=date,time PNG32:drag-cursor.png

# The program's icon: a blue card with a white "Lx" and the red progress bar of the window.
convert -size 128x128 xc:none -fill '#0080FF' -stroke '#005BB5' -strokewidth 4 \
  -draw "roundrectangle 6,18 121,109 14,14" \
  -fill white -stroke none -font DejaVu-Sans-Bold -pointsize 54 -gravity center \
  -annotate +0-8 "Lx" -gravity northwest \
  -stroke red -strokewidth 6 -draw "line 22,92 84,92" \
  -define png:exclude-chunks=date,time PNG32:lexado.png

# The context menu's strip, picture 185: "Lexado" in yellow, reading upwards, on a gradient from
# light blue at the top to dark blue at the bottom.
convert -background none -fill '#FFFF00' -font DejaVu-Sans-Bold -pointsize 17 label:Lexado \
  -rotate 270 miff:- |
  convert -size 24x284 gradient:'#5A9CFF'-'#000070' - -gravity south -geometry +0+8 -composite \
    -define png:exclude-chunks=date,time PNG24:picture-185.png

# The context menu's item pictures, drawn pixel by pixel.
python3 ../../scripts/make-menu-pictures.py

# The start-up picture.
bash ../../scripts/make-splash-picture.sh
