#!/usr/bin/env bash
# The programs as a school starts them, offscreen: the command lines, each program on the classroom
# folder given as its argument (printing nothing), and each in a folder without data/, where it waits
# on its first screen and touches nothing.
#   program-start.sh PHONE TEACHER SAMPLE-CLASSROOM
set -uo pipefail
PHONE=$1
TEACHER=$2
SAMPLE=$3
WORK=$(mktemp -d)
PIDS=()
cleanup() {
  local pid
  for pid in "${PIDS[@]}"; do kill "$pid" 2>/dev/null; wait "$pid" 2>/dev/null; done
  rm -rf "$WORK"
}
trap cleanup EXIT
FAILED=0
fail() { echo "FAIL: $*"; FAILED=1; }
export QT_QPA_PLATFORM=offscreen
export QTWEBENGINE_CHROMIUM_FLAGS="${QTWEBENGINE_CHROMIUM_FLAGS:---no-sandbox --disable-gpu}"
# As on a desktop session, where the runtime folder is set (Qt warns of it otherwise, as a real problem).
export XDG_RUNTIME_DIR="$WORK/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"
export HOME="$WORK/home"
mkdir "$HOME"
unset VELQUINLAN_DEBUG VELQUINLAN_CAMERA

# The command line of a program: exit status, standard output and standard error.
run() {
  "$@" >"$WORK/out" 2>"$WORK/err"
  echo $?
}
for program in "$PHONE" "$TEACHER"; do
  name=$(basename "$program")
  [ "$(run "$program" --version)" = 0 ] && grep -q "^$name [0-9]" "$WORK/out" && [ ! -s "$WORK/err" ] ||
    fail "$name --version: $(cat "$WORK/out" "$WORK/err")"
  [ "$(run "$program" --help)" = 0 ] && grep -q "$name" "$WORK/out" && [ ! -s "$WORK/err" ] ||
    fail "$name --help: $(cat "$WORK/out" "$WORK/err")"
done
for program in "$PHONE" "$TEACHER"; do
  name=$(basename "$program")
  [ "$(run "$program" --no-such-option)" = 2 ] && grep -q -- "--no-such-option" "$WORK/err" ||
    fail "$name: an unknown option is not refused"
  [ "$(run "$program" one two)" = 2 ] && grep -q "だけ" "$WORK/err" || fail "$name: two classroom folders are not refused"
done

# Waits until the file exists, at most 30 seconds.
await() {
  local tries
  for tries in $(seq 1 300); do [ -e "$1" ] && return 0; sleep 0.1; done
  return 1
}

# The phone on a copy of the sample, given as its argument from another folder: the station's files
# appear in the copy, and a start prints nothing at all.
cp -r "$SAMPLE" "$WORK/クラス"
mkdir "$WORK/elsewhere"
(cd "$WORK/elsewhere" && VELQUINLAN_STATION=PC09 exec "$PHONE" "$WORK/クラス") >"$WORK/phone.out" 2>"$WORK/phone.err" &
PIDS+=($!)
if await "$WORK/クラス/data/mail_box/log_PC09.dat"; then
  sleep 4 # the start page loads, with its script and style sheet
  kill -0 "${PIDS[-1]}" 2>/dev/null || fail "the phone ended by itself"
  [ -s "$WORK/phone.err" ] && fail "the phone's start printed on standard error:"$'\n'"$(cat "$WORK/phone.err")"
  [ -s "$WORK/phone.out" ] && fail "the phone's start printed on standard output:"$'\n'"$(cat "$WORK/phone.out")"
  [ -z "$(ls -A "$WORK/elsewhere")" ] || fail "the phone wrote into the folder it was started in"
else
  fail "the phone did not start on the classroom folder it was given: $(cat "$WORK/phone.err")"
fi

# From the desktop menu, in the home folder without data/: the first screen waits, nothing is copied.
(cd "$HOME" && VELQUINLAN_STATION=PC10 exec "$PHONE") >"$WORK/first.out" 2>"$WORK/first.err" &
PIDS+=($!)
sleep 3
kill -0 "${PIDS[-1]}" 2>/dev/null || fail "the phone without data/ ended instead of showing its first screen"
[ -s "$WORK/first.err" ] && fail "the first screen printed on standard error: $(cat "$WORK/first.err")"
[ ! -e "$HOME/VelquinLAN" ] || fail "the sample was copied before the pupil asked for it"
[ ! -e "$HOME/data" ] || fail "a data folder was made in the home folder"

# The console on another copy, given as its argument: it prints nothing and, not being a station,
# writes nothing into the classroom folder.
cp -r "$SAMPLE" "$WORK/先生のクラス"
(cd "$WORK/先生のクラス" && find . | sort) >"$WORK/before"
(cd "$WORK/elsewhere" && exec "$TEACHER" "$WORK/先生のクラス") >"$WORK/teacher.out" 2>"$WORK/teacher.err" &
PIDS+=($!)
sleep 4
kill -0 "${PIDS[-1]}" 2>/dev/null || fail "the console ended by itself: $(cat "$WORK/teacher.err")"
[ -s "$WORK/teacher.err" ] && fail "the console's start printed on standard error:"$'\n'"$(cat "$WORK/teacher.err")"
[ -s "$WORK/teacher.out" ] && fail "the console's start printed on standard output:"$'\n'"$(cat "$WORK/teacher.out")"
(cd "$WORK/先生のクラス" && find . | sort) | cmp -s - "$WORK/before" || fail "the console wrote into the classroom folder"
[ -z "$(ls -A "$WORK/elsewhere")" ] || fail "the console wrote into the folder it was started in"

# The console from the menu, and on a folder of the share that is not there: its first screen waits,
# quietly, and makes nothing.
for folder in "" "$WORK/share/3年1組"; do
  (cd "$HOME" && exec "$TEACHER" ${folder:+"$folder"}) >"$WORK/first.out" 2>"$WORK/first.err" &
  PIDS+=($!)
  sleep 3
  kill -0 "${PIDS[-1]}" 2>/dev/null || fail "the console without data/ ${folder:+in $folder }ended instead of showing its first screen"
  [ -s "$WORK/first.err" ] || [ -s "$WORK/first.out" ] && fail "the console's first screen printed: $(cat "$WORK/first.out" "$WORK/first.err")"
done
[ ! -e "$HOME/VelquinLAN" ] && [ ! -e "$HOME/data" ] && [ ! -e "$WORK/share" ] || fail "the console's first screen made folders"

# Started in a folder that is gone (a share that dropped out under an open terminal): each waits on
# its first screen instead of ending.
mkdir "$WORK/gone1" "$WORK/gone2"
(cd "$WORK/gone1" && rmdir "$WORK/gone1" && exec "$PHONE") >"$WORK/gone-phone.out" 2>&1 &
PIDS+=($!)
(cd "$WORK/gone2" && rmdir "$WORK/gone2" && exec "$TEACHER") >"$WORK/gone-teacher.out" 2>&1 &
PIDS+=($!)
sleep 3
kill -0 "${PIDS[-2]}" 2>/dev/null || fail "the phone in a folder that is gone ended: $(cat "$WORK/gone-phone.out")"
kill -0 "${PIDS[-1]}" 2>/dev/null || fail "the console in a folder that is gone ended: $(cat "$WORK/gone-teacher.out")"

# VELQUINLAN_DEBUG=1 brings the engine's and Qt's detail back.
(cd "$HOME" && VELQUINLAN_DEBUG=1 exec "$PHONE" "$WORK/クラス") >/dev/null 2>"$WORK/debug.err" &
PIDS+=($!)
sleep 4
[ -s "$WORK/debug.err" ] || fail "VELQUINLAN_DEBUG=1 printed nothing"

[ "$FAILED" = 0 ] && echo "both programs' command lines, classroom arguments, quiet starts and first screens work"
exit "$FAILED"
