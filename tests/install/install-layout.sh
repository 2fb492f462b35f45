#!/usr/bin/env bash
# `cmake --install` into a fresh prefix gives the package's layout: both programs, the sample classroom
# as vqdata built it and no station ever ran on, valid desktop entries and metainfo, every icon,
# compressed manual pages that name every option the programs' --help names, and the package's
# documents; the installed console finds the sample's teaching content from its prefix.
#   install-layout.sh BUILD-FOLDER
set -uo pipefail
BUILD=$1
SOURCE="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
PREFIX=$(mktemp -d)
trap 'rm -rf "$PREFIX"' EXIT
FAILED=0
fail() { echo "FAIL: $*"; FAILED=1; }
need_file() { [ -f "$PREFIX/$1" ] || fail "missing $1"; }

if ! cmake --install "$BUILD" --prefix "$PREFIX" >"$PREFIX.log" 2>&1; then
  cat "$PREFIX.log"; rm -f "$PREFIX.log"; echo "FAIL: cmake --install"; exit 1
fi
rm -f "$PREFIX.log"

PROGRAMS=(velquinlan velquinlan-teacher)
declare -A METAINFO=([velquinlan]=invalid.velquinlan.Phone [velquinlan-teacher]=invalid.velquinlan.TeachersConsole)

for program in "${PROGRAMS[@]}"; do
  [ -x "$PREFIX/bin/$program" ] || fail "bin/$program is not an installed program"
  need_file "share/applications/$program.desktop"
  need_file "share/metainfo/${METAINFO[$program]}.metainfo.xml"
  need_file "share/icons/hicolor/scalable/apps/$program.svg"
  for size in 16 22 24 32 48 64 128 256; do
    icon="share/icons/hicolor/${size}x${size}/apps/$program.png"
    need_file "$icon"
    [ -f "$PREFIX/$icon" ] && ! file "$PREFIX/$icon" | grep -q "PNG image data, $size x $size, 8-bit/color RGBA" &&
      fail "$icon is not a $size x $size RGBA picture: $(file -b "$PREFIX/$icon")"
  done
  man="share/man/man1/$program.1.gz"
  need_file "$man"
  [ -f "$PREFIX/$man" ] && ! gzip -t "$PREFIX/$man" && fail "$man is not gzip"
  grep -q "^Exec=$program\$" "$PREFIX/share/applications/$program.desktop" 2>/dev/null || fail "$program.desktop does not start $program"
  # The long options of --help and of the manual page are the same ones.
  help_options=$("$PREFIX/bin/$program" --help | grep -o -- '--[a-z][a-z-]*' | sort -u)
  man_options=$(zcat "$PREFIX/$man" 2>/dev/null | grep -o -- '\\-\\-[a-z][-a-z\\]*' | sed 's/\\-/-/g' | sort -u)
  [ -n "$help_options" ] && [ "$help_options" = "$man_options" ] ||
    fail "$program: --help names $(echo $help_options), the manual page $(echo $man_options)"
done

need_file share/doc/velquinlan/copyright
need_file share/doc/velquinlan/changelog.gz
need_file share/lintian/overrides/velquinlan

SAMPLE=share/velquinlan/classroom/data
for file in kyouzai/contents/index.html kyouzai/contents/option0-1.html prof/prof_quest.txt risk/adult.html \
            body_picture/smartphoneK.bmp prof/illustration/illustration00.jpg spam_Mail/spam_Mail.txt; do
  need_file "$SAMPLE/$file"
done
for folder in log mail_box mail_log mail_photo tmp_photo prof_html prof_edit prof_counter; do
  [ -d "$PREFIX/$SAMPLE/$folder" ] || fail "the sample lacks the folder $folder/, which the phone does not make"
done
leftovers=$(cd "$PREFIX/share/velquinlan/classroom" && find . -type f \( -name '.built' -o -name 'tmp*' -o -name 'log_*' -o -name '*Data.dat' \))
[ -z "$leftovers" ] || fail "the sample holds files of a station or of the build: $leftovers"

# An installed console makes a new classroom from the sample of its own prefix.
unset VELQUINLAN_CONTENT
if "$PREFIX/bin/velquinlan-teacher" --new-classroom "$PREFIX/新しいクラス" >/dev/null 2>"$PREFIX/new.err"; then
  [ -f "$PREFIX/新しいクラス/data/kyouzai/contents/index.html" ] || fail "the new classroom lacks the home page"
else
  fail "the installed console cannot make a new classroom: $(cat "$PREFIX/new.err")"
fi

if command -v appstreamcli >/dev/null; then
  for program in "${PROGRAMS[@]}"; do
    appstreamcli validate --no-net "$PREFIX/share/metainfo/${METAINFO[$program]}.metainfo.xml" >/dev/null ||
      fail "$(appstreamcli validate --no-net "$PREFIX/share/metainfo/${METAINFO[$program]}.metainfo.xml")"
  done
fi
if ! command -v desktop-file-validate >/dev/null; then
  [ "$FAILED" = 0 ] || exit 1
  echo "desktop-file-validate is missing (Debian: desktop-file-utils; tools/setup.sh installs it): entries not checked"
  exit 77
fi
for program in "${PROGRAMS[@]}"; do
  out=$(desktop-file-validate "$PREFIX/share/applications/$program.desktop" 2>&1) || fail "$program.desktop: $out"
done
# The README's ready-to-copy entry for the pupils' PCs is valid as printed.
README_ENTRY="$PREFIX/velquinlan-readme.desktop"
sed -n '/^      \[Desktop Entry\]$/,/^$/s/^      //p' "$SOURCE/README.md" >"$README_ENTRY"
grep -q '^Exec=velquinlan "' "$README_ENTRY" || fail "the README shows no desktop entry that starts the phone on a folder"
out=$(desktop-file-validate "$README_ENTRY" 2>&1) || fail "the README's desktop entry: $out"
[ "$FAILED" = 0 ] && echo "installed layout complete under a temporary prefix (${PROGRAMS[*]})"
exit "$FAILED"
