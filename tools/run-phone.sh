#!/usr/bin/env bash
# Installs what is missing, builds the program and the sample classroom folder, and starts the phone.
#   bash tools/run-phone.sh        one phone (station name: the computer's name)
#   bash tools/run-phone.sh 3      three phones, PC01 to PC03, on one shared classroom folder
# Without a display (DISPLAY unset) the phones run on a virtual screen started with Xvfb; the script
# says how to look at it.
# With QTWEBENGINE_REMOTE_DEBUGGING=PORT set, phone 1 can be driven through PORT, phone 2 through PORT+1,
# and so on (a developer's tool: the engine's debugging protocol reaches the pages).
set -euo pipefail
TOOLS="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
source "$TOOLS/setup.sh"
source "$TOOLS/virtual-screen.sh"

STATIONS="${1:-}"
if [ -n "$STATIONS" ] && ! [[ "$STATIONS" =~ ^[1-9][0-9]?$ ]]; then
  echo "usage: bash tools/run-phone.sh [NUMBER-OF-PHONES (1 to 99)]" >&2
  exit 2
fi
CLASSROOM="$VQ_BUILD/classroom"
PHONE="$VQ_BUILD/src/desktop/phone/velquinlan"
if [ ! -x "$PHONE" ]; then
  echo "The desktop phone was not built (Qt 6 WebEngine missing?). See the build output above." >&2
  exit 1
fi

PIDS=()
stop_all() {
  local pid
  for pid in "${PIDS[@]}"; do kill "$pid" 2>/dev/null || true; done
  vq_stop_virtual_screen
}
trap stop_all EXIT
trap 'exit 130' INT TERM

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  vq_start_virtual_screen
  echo "No display here: the phone runs on the virtual screen $DISPLAY (Xvfb)."
  echo "  To see it:   DISPLAY=$DISPLAY import -window root phone.png   (or: bash tools/screenshot.sh)"
  echo "  To watch it from a desktop, run this script there instead, or use a VNC server on $DISPLAY."
fi

# Every phone opens at the same place on the screen; on one computer they are laid side by side
# instead (wrapping round when the screen is full), so that a teacher trying them sees them all.
spread_phone() {
  local pid=$1 i=$2 window width slots
  command -v xdotool >/dev/null || return 0
  window=$(timeout 30 xdotool search --sync --onlyvisible --pid "$pid" 2>/dev/null | head -n 1) || return 0
  [ -n "$window" ] || return 0
  width=$(xdotool getdisplaygeometry | cut -d' ' -f1)
  slots=$(( width / 405 )); [ "$slots" -ge 1 ] || slots=1
  xdotool windowmove "$window" $(( (i - 1) % slots * 405 + (i - 1) / slots * 30 )) $(( (i - 1) / slots * 30 ))
}

cd "$CLASSROOM"
if [ -z "$STATIONS" ]; then
  "$PHONE" &
  PIDS+=($!)
else
  for i in $(seq 1 "$STATIONS"); do
    station=$(printf 'PC%02d' "$i")
    debugging=${QTWEBENGINE_REMOTE_DEBUGGING:+$(( QTWEBENGINE_REMOTE_DEBUGGING + i - 1 ))}
    QTWEBENGINE_REMOTE_DEBUGGING="$debugging" VELQUINLAN_STATION="$station" "$PHONE" &
    PIDS+=($!)
    spread_phone "$!" "$i"
  done
  echo "$STATIONS phones (PC01 to $(printf 'PC%02d' "$STATIONS")) on $CLASSROOM; drag them by their bodies."
fi
echo "Close a phone with its 電源 key; Ctrl+C here closes all of them."
wait
