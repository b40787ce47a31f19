#!/usr/bin/env bash
# Pictures of the seven pages of MainWindow and of CopyrightWindow under Wine
# and Xvfb, cut from the screen to the window: docs/page1.png ... page7.png,
# docs/copyright.png.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
cd "$root"
build="${TAGWRIGHT_MINGW_BUILD:-$root/build/mingw}"
cmake --build "$build" -j 2 --target tagwright_page_screens

export TAGWRIGHT_MINGW_BUILD="$build"
source tools/lib/wine-env.sh
trap wine_env_cleanup EXIT

handshake="$(mktemp -d)"
mkdir -p docs
wine_timeout 300 "$build/tests/win32/tagwright_page_screens.exe" "Z:${handshake//\//\\}" &
screens=$!
for page in page1 page2 page3 page4 page5 page6 page7 copyright; do
  file="$handshake/$page.rect"
  for _ in $(seq 600); do
    [ -s "$file" ] && break
    sleep 0.1
  done
  [ -s "$file" ] || { echo "take_screenshots: $page did not show" >&2; exit 1; }
  read -r width height left top <"$file"
  import -window root -crop "${width}x${height}+${left}+${top}" +repage "docs/$page.png"
  rm -f "$file"
  echo "docs/$page.png"
done
wait "$screens"
rmdir "$handshake"
