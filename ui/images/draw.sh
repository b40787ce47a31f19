#!/usr/bin/env bash
# Draws the program icon, the five article-list layout previews and the banner
# of the contact page with ImageMagick 6. The outputs are committed next to this
# script, so building the program needs no drawing tool; run it again only after
# changing a picture.
#
#   tagwright.ico  48x48, 32x32 and 16x16 images
#   preview1.gif   130x110  [category] underlined title, five rows
#   preview2.gif   130x110  underlined title (date), five rows
#   preview3.gif   200x146  six thumbnails, three across two down, captions beneath
#   preview4.gif   200x146  three rows: thumbnail, title over a two-line summary
#   preview5.gif   83x56    two blocks: title over a two-line summary
#   banner.gif     246x60   the site's name in dark metallic lettering on black
set -euo pipefail

here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

convert=${CONVERT:-convert}
bold_font=${BOLD_FONT:-/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf}
plain_font=${PLAIN_FONT:-/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf}

# Colours shared by the previews.
link_blue='#0000FF'
title_ink='#333366'
summary_ink='#9A9A9A'
date_ink='#7A7A7A'
frame_ink='#B0B0B0'

# Word lengths that make a bar read as a line of text; cycled with a start offset
# so that neighbouring lines do not look alike.
words=(9 5 12 7 4 10 6 8 11 5 7 9)

# Emits MVG rectangles for a line of "text" from x to x+width at y, glyph height h.
text_line() {
  local x=$1 y=$2 width=$3 h=$4 colour=$5 offset=${6:-0}
  local end=$((x + width)) i=$offset
  printf 'fill %s stroke none\n' "$colour"
  while [ "$x" -lt "$end" ]; do
    local w=${words[$((i % ${#words[@]}))]}
    [ $((x + w)) -gt "$end" ] && w=$((end - x))
    [ "$w" -ge 2 ] && printf 'rectangle %d,%d %d,%d\n' "$x" "$y" $((x + w - 1)) $((y + h - 1))
    x=$((x + w + 2))
    i=$((i + 1))
  done
}

# Emits an underline below a text line.
underline() {
  local x=$1 y=$2 width=$3 colour=$4
  printf 'stroke %s stroke-width 1 fill none\nline %d,%d %d,%d\n' "$colour" "$x" "$y" \
    $((x + width - 1)) "$y"
}

# Emits a pair of square brackets around a box of the given size.
brackets() {
  local x=$1 y=$2 width=$3 h=$4 colour=$5
  local r=$((x + width - 1)) b=$((y + h - 1))
  printf 'stroke %s stroke-width 1 fill none\n' "$colour"
  printf 'polyline %d,%d %d,%d %d,%d %d,%d\n' $((x + 2)) "$y" "$x" "$y" "$x" "$b" $((x + 2)) "$b"
  printf 'polyline %d,%d %d,%d %d,%d %d,%d\n' $((r - 2)) "$y" "$r" "$y" "$r" "$b" $((r - 2)) "$b"
}

# Emits a small landscape picture: sky, sun, two hills, in a thin frame.
thumbnail() {
  local x=$1 y=$2 w=$3 h=$4 variant=$5
  local skies=('#8EC5F0' '#F4C58A' '#A8D8C8' '#C9B8F0' '#F0A8A8' '#9FD0F5')
  local hills=('#4C9A3C' '#A0662E' '#2E7D6B' '#5B4C9A' '#9A3C4C' '#3C6A9A')
  local sky=${skies[$((variant % 6))]} hill=${hills[$((variant % 6))]}
  local r=$((x + w - 1)) b=$((y + h - 1))
  printf 'stroke none fill %s\nrectangle %d,%d %d,%d\n' "$sky" "$x" "$y" "$r" "$b"
  printf 'fill #FFF3A0\ncircle %d,%d %d,%d\n' $((x + w * 3 / 4)) $((y + h / 4)) \
    $((x + w * 3 / 4 + h / 8 + 1)) $((y + h / 4))
  printf 'fill %s\npolygon %d,%d %d,%d %d,%d\n' "$hill" "$x" "$b" $((x + w / 3)) \
    $((y + h / 2)) $((x + w * 2 / 3)) "$b"
  printf 'polygon %d,%d %d,%d %d,%d\n' $((x + w / 3)) "$b" $((x + w * 2 / 3)) \
    $((y + h * 5 / 8)) "$r" "$b"
  printf 'stroke %s stroke-width 1 fill none\nrectangle %d,%d %d,%d\n' "$frame_ink" "$x" "$y" \
    "$r" "$b"
}

# Renders an MVG script on white and stores it as a GIF without metadata.
render_gif() {
  local size=$1 mvg=$2 out=$3
  "$convert" -size "$size" xc:white +antialias -draw "$(cat "$mvg")" -strip +dither -colors 64 \
    "GIF:$here/$out"
}

# --- icon ---------------------------------------------------------------------
# A rounded square in four quarters; a thin dark outline keeps the white quarter
# visible on a white background.
draw_icon() {
  local s=$1 out=$2
  local half=$((s / 2)) last=$((s - 1)) radius=$((s / 6 > 2 ? s / 6 : 2))
  "$convert" -size "${s}x${s}" xc:none \
    -draw "fill #FFFFFF rectangle 0,0 $((half - 1)),$((half - 1))" \
    -draw "fill #1E50DC rectangle $half,0 $last,$((half - 1))" \
    -draw "fill #000000 rectangle 0,$half $((half - 1)),$last" \
    -draw "fill #C8C8C8 rectangle $half,$half $last,$last" \
    \( -size "${s}x${s}" xc:none -fill white \
    -draw "roundrectangle 0,0 $last,$last $radius,$radius" \) \
    -compose DstIn -composite -compose Over \
    -fill none -stroke '#3C3C3C' -strokewidth 1 \
    -draw "roundrectangle 0,0 $last,$last $radius,$radius" \
    -strip "PNG32:$out"
}
for s in 48 32 16; do draw_icon "$s" "$work/icon-$s.png"; done
"$convert" "$work/icon-48.png" "$work/icon-32.png" "$work/icon-16.png" "$here/tagwright.ico"

# --- preview 1: [category] underlined title -----------------------------------
{
  for row in 0 1 2 3 4; do
    y=$((10 + row * 20))
    brackets 6 "$((y - 2))" 34 10 "$link_blue"
    text_line 10 "$y" 26 6 "$link_blue" "$row"
    text_line 46 "$y" $((60 + (row * 17) % 24)) 6 "$title_ink" $((row + 3))
    underline 46 $((y + 8)) $((60 + (row * 17) % 24)) "$title_ink"
  done
} >"$work/preview1.mvg"
render_gif 130x110 "$work/preview1.mvg" preview1.gif

# --- preview 2: underlined title (date) ---------------------------------------
{
  for row in 0 1 2 3 4; do
    y=$((10 + row * 20))
    width=$((58 + (row * 13) % 20))
    text_line 6 "$y" "$width" 6 "$title_ink" $((row * 2))
    underline 6 $((y + 8)) "$width" "$title_ink"
    printf 'stroke %s stroke-width 1 fill none\n' "$date_ink"
    printf 'arc %d,%d %d,%d 100,260\n' 90 $((y - 2)) 96 $((y + 8))
    printf 'arc %d,%d %d,%d -80,80\n' 118 $((y - 2)) 124 $((y + 8))
    text_line 95 "$y" 24 6 "$date_ink" 4
  done
} >"$work/preview2.mvg"
render_gif 130x110 "$work/preview2.mvg" preview2.gif

# --- preview 3: six thumbnails with captions ----------------------------------
{
  i=0
  for row in 0 1; do
    for col in 0 1 2; do
      x=$((8 + col * 64))
      y=$((8 + row * 70))
      thumbnail "$x" "$y" 56 44 "$i"
      text_line $((x + 6)) $((y + 51)) 44 6 "$title_ink" "$i"
      i=$((i + 1))
    done
  done
} >"$work/preview3.mvg"
render_gif 200x146 "$work/preview3.mvg" preview3.gif

# --- preview 4: thumbnail, title over a two-line summary ----------------------
{
  for row in 0 1 2; do
    y=$((6 + row * 47))
    thumbnail 6 "$y" 52 40 $((row + 2))
    text_line 66 $((y + 2)) 96 7 "$link_blue" "$row"
    underline 66 $((y + 11)) 96 "$link_blue"
    text_line 66 $((y + 18)) 126 5 "$summary_ink" $((row + 5))
    text_line 66 $((y + 28)) 100 5 "$summary_ink" $((row + 8))
  done
} >"$work/preview4.mvg"
render_gif 200x146 "$work/preview4.mvg" preview4.gif

# --- preview 5: two text blocks ------------------------------------------------
{
  for block in 0 1; do
    y=$((4 + block * 26))
    text_line 4 "$y" 44 5 "$link_blue" "$block"
    text_line 4 $((y + 9)) 75 3 "$summary_ink" $((block + 4))
    text_line 4 $((y + 15)) 56 3 "$summary_ink" $((block + 7))
  done
} >"$work/preview5.mvg"
render_gif 83x56 "$work/preview5.mvg" preview5.gif

# --- banner: the site's name in dark metallic lettering on black --------------
# A grey gradient broken at mid-height like polished metal, cut out by the lettering, over a
# faint dark shadow; the host name in small grey type beneath.
"$convert" -size 246x60 xc:black \
  \( -size 246x60 xc:none -font "$bold_font" -pointsize 34 -fill '#202020' \
  -annotate +20+39 'Tagwright' \) -geometry +1+1 -composite \
  \( \( -size 246x31 gradient:'#C4C8CE-#5A5E64' \) \( -size 246x29 gradient:'#2E3136-#7E8288' \) \
  -append \
  \( -size 246x60 xc:black -font "$bold_font" -pointsize 34 -fill white \
  -annotate +19+38 'Tagwright' \) -alpha off -compose CopyOpacity -composite \) \
  -compose Over -composite \
  -font "$plain_font" -pointsize 9 -fill '#8A8E94' -annotate +55+54 'tagwright.cn' \
  -strip +dither -colors 64 "GIF:$here/banner.gif"
