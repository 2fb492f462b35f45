#!/usr/bin/env bash
# Starts the phone on a virtual screen (Xvfb), lets it show its start page, optionally clicks through
# it, and saves PNG pictures of it.
#   bash tools/screenshot.sh [OUT.png] [STEP...]
# Steps, in the phone window's own coordinates (the window may have been dragged meanwhile):
#   "click X Y"          a click with the left button
#   "drag X Y DX DY"     press at X Y, move by DX DY, release
#   "scroll X Y N"       N turns of the mouse wheel down (up when N is negative)
#   "type TEXT"          typed into whatever has the keyboard (click into a field first)
#   "wait SECONDS"
#   "shot FILE.png"      a picture now (OUT.png is always taken at the end)
# Example: the phone dragged to the left, and the page scrolled down:
#   bash tools/screenshot.sh moved.png "drag 12 400 -300 40" "scroll 200 300 5"
set -euo pipefail
TOOLS="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
CALLER_DIR="$PWD"
OUT="$(realpath -m "${1:-phone.png}")"
shift || true
source "$TOOLS/setup.sh"
source "$TOOLS/virtual-screen.sh"

for tool in xdotool import; do
  if ! command -v "$tool" >/dev/null; then
    sudo=""; [ "$(id -u)" -ne 0 ] && sudo="sudo"
    $sudo apt-get install -y -qq --no-install-recommends xdotool imagemagick
    break
  fi
done

PHONE_PID=""
cleanup() {
  if [ -n "$PHONE_PID" ]; then kill "$PHONE_PID" 2>/dev/null || true; fi
  vq_stop_virtual_screen
}
trap cleanup EXIT
vq_start_virtual_screen

cd "$VQ_BUILD/classroom"
VELQUINLAN_STATION="${VELQUINLAN_STATION:-PC01}" "$VQ_BUILD/src/desktop/phone/velquinlan" >"${VQ_PHONE_LOG:-/dev/null}" 2>&1 &
PHONE_PID=$!

# The phone window's place on the screen as shell variables X, Y, WIDTH and HEIGHT, read anew each
# time: a drag moves the window, and Qt makes and drops helper windows of the same name at start.
# A search can fail while such a window goes away under it; it is then made again.
geometry() {
  local window shape tries
  for tries in $(seq 1 30); do
    for window in $(xdotool search --onlyvisible --name '^VelquinLAN$' 2>/dev/null); do
      shape=$(xdotool getwindowgeometry --shell "$window" 2>/dev/null) || continue
      grep -q '^WIDTH=401$' <<<"$shape" || continue
      echo "$shape"
      return 0
    done
    sleep 0.1
  done
  return 1
}

if ! geometry >/dev/null && ! geometry >/dev/null; then echo "The phone window did not appear." >&2; exit 1; fi
sleep 3 # the start page loads and paints

at() {
  eval "$(geometry)"
  echo $((X + $1)) $((Y + $2))
}

# The window with a margin of desktop around it, so that its see-through edges show.
shoot() {
  eval "$(geometry)"
  local left=$((X > 24 ? X - 24 : 0)) top=$((Y > 24 ? Y - 24 : 0))
  import -window root -crop "$((WIDTH + 48))x$((HEIGHT + 48))+$left+$top" +repage "$1"
  echo "saved $1"
}

for step in "$@"; do
  read -r verb a b c d <<<"$step"
  case "$verb" in
    click) xdotool mousemove $(at "$a" "$b") click 1 ;;
    drag) xdotool mousemove $(at "$a" "$b") mousedown 1 mousemove_relative -- "$c" "$d" mouseup 1 ;;
    scroll)
      xdotool mousemove $(at "$a" "$b")
      button=5; [ "$c" -lt 0 ] && button=4
      xdotool click --repeat "${c#-}" --delay 50 "$button" ;;
    wait) sleep "$a" ;;
    type) xdotool type --delay 40 -- "${step#type }" ;;
    shot) (cd "$CALLER_DIR" && shoot "$(realpath -m "$a")") ;;
    *) echo "unknown step: $step" >&2; exit 2 ;;
  esac
  sleep 0.5
done
shoot "$OUT"
