#!/usr/bin/env bash
# Runs scripts/check-layers on small planted trees: the include that made settings/ and
# console/ depend on each other, a loop through three folders, and a clean tree.
set -uo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0

# A tree with the given files ("path:included header" pairs), as a git work tree.
plant() {
  rm -rf "$work/tree"
  mkdir -p "$work/tree/scripts"
  cp "$root/scripts/check-layers" "$work/tree/scripts/"
  local pair file header
  for pair in "$@"; do
    file=${pair%%:*} header=${pair#*:}
    mkdir -p "$work/tree/$(dirname "$file")"
    echo "#include \"$header\"" >>"$work/tree/$file"
  done
  git -C "$work/tree" init -q
  out=$("$work/tree/scripts/check-layers" 2>&1)
  rc=$?
}
expect() {
  local what=$1 want_rc=$2 want_text=$3
  if [ "$rc" = "$want_rc" ] && grep -qF -- "$want_text" <<<"$out"; then echo "ok: $what"; else
    echo "FAILED: $what (exit $rc)"; echo "$out"; failures=$((failures + 1))
  fi
}

plant "console/convert.h:settings/Setting1.h" "settings/Setting1.h:ui/form.h" \
      "console/session/console_session.h:settings/session/settings_host.h" \
      "settings/session/settings_host.h:common/win/shared_text_map.h"
expect "one-way includes pass" 0 "no two folders include each other"

plant "console/convert.h:settings/Setting1.h" \
      "settings/Setting1.h:console/session/console_session.h"
expect "the settings window including the console's session is a folder cycle" 1 \
  'console/ and settings/ include each other: console/convert.h includes "settings/Setting1.h", and settings/Setting1.h includes "console/session/console_session.h"'

plant "setup/a.h:bridge/b.h" "bridge/b.h:standins/c.h" "standins/c.h:setup/d.h"
expect "a loop through three folders" 1 "include each other in a loop"

if [ "$failures" -gt 0 ]; then echo "$failures failed"; exit 1; fi
echo "all passed"
