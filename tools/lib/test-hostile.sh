#!/usr/bin/env bash
# Hostile input through tagwright-driver, run by tools/test from the
# repository root: 16 MiB lines, malformed GBK typed as \xHH escapes into
# every box followed by every generate and copy button, a busy clipboard, and
# 10,000 presses with the driver's peak resident memory compared with that
# of 100. Every run is under a time limit; any crash, hang, changed byte or
# growing memory ends the script with a non-zero status.
set -euo pipefail
export LC_ALL=C
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
cd "$root"
source tools/lib/packages.sh
ensure_packages cmake make g++ libgtest-dev time

cmake --preset native >/dev/null
cmake --build build/native -j 2 --target tagwright-driver >/dev/null
driver="$root/build/native/ui/headless/tagwright-driver"
work="$root/build/native/hostile"
rm -rf "$work"
mkdir -p "$work"

failures=0
fail() {
  echo "hostile: $*" >&2
  failures=$((failures + 1))
}

# Runs the script file $1 through the driver; output in $1.out, errors in $1.err.
run_driver() {
  local status=0
  timeout --kill-after=5 120 "$driver" <"$1" >"$1.out" 2>"$1.err" || status=$?
  if [ "$status" -ne 0 ]; then
    fail "$(basename "$1"): status $status: $(head -c 300 "$1.err")"
    return 1
  fi
}

# Line $2 of file $1 (1-based).
line_of() { sed -n "${2}p" "$1"; }

# The boxes: every role whose name ends in Edit (or Edit and a digit).
mapfile -t boxes < <(sed -n 's/^ *X(\([A-Za-z0-9]*Edit[0-9]*\)).*/\1/p' ui/roles.h)
[ "${#boxes[@]}" -ge 30 ] || { echo "hostile: cannot read the box names from ui/roles.h" >&2; exit 1; }
builds=(arcBuildButton navBuildButton listBuildButton slideBuildButton customBuildButton)
copies=(headFootCopyButton homeCopyButton listCopyButton contentCopyButton slideCopyButton
  customCopyButton sqlCopyButton)
outputs=(headFootEdit homeOutputEdit listOutputEdit contentOutputEdit slideOutputEdit
  customOutputEdit sqlOutputEdit)

# ---- 16 MiB lines --------------------------------------------------------------
# The unit is written in the driver's canonical form (how it prints what it
# reads), so every printed text must equal the typed one byte for byte: CJK,
# ASCII, escapes, a byte that is never GBK and a lone lead byte before '<'.
unit='ab复制 <\xFF>\x81<\t\\'"'"'"{}[]0123456789'
unit_gbk_bytes=30 # what one unit is in GBK
units=$(((16 * 1024 * 1024 + unit_gbk_bytes - 1) / unit_gbk_bytes))
big="$work/big.text"
# `yes` ends on SIGPIPE when head has enough.
{ yes "$unit" || true; } | head -n "$units" | tr -d '\n' >"$big"
crlf='\r\n'

echo "hostile: 16 MiB in a field of each builder, generate, copy"
script="$work/big.script"
{
  printf 'type arcKeywordEdit '; cat "$big"; printf '\n'
  printf 'print arcKeywordEdit\nclick arcBuildButton\nprint homeOutputEdit\nclick homeCopyButton\nclip\nmessages\n'
  printf 'type listPageSizeEdit '; cat "$big"; printf '\n'
  printf 'click listBuildButton\nprint listOutputEdit\nclick listCopyButton\nclip\nmessages\n'
} >"$script"
if run_driver "$script"; then
  out="$script.out"
  # print arcKeywordEdit
  cmp -s <(line_of "$out" 1) <(printf 'arcKeywordEdit: '; cat "$big"; printf '\n') ||
    fail "16 MiB: arcKeywordEdit changed the text"
  cmp -s <(line_of "$out" 2) <(
    printf "homeOutputEdit: {dede:arclist typeid=1 row=5 titlelen=20 orderby='pubdate' keyword='"
    cat "$big"
    printf "'}%s%s[field:typelink/]<a href='[field:arcurl/]'>[field:title/]</a><br/>%s%s{/dede:arclist}\n" \
      "$crlf" "$crlf" "$crlf" "$crlf"
  ) || fail "16 MiB: the article list lost bytes of the keyword"
  cmp -s <(line_of "$out" 2 | cut -d' ' -f2-) <(line_of "$out" 3 | cut -d' ' -f2-) ||
    fail "16 MiB: the clipboard differs from homeOutputEdit"
  cmp -s <(line_of "$out" 5) <(
    printf "listOutputEdit: {dede:list row='20' pagesize='"
    cat "$big"
    printf "' titlelen='30'}%s%s<a href='[field:arcurl/]'>[field:title/]</a>%s%s{/dede:list}\n" \
      "$crlf" "$crlf" "$crlf" "$crlf"
  ) || fail "16 MiB: the list tag lost bytes of the page size"
  cmp -s <(line_of "$out" 5 | cut -d' ' -f2-) <(line_of "$out" 6 | cut -d' ' -f2-) ||
    fail "16 MiB: the clipboard differs from listOutputEdit"
  [ "$(line_of "$out" 4)" = "message: 复制成功" ] && [ "$(line_of "$out" 7)" = "message: 复制成功" ] ||
    fail "16 MiB: a copy was not confirmed"
  [ "$(wc -l <"$out")" -eq 7 ] || fail "16 MiB: unexpected output lines"
fi

# ---- malformed GBK in every box -------------------------------------------------
# Each text in canonical print form: it must print back exactly as typed.
# 0x7F after a lead byte is no trail byte and prints as itself; 0x80 alone
# begins no valid character; A3 B1 is the full-width 1.
malformed=('\xB8' '\xB8 x' 'end\xB8' '\xFF' '\xFF\xFF\xFE' '\x81\r\n\x81' '\x80' '\xB8'$'\x7f'
  '１\xA3' '复\xD6' '')
echo "hostile: ${#malformed[@]} malformed texts in ${#boxes[@]} boxes, every generate and copy"
script="$work/malformed.script"
expected="$work/malformed.expected"
: >"$script"
: >"$expected"
for text in "${malformed[@]}"; do
  for box in "${boxes[@]}"; do
    printf 'type %s %s\nprint %s\n' "$box" "$text" "$box" >>"$script"
    printf '%s: %s\n' "$box" "$text" >>"$expected"
  done
  for button in "${builds[@]}"; do printf 'click %s\n' "$button" >>"$script"; done
  for i in "${!copies[@]}"; do
    printf 'click %s\nprint %s\nclip\nmessages\n' "${copies[$i]}" "${outputs[$i]}" >>"$script"
  done
done
if run_driver "$script"; then
  out="$script.out"
  # The typed texts come back as they were typed.
  grep -v -e '^clipboard: ' -e '^message: ' -e '^[a-zA-Z]*OutputEdit: ' "$out" |
    grep -v -e '^headFootEdit: ' >"$work/malformed.fields" || true
  grep -v -e '^[a-zA-Z]*OutputEdit: ' -e '^headFootEdit: ' "$expected" >"$work/malformed.want" || true
  cmp -s "$work/malformed.fields" "$work/malformed.want" ||
    fail "malformed: a box changed a typed text ($(diff "$work/malformed.want" "$work/malformed.fields" | head -n 4 | tr '\n' ' '))"
  # Every copy: the clipboard holds the box's text, and it was confirmed.
  awk '
    /^clipboard: / { if (substr($0, 12) != box) bad++; copies++; next }
    /^message: / { if ($0 == "message: 复制成功") confirmed++; next }
    { i = index($0, ": "); box = substr($0, i + 2) }
    END {
      if (bad > 0 || copies == 0 || confirmed != copies) {
        printf "%d of %d copies differ, %d confirmed\n", bad, copies, confirmed
        exit 1
      }
    }' "$out" >"$work/malformed.copies" || fail "malformed: $(cat "$work/malformed.copies")"
fi

# ---- busy clipboard ----------------------------------------------------------------
echo "hostile: copies while the clipboard is busy"
script="$work/busy.script"
{
  printf 'type sqlOutputEdit before\\xB8\nclick sqlCopyButton\nmessages\nclipboard busy\n'
  for i in "${!copies[@]}"; do printf 'type %s x\\xFF\nclick %s\n' "${outputs[$i]}" "${copies[$i]}"; done
  printf 'messages\nclip\nclipboard free\nclick homeCopyButton\nmessages\nclip\n'
} >"$script"
if run_driver "$script"; then
  printf 'message: 复制成功\nclipboard: before\\xB8\nmessage: 复制成功\nclipboard: x\\xFF\n' |
    cmp -s - "$script.out" || fail "busy clipboard: $(tr '\n' '|' <"$script.out")"
fi

# ---- 10,000 presses, resident memory flat ------------------------------------------
# Two runs of the same rounds, 100 and 10,000 of them; the peak resident
# memory of the second may not exceed that of the first by more than 1 MiB.
echo "hostile: 10,000 presses of every kind of button"
round() {
  printf 'click arcBuildButton\nclick navBuildButton\nclick listBuildButton\n'
  printf 'click slideBuildButton\nclick customBuildButton\nclick homeCopyButton\n'
  printf 'click customCopyButton\nclick homeClearButton\nclick 单选框13\nclick sqlCopyButton\n'
  printf 'click 按钮6\nmenu 显示\nmessages\n'
}
peak_kib() {
  /usr/bin/time -f '%M' -o "$1.peak" timeout --kill-after=5 300 "$driver" <"$1" >"$1.out" 2>"$1.err" ||
    { fail "$(basename "$1"): $(head -c 300 "$1.err")"; return 1; }
  tail -n 1 "$1.peak"
}
peaks=()
for rounds in 100 10000; do
  script="$work/presses-$rounds.script"
  { printf 'type customFieldEdit1 %s\n' "$unit"; for _ in $(seq "$rounds"); do round; done; } >"$script"
  peaks+=("$(peak_kib "$script" || echo 0)")
  [ "$(grep -c '^message: 复制成功$' "$script.out")" -eq $((rounds * 3)) ] ||
    fail "$rounds rounds: copies not confirmed"
done
echo "hostile: driver peak RSS after 100 rounds ${peaks[0]} KiB, after 10,000 rounds ${peaks[1]} KiB"
[ "${peaks[0]}" -gt 0 ] && [ "${peaks[1]}" -le $((peaks[0] + 1024)) ] ||
  fail "10,000 presses: peak memory grew from ${peaks[0]} to ${peaks[1]} KiB"

# The real window gets its hostile input in tests/win32/hostile_input_test.cpp,
# which runs with the other Windows tests.

if [ "$failures" -ne 0 ]; then
  echo "hostile: $failures failure(s)" >&2
  exit 1
fi
echo "hostile: no failures"
