#!/usr/bin/env bash
# Checks that an install tree holds the desktop programs and everything around
# them, and that what it holds works:
#   scripts/check-install.sh <prefix>          a `cmake --install` tree
#   scripts/check-install.sh --deb <file.deb>...  the Debian packages together:
#       lintian finds no error or warning, each has its copyright and
#       changelog, their dependencies, then their contents as an install tree
set -euo pipefail

fail() { echo "check-install: $*" >&2; exit 1; }

if [ "${1:-}" = "--deb" ]; then
  shift
  [ $# -gt 0 ] || fail "--deb needs the packages"
  # lintian finds nothing to say about any package: no error, no warning.
  lintian --fail-on error,warning --tag-display-limit 0 "$@" ||
    fail "lintian reports errors or warnings for: $*"
  unpacked=$(mktemp -d)
  trap 'rm -rf "$unpacked"' EXIT
  declare -A depends
  for deb in "$@"; do
    package=$(dpkg-deb -f "$deb" Package)
    depends[$package]=$(dpkg-deb -f "$deb" Depends)
    echo "$package: Depends: ${depends[$package]}"
    # The description reads as written (a quoted word once came out as ";.gr;").
    ! dpkg-deb -f "$deb" Description | grep -q ';' || fail "$package's description was garbled: a ';' the text has not"
    # Each package has its copyright and changelog, and no file of another.
    paths=$(dpkg-deb --fsys-tarfile "$deb" | tar -t)
    for doc in copyright changelog.gz; do
      grep -qx "\./usr/share/doc/$package/$doc" <<<"$paths" || fail "$package lacks /usr/share/doc/$package/$doc"
    done
    clash=$(grep -v '/$' <<<"$paths" | while read -r path; do
      if [ -e "$unpacked/$path" ] && [ ! -L "$unpacked/$path" ]; then echo "$path"; fi; done)
    [ -z "$clash" ] || fail "$package holds files of another package: $clash"
    dpkg-deb -x "$deb" "$unpacked"
  done
  # The programs' dependencies: computed from their libraries, plus Qt's
  # platform plugins, which they load at run time; the development files
  # take the fonts they point to from vxtools, and their Qt from qt6-base-dev.
  expect_depends() {
    local package=$1
    shift
    [ -n "${depends[$package]+set}" ] || fail "there is no package $package"
    for dependency in "$@"; do
      grep -q "\b$dependency\b" <<<"${depends[$package]}" || fail "$package does not depend on $dependency"
    done
  }
  expect_depends vxtools libc6 libstdc++6 libqt6widgets6 libqt6gui6 libqt6core6 libpng16-16 qt6-qpa-plugins
  expect_depends velmorandine libc6 libqt6widgets6 qt6-qpa-plugins
  expect_depends libvxtools-dev "vxtools (= " qt6-base-dev
  "$0" "$unpacked/usr"
  exit
fi

prefix=$(cd "$1" && pwd)
bundle=$prefix/lib/velmorandine/Velmorandine.app
expected=(
  bin/vxtool
  bin/vxview
  lib/libvxtools.a
  lib/libvxtools_qt.a
  include/vxtools/vxtools.h
  lib/cmake/vxtools/vxtoolsConfig.cmake
  lib/cmake/vxtools/vxtoolsProgram.cmake
  share/doc/vxtools/html/index.html
  share/vxtools/Resources/"MenloRegular 16x32.font"
  lib/velmorandine/Velmorandine.app/Contents/bin/velmorandine
  lib/velmorandine/Velmorandine.app/Contents/Resources/"MenloBold 16x32.font"
  lib/velmorandine/Velmorandine.app/Contents/Resources/"MenloRegular 16x32.font"
  lib/velmorandine/Velmorandine.app/Contents/Resources/LICENSE-DejaVu
  share/applications/velmorandine.desktop
  share/applications/vxview.desktop
  share/mime/packages/vxtools-graphic.xml
  share/icons/hicolor/scalable/apps/velmorandine.svg
  share/man/man1/vxtool.1.gz
  share/man/man1/vxview.1.gz
  share/man/man1/velmorandine.1.gz
  share/vxtools/Resources/LICENSE-DejaVu
  share/bash-completion/completions/vxtool
)
for size in 32 48 64 128 256; do expected+=("share/icons/hicolor/${size}x${size}/apps/velmorandine.png"); done
for path in "${expected[@]}"; do
  [ -e "$prefix/$path" ] || fail "missing $path"
done

# bin/velmorandine leads to the program in its bundle, beside its fonts.
[ -L "$prefix/bin/velmorandine" ] || fail "bin/velmorandine is not a link into the bundle"
[ "$(readlink -f "$prefix/bin/velmorandine")" = "$(readlink -f "$bundle/Contents/bin/velmorandine")" ] ||
  fail "bin/velmorandine does not lead to the bundle's program"

# Started through bin/velmorandine, the program finds its fonts: its first
# window is made, without the line about a missing font. (Qt's offscreen
# platform needs no display; the program waits for its user until stopped.)
log=$(mktemp)
QT_QPA_PLATFORM=offscreen "$prefix/bin/velmorandine" >"$log" 2>&1 &
pid=$!
for _ in $(seq 1 300); do
  grep -q "t_InitWindow: GraphicWindow #0 End\.\|t_InitWindow: Font" "$log" && break
  sleep 0.1
done
kill "$pid" 2>/dev/null || true
wait "$pid" 2>/dev/null || true
if grep -q "t_InitWindow: Font" "$log" || ! grep -q "t_InitWindow: GraphicWindow #0 End\." "$log"; then
  cat "$log" >&2
  fail "the installed Velmorandine does not find its fonts"
fi
rm -f "$log"

desktop-file-validate "$prefix"/share/applications/*.desktop
# A file manager opens ".gr" files with the viewer: its entry starts the
# installed program with the files and names their type.
grep -qx 'Exec=vxview %F' "$prefix/share/applications/vxview.desktop" || fail "vxview.desktop does not start vxview %F"
grep -qx 'MimeType=image/x-vxgr;' "$prefix/share/applications/vxview.desktop" || fail "vxview.desktop lacks the file type"
# The installed viewer starts: its Qt libraries and platform plugin are found,
# and its application reads the arguments (and refuses an unknown option).
status=0
refusal=$(QT_QPA_PLATFORM=offscreen "$prefix/bin/vxview" --no-such-option 2>&1) || status=$?
[ "$status" -eq 1 ] && grep -q "no-such-option" <<<"$refusal" ||
  fail "the installed vxview does not start (status $status): $refusal"

# The file type is one shared-mime-info accepts, with the glob and the magic.
mime=$(mktemp -d)
mkdir -p "$mime/packages"
cp "$prefix/share/mime/packages/vxtools-graphic.xml" "$mime/packages/"
update-mime-database "$mime" 2>/dev/null
grep -q '^image/x-vxgr:\*\.gr$' "$mime/globs" || fail "the file type lacks its glob"
grep -aq 'x-vxgr' "$mime/magic" || fail "the file type lacks its magic"
rm -rf "$mime"

# The manual pages read without a warning, from man and from mandoc.
for page in vxtool vxview velmorandine; do
  file=$prefix/share/man/man1/$page.1.gz
  warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l "$file" 2>&1 >/dev/null)
  [ -z "$warnings" ] || fail "the manual page $page.1 has warnings: $warnings"
  warnings=$(mandoc -Tlint -W style "$file" 2>&1) || fail "mandoc -Tlint: $page.1: $warnings"
  [ -z "$warnings" ] || fail "mandoc -Tlint: $page.1: $warnings"
done

# The installed vxtool saves a star, describes it and converts it.
work=$(mktemp -d)
"$prefix/bin/vxtool" star --size 64 --segments 6 --out "$work/star.gr" >/dev/null
"$prefix/bin/vxtool" gr info "$work/star.gr" | grep -q "g_FormatLZWRLEPackedBit" || fail "vxtool gr info"
"$prefix/bin/vxtool" gr convert "$work/star.gr" --out "$work/star.png"
[ -s "$work/star.png" ] || fail "vxtool gr convert wrote nothing"
# In a folder without fonts, it finds the toolkit's fonts by name.
(cd "$work" && "$prefix/bin/vxtool" font info "MenloRegular 16x32.font") | grep -q '^printable: *yes$' ||
  fail "the installed vxtool does not find the toolkit's fonts by name"
# Every program tells its version without a display.
for program in vxtool vxview velmorandine; do
  env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$prefix/bin/$program" --version | grep -q "^$program [0-9]" ||
    fail "the installed $program does not tell its version"
done
rm -rf "$work"
echo "check-install: $prefix holds the desktop programs, their entries, icon, file type and manual pages"
