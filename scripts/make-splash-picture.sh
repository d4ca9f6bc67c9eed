#!/usr/bin/env bash
# Draws the start-up picture, picture 236, with ImageMagick: 297 x 220 pixels in 256 colours, an
# evening landscape with the program's name in upright letters down a strip on the left, the
# version and a credits line. Writes resources/pictures/picture-236.png.
set -euo pipefail
out=$(dirname "$0")/../resources/pictures/picture-236.png
w=297; h=220
tmp=$(mktemp -d); trap 'rm -rf "$tmp"' EXIT
# The evening sky: deep blue above, amber at the horizon.
convert -size ${w}x150 gradient:'#0B1A4A'-'#F0A050' "$tmp/sky.png"
convert -size ${w}x70 xc:'#1E2A22' "$tmp/ground.png"
convert "$tmp/sky.png" "$tmp/ground.png" -append +repage "$tmp/base.png"
# The sun low over the hills, with a soft glow.
convert -size ${w}x${h} xc:none -fill '#FFE9A0' -draw "circle 205,128 205,106" -blur 0x9 "$tmp/glow.png"
convert -size ${w}x${h} xc:none -fill '#FFF4C8' -draw "circle 205,128 205,112" "$tmp/sun.png"
# Two ranges of hills, the far one lighter.
convert -size ${w}x${h} xc:none -fill '#4A3F6B' \
  -draw "polygon 0,150 30,128 70,140 120,118 165,136 215,122 260,138 297,126 297,220 0,220" "$tmp/far.png"
convert -size ${w}x${h} xc:none -fill '#1B2433' \
  -draw "polygon 0,170 45,152 95,166 150,148 200,164 250,150 297,160 297,220 0,220" "$tmp/near.png"
# A few stars in the dark part of the sky.
convert -size ${w}x${h} xc:none -fill '#FFFFFF' \
  -draw "point 70,14 point 110,30 point 150,12 point 190,40 point 240,18 point 270,44 point 130,52 point 220,8 point 285,10 point 95,60" \
  -fill '#CFE0FF' -draw "circle 175,24 176,24 circle 255,30 256,30" "$tmp/stars.png"
convert "$tmp/base.png" "$tmp/stars.png" -composite "$tmp/glow.png" -composite "$tmp/sun.png" -composite \
  "$tmp/far.png" -composite "$tmp/near.png" -composite "$tmp/scene.png"
# The strip down the left edge with the program's name in upright characters, top to bottom.
convert -size 46x${h} gradient:'#103080'-'#0A1640' "$tmp/strip.png"
convert -background none -fill '#FFE000' -font DejaVu-Serif-Bold -pointsize 25 \
  -interline-spacing -4 -gravity center label:"L\nE\nX\nA\nD\nO" "$tmp/name.png"
convert -background none -fill '#000000' -font DejaVu-Serif-Bold -pointsize 25 \
  -interline-spacing -4 -gravity center label:"L\nE\nX\nA\nD\nO" -blur 0x1.5 "$tmp/shadow.png"
convert "$tmp/strip.png" \( "$tmp/shadow.png" \) -gravity center -geometry +2+2 -composite \
  "$tmp/name.png" -gravity center -composite "$tmp/stripname.png"
convert "$tmp/scene.png" "$tmp/stripname.png" -gravity west -composite \
  -fill '#FFE000' -draw "line 46,0 46,219" "$tmp/withstrip.png"
# The version and the credits.
convert "$tmp/withstrip.png" \
  -font DejaVu-Sans-Bold -pointsize 15 -fill '#FFFFFF' -gravity northeast -annotate +12+10 "1.0Beta6" \
  -font WenQuanYi-Micro-Hei -pointsize 13 -fill '#FFF0C0' -gravity northwest -annotate +58+12 "背单词，每天一点" \
  -font DejaVu-Sans -pointsize 9 -fill '#D8DCE8' -gravity southeast -annotate +8+8 "by the Lexado developers, with Qt and eSpeak NG" \
  +repage -colors 256 -define png:exclude-chunks=date,time PNG8:"$out"
