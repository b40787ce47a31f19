#!/usr/bin/env bash
# Runs the Windows tests of an existing mingw build under Wine with Xvfb: the
# backend tests that drive the real window in-process, then the black-box test
# of tagwright.exe, then the tests of places, sizes, fonts, icons and pictures
# once more at 144 DPI (150 %). Fails when any test fails or a run hangs.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
cd "$root"
build="${TAGWRIGHT_MINGW_BUILD:-$root/build/mingw}"
[ -f "$build/CMakeCache.txt" ] || cmake --preset mingw -B "$build" >/dev/null
cmake --build "$build" -j 2 --target tagwright tagwright_win32_tests tagwright_exe_tests

# One self-contained file: the exe imports Windows' own DLLs only, none of the
# MinGW runtime DLLs (libstdc++, libgcc, libwinpthread).
exe="$build/ui/win32/tagwright.exe"
imports=$(x86_64-w64-mingw32-objdump -p "$exe" | sed -n 's/^\s*DLL Name: //p')
echo "-- tagwright.exe: $(stat -c %s "$exe") bytes, imports:" $imports
if echo "$imports" | grep -qi '^lib'; then
  echo "tagwright.exe needs MinGW runtime DLLs" >&2
  exit 1
fi

export TAGWRIGHT_MINGW_BUILD="$build"
source tools/lib/wine-env.sh
trap wine_env_cleanup EXIT
# Keep the wineserver up between the runs: the second starts warm.
timeout 60 wineserver -p 60 >/dev/null 2>&1 || true

status=0
for exe in tagwright_win32_tests tagwright_exe_tests; do
  echo "-- $exe"
  start=$(date +%s)
  wine_timeout 300 "$build/tests/win32/$exe.exe" --gtest_brief=1 || status=$?
  echo "-- $exe: $(($(date +%s) - start)) s"
  [ "$status" -eq 0 ] || break
done

# The same window at 144 DPI, in a copy of the prefix with that setting.
dpi_tests='MainWindowTest.EveryControl*:MainWindowTest.CopyrightWindowIsBuilt*'
dpi_tests+=':MainWindowTest.WindowHasItsOuterSize*:MainWindowTest.ControlsUseTheGuiFont*'
dpi_tests+=':MainWindowTest.BothWindowsAndTheTray*:MainWindowTest.EveryPictureBox*'
dpi_tests+=':MainWindowTest.Hyperlink*:PictureBox.*:HyperlinkLabel.*:GuiFont.*'
dpi_tests+=':TrayTest.LeftAndRight*:MainWindowTest.CopyrightOpensOnce*'
if [ "$status" -eq 0 ]; then
  echo "-- tagwright_win32_tests at 144 DPI"
  start=$(date +%s)
  dpi_prefix="$(wine_env_dpi_prefix 144)"
  WINEPREFIX="$dpi_prefix" wine_timeout 120 "$build/tests/win32/tagwright_win32_tests.exe" \
    --gtest_brief=1 --gtest_filter="$dpi_tests" || status=$?
  WINEPREFIX="$dpi_prefix" timeout 20 wineserver -k >/dev/null 2>&1 || true
  echo "-- tagwright_win32_tests at 144 DPI: $(($(date +%s) - start)) s"
fi
exit "$status"
