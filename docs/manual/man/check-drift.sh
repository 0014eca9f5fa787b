#!/usr/bin/env bash
# A manual page cannot drift from its program's options: make_manpage makes the page from the real
# source, and refuses a source that lacks an option of the help, describes one the help does not
# have, or names a value for an option that takes none.
#   check-drift.sh MAKE_MANPAGE PROGRAM SOURCE.md
set -euo pipefail
make=$1 program=$2 source=$3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$make" "$program" "$source" "$work/page.1" --date 2026-01-01 || { echo "FAIL: the real source was refused"; exit 1; }
grep -q '^\.TH ' "$work/page.1" || { echo "FAIL: no .TH header"; exit 1; }
refused() { # what, source
  if "$make" "$program" "$2" "$work/bad.1" --date 2026-01-01 2>"$work/err"; then
    echo "FAIL: a source that $1 was accepted"
    exit 1
  fi
  echo "refused, as it should be: $1 ($(cat "$work/err"))"
}
option=$(grep -m1 -E '^\[[^]]*--[a-z]' "$source")
grep -vxF -- "$option" "$source" >"$work/lacking.md"
refused "lacks '$option'" "$work/lacking.md"
{ cat "$source"; echo "[--no-such-option] An option the program does not have."; } >"$work/extra.md"
refused "describes --no-such-option" "$work/extra.md"
sed 's/^\[\(\(\* \)\?--json\)\]/[\1 VALUE]/; s/^\[\(--simulated-brick\)\]/[\1 VALUE]/' "$source" >"$work/value.md"
refused "names a value for a flag" "$work/value.md"
echo "manual page of $(basename "$program"): made from its help, drift refused"
