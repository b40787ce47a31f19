#!/usr/bin/env bash
# Pictures of MainWindow's seven pages and of CopyrightWindow under Wine and
# Xvfb, cut from the screen to the window, at 96 DPI and at 144 DPI (150 %):
#
#   docs/page1.png ... docs/page7.png, docs/copyright.png   96 DPI
#   docs/dpi96-home.png, docs/dpi96-contact.png             96 DPI, pages 1 and 7
#   docs/dpi144-home.png, docs/dpi144-contact.png,
#   docs/dpi144-copyright.png                               144 DPI
#
# Wine takes the DPI from LogPixels in HKCU\Control Panel\Desktop when a
# process starts. The 144 DPI pictures are taken in a copy of the build's
# prefix with that value set (wine_env_dpi_prefix), so the build's own prefix
# stays at 96 DPI for the tests. Each picture's size is printed: at 144 DPI MainWindow is
# 620x599 scaled by 1.5.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
cd "$root"
build="${TAGWRIGHT_MINGW_BUILD:-$root/build/mingw}"
cmake --build "$build" -j 2 --target tagwright_page_screens

export TAGWRIGHT_MINGW_BUILD="$build"
source tools/lib/wine-env.sh
base_prefix="$WINEPREFIX"
cleanup() {
  WINEPREFIX="$base_prefix" wine_env_cleanup
}
trap cleanup EXIT

# The windows page_screens.exe shows, in its order.
steps=(page1 page2 page3 page4 page5 page6 page7 copyright)

# shoot NAME...: runs page_screens.exe in the current prefix and saves the
# window of step i as docs/NAME_i.png; a name "-" skips that step.
shoot() {
  local names=("$@") handshake screens i file width height left top
  handshake="$(mktemp -d)"
  wine_timeout 300 "$build/tests/win32/tagwright_page_screens.exe" "Z:${handshake//\//\\}" &
  screens=$!
  for i in "${!steps[@]}"; do
    file="$handshake/${steps[$i]}.rect"
    for _ in $(seq 600); do
      [ -s "$file" ] && break
      sleep 0.1
    done
    [ -s "$file" ] || { echo "take_screenshots: ${steps[$i]} did not show" >&2; return 1; }
    read -r width height left top <"$file"
    if [ "${names[$i]}" != - ]; then
      import -window root -crop "${width}x${height}+${left}+${top}" +repage "docs/${names[$i]}.png"
      echo "docs/${names[$i]}.png: ${width}x${height}"
    fi
    rm -f "$file"
  done
  wait "$screens"
  rmdir "$handshake"
}

mkdir -p docs
shoot "${steps[@]}"
cp docs/page1.png docs/dpi96-home.png
cp docs/page7.png docs/dpi96-contact.png
echo "docs/dpi96-home.png docs/dpi96-contact.png: copies of page1 and page7"
timeout 20 wineserver -k >/dev/null 2>&1 || true

dpi_prefix="$(wine_env_dpi_prefix 144)"
export WINEPREFIX="$dpi_prefix"
shoot dpi144-home - - - - - dpi144-contact dpi144-copyright
timeout 20 wineserver -k >/dev/null 2>&1 || true
export WINEPREFIX="$base_prefix"
