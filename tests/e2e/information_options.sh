#!/usr/bin/env bash
# A desktop program answers --version and --help on a terminal without a
# display (no DISPLAY, no Qt platform chosen): it prints, exits 0 and says
# nothing on standard error, where the application would have aborted.
#   information_options.sh <program> <name>
set -euo pipefail
program=$1
name=$2
fail() { echo "information_options: $*" >&2; exit 1; }
run() { env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$program" "$@" 2>"$errors"; }

errors=$(mktemp)
trap 'rm -f "$errors"' EXIT
for option in --version -v; do
  out=$(run "$option") || fail "$name $option exits $?"
  [[ $out =~ ^$name\ [0-9]+\.[0-9]+\.[0-9]+$ ]] || fail "$name $option prints '$out'"
  [ ! -s "$errors" ] || fail "$name $option writes to standard error: $(cat "$errors")"
done
for option in --help -h; do
  out=$(run "$option") || fail "$name $option exits $?"
  [[ $out == "usage: $name"* && $out == *--version* ]] || fail "$name $option prints '$out'"
  [ ! -s "$errors" ] || fail "$name $option writes to standard error: $(cat "$errors")"
done
echo "information_options: $name answers --version and --help without a display"
