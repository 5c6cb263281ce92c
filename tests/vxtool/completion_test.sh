#!/usr/bin/env bash
# vxtool's bash completion and its help never disagree: every command its help
# lists completes word by word, and each command completes exactly the options
# its usage line names (and --help). Values and operands are left to bash's
# file name completion.
#   completion_test.sh <vxtool> <completion file>
set -euo pipefail
vxtool=$1
# shellcheck source=/dev/null
source "$2"

fail() { echo "completion: $*" >&2; exit 1; }

# What completing the last of the given words offers, sorted, on one line.
offered() {
  COMP_WORDS=(vxtool "$@")
  COMP_CWORD=$#
  COMPREPLY=()
  _vxtool
  [ ${#COMPREPLY[@]} -eq 0 ] || printf '%s\n' "${COMPREPLY[@]}" | sort | tr '\n' ' '
}

expect() {
  local want=$1
  shift
  local got
  got=$(offered "$@")
  [ "$got" = "$want" ] || fail "vxtool $*<TAB> offers '$got', not '$want'"
}

# The commands' words as the help lists them ("gr info FILE" gives "gr info").
mapfile -t commands < <("$vxtool" --help | awk '/^commands:/ {list = 1; next} list && /^$/ {exit}
  list { sub(/^  /, ""); left = substr($0, 1, 24); n = split(left, w, " "); words = "";
         for (i = 1; i <= n; ++i) if (w[i] !~ /^[A-Z]/) words = words (words == "" ? "" : " ") w[i];
         print words }')
[ ${#commands[@]} -ge 5 ] || fail "the help lists ${#commands[@]} commands"

for command in "${commands[@]}"; do
  read -ra words <<<"$command"
  [[ " $(offered "") " == *" ${words[0]} "* ]] || fail "'${words[0]}' is not offered first"
  if [ ${#words[@]} -eq 2 ]; then
    [[ " $(offered "${words[0]}" "") " == *" ${words[1]} "* ]] || fail "'$command' is not offered"
  fi
  usage=$("$vxtool" "${words[@]}" --help | head -1)
  want=$( (grep -o -- '--[a-z]*' <<<"$usage" || true; echo --help) | sort | tr '\n' ' ')
  expect "$want" "${words[@]}" --
done

# Beyond the table: the general options, a partial word, and a value or an
# operand, which bash completes as a file name.
expect "--help --version " -
expect "gr " g
expect "" star --out ""
expect "" font info ""
echo "completion: ${#commands[@]} commands complete as their help lists them"
