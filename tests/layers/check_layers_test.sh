#!/usr/bin/env bash
# The layer check passes on the tree as it is and names every include planted against it.
set -uo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
check="$root/scripts/check-layers"
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

"$check" "$root/src" >/dev/null || fail "the tree itself breaks the layer table"

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
cp -r "$root/src" "$work/src"
plant() {  # FILE INCLUDE: adds the include after the file's first line
  sed -i "1a #include \"$2\"" "$work/src/$1"
}
plant link/exchange.h ui/ui.h                                  # upward
plant phonebook/phonebook_store.h phonebook/windows/phonebook_window.h  # logic -> windows
plant objects/windows/logo_transfer.h phonebook/windows/pin2_dialog.h  # sideways windows
plant sim/at_engine.h link/exchange.h                          # simulator -> program
plant gsm/hex.h base/unique_fd.h                               # downward: allowed
output="$("$check" "$work/src")"
status=$?
[ "$status" -eq 1 ] || fail "exit status $status, expected 1"
for expected in \
  "link/exchange.h:2: link may not include ui/ui.h" \
  "phonebook/phonebook_store.h:2: phonebook may not include phonebook/windows/phonebook_window.h" \
  "objects/windows/logo_transfer.h:2: objects/windows may not include phonebook/windows/pin2_dialog.h" \
  "sim/at_engine.h:2: sim may not include link/exchange.h"; do
  grep -qxF "$expected" <<<"$output" || fail "not reported: $expected"
done
grep -q "gsm/hex.h" <<<"$output" && fail "a downward include was reported"

mkdir -p "$work/src/widgets" && echo '#pragma once' >"$work/src/widgets/w.h"
output="$("$check" "$work/src")"
grep -qxF "widgets/w.h: folder 'widgets' has no place in the layer table" <<<"$output" \
  || fail "an unknown folder was not reported"

[ "$failures" -eq 0 ] && echo "layer check: all cases held"
exit "$failures"
