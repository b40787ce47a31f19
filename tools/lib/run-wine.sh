#!/usr/bin/env bash
# Builds the Windows preset and starts tagwright.exe: under Wine (private
# prefix, Chinese locale and fonts, Xvfb only when no display is set) on Linux,
# directly on Windows. Arguments are passed to the program.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
cd "$root"
build="${TAGWRIGHT_MINGW_BUILD:-$root/build/mingw}"

case "$(uname -s)" in
  MINGW* | MSYS* | CYGWIN*)
    cmake --preset mingw -B "$build" >/dev/null
    cmake --build "$build" --target tagwright
    exec "$build/ui/win32/tagwright.exe" "$@"
    ;;
esac

source tools/lib/packages.sh
ensure_packages "${mingw_packages[@]}" "${wine_packages[@]}"
cmake --preset mingw -B "$build" >/dev/null
cmake --build "$build" -j 2 --target tagwright

export TAGWRIGHT_MINGW_BUILD="$build"
source tools/lib/wine-env.sh
trap wine_env_cleanup EXIT
if [ -n "$wine_env_xvfb_pid" ]; then
  echo "run-wine: no display was set; Tagwright runs on the virtual display $DISPLAY" >&2
fi
# A session of a day at most: the timeout only guards against a hung Wine.
status=0
wine_timeout 86400 "$build/ui/win32/tagwright.exe" "$@" || status=$?
exit "$status"
