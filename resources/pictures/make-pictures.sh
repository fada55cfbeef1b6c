#!/usr/bin/env bash
# Draws the wizard's pictures with ImageMagick: the four page banners (shown at 140 x 295
# pixels) and the two choice-button pictures (shown at up to 48 x 48), each drawn at twice
# that size so that they stay sharp on scaled screens. Run it after changing a drawing; the
# PNG files it writes are kept in the tree and compiled into the Qt front-end.
set -euo pipefail
cd "$(dirname "$0")"

BLUE='#2b5797'      # banner background
HALO='#3a6aab'      # the disc behind each illustration
PAPER='#ffffff'
INK='#9fb3cf'       # lines on paper
AMBER='#f0a30a'
GREEN='#3fa34d'
STEEL='#44546a'

banner() {  # banner <file> <draw commands...>
  local file=$1
  shift
  convert -size 280x590 "xc:$BLUE" -fill "$HALO" -draw "circle 140,230 140,110" "$@" -strip "$file"
}

# A sheet of paper with a folded corner and a few lines of text.
paper='fill '"$PAPER"' path "M 82,150 L 172,150 L 200,178 L 200,300 L 82,300 Z"
       fill '"$INK"' path "M 172,150 L 172,178 L 200,178 Z"
       fill '"$INK"' rectangle 98,196 160,202 rectangle 98,214 184,220 rectangle 98,232 170,238'

# A gear: four long bars crossed make eight teeth, a disc covers their middle, a hole in it.
gear() {  # gear <cx> <cy>
  echo "fill $AMBER translate $1,$2
        rectangle -9,-44 9,44 rotate 45 rectangle -9,-44 9,44 rotate 45 rectangle -9,-44 9,44
        rotate 45 rectangle -9,-44 9,44 circle 0,0 0,34 fill $HALO circle 0,0 0,13"
}

banner intro.png -draw "$paper" -draw "$(gear 190 282)"

# Two ways from one point.
banner choose.png -stroke "$PAPER" -strokewidth 14 -fill none \
  -draw "stroke-linejoin round path 'M 140,320 L 140,250 Q 140,215 105,190'" \
  -draw "path 'M 140,250 Q 140,215 175,190'" -stroke none -fill "$PAPER" \
  -draw "polygon 82,162 124,176 98,206" -draw "polygon 198,162 156,176 182,206" \
  -fill "$AMBER" -draw "circle 140,322 140,336"

# A clipboard with a short checklist.
banner instructions.png -fill "$PAPER" -draw "roundrectangle 84,140 196,316 10,10" \
  -fill "$AMBER" -draw "roundrectangle 114,128 166,152 6,6" -fill "$INK" \
  -draw "rectangle 102,180 120,198 rectangle 132,186 180,192" \
  -draw "rectangle 102,222 120,240 rectangle 132,228 172,234" \
  -draw "rectangle 102,264 120,282 rectangle 132,270 180,276" \
  -stroke "$GREEN" -strokewidth 5 -fill none -draw "stroke-linejoin round stroke-linecap round polyline 104,188 110,195 124,176"

banner finished.png -fill "$GREEN" -draw "circle 140,230 140,160" \
  -stroke "$PAPER" -strokewidth 16 -fill none -draw "stroke-linejoin round stroke-linecap round polyline 106,232 130,256 176,206"

# A rack of three server units, each with its status light.
convert -size 96x96 xc:none -fill "$STEEL" \
  -draw "roundrectangle 14,10 82,34 5,5 roundrectangle 14,38 82,62 5,5 roundrectangle 14,66 82,90 5,5" \
  -fill "$INK" -draw "rectangle 24,20 54,24 rectangle 24,48 54,52 rectangle 24,76 54,80" \
  -fill "$GREEN" -draw "circle 70,22 70,26 circle 70,50 70,54 circle 70,78 70,82" \
  -strip server.png

# A blank sheet with a plus sign: start from nothing.
convert -size 96x96 xc:none -fill "$PAPER" -stroke "$STEEL" -strokewidth 3 \
  -draw "path 'M 18,8 L 58,8 L 74,24 L 74,88 L 18,88 Z'" \
  -fill "$INK" -draw "path 'M 58,8 L 58,24 L 74,24'" -stroke none \
  -fill "$AMBER" -draw "circle 72,72 72,90" -fill "$PAPER" \
  -draw "rectangle 69,62 75,82 rectangle 62,69 82,75" \
  -strip blank.png
