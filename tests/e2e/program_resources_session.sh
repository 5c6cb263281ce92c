#!/usr/bin/env bash
# A program started without its fonts, with its resource folder missing, or
# with a broken font file says what is missing and where it looked, and ends
# with status 1 before any window opens.
#   program_resources_session.sh PROGRAM FONTFOLDER WORKDIR
set -euo pipefail
program=$1 fonts=$2 work=$3
rm -rf "$work" && mkdir -p "$work"
bundle=$work/Probe.app
mkdir -p "$bundle/Contents/bin"
cp "$program" "$bundle/Contents/bin/probe"
export QT_QPA_PLATFORM=offscreen

failures=0
expect_refusal() {  # what the folder is like, the words the message must hold
  local case=$1 words=$2 status=0
  "$bundle/Contents/bin/probe" < /dev/null > "$work/out" 2> "$work/err" || status=$?
  if [ "$status" -ne 1 ] || ! grep -qF -- "$words" "$work/err"; then
    echo "FAIL ($case): status $status, standard error:"; cat "$work/err"
    failures=$((failures + 1))
  else
    echo "ok ($case): $(cat "$work/err")"
  fi
}

expect_refusal "no resource folder" "Der Ordner mit den Schriften des Programms fehlt: „$bundle/Contents/Resources“"
mkdir -p "$bundle/Contents/Resources"
expect_refusal "no font" "Im Ordner „$bundle/Contents/Resources“ liegt keine Schrift"
cp "$fonts"/*.font "$bundle/Contents/Resources/"
head -c 40 "$fonts/MenloRegular 16x32.font" > "$bundle/Contents/Resources/MenloRegular 16x32.font"
expect_refusal "a cut-short font" "Die Schrift „$bundle/Contents/Resources/MenloRegular 16x32.font“ ist beschädigt"
printf 'not a font' > "$bundle/Contents/Resources/MenloRegular 16x32.font"
expect_refusal "not a font" "ist beschädigt oder keine Schriftdatei"
[ "$failures" -eq 0 ]
