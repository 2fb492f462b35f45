#!/usr/bin/env bash
# Sourced by run-phone.sh and screenshot.sh: a virtual screen (Xvfb) for machines without a display.

# Starts Xvfb on the first free display number, exports DISPLAY and stops the server when the calling
# script ends. The screen is large enough for several phones side by side.
vq_start_virtual_screen() {
  # Xvfb picks a free display number itself and writes it out once it takes connections.
  local ready tries
  ready=$(mktemp)
  # A white desktop (-wr), so that what the phone lets show through is seen as such.
  Xvfb -displayfd 3 -wr -screen 0 1600x900x24 -nolisten tcp 3>"$ready" >/dev/null 2>&1 &
  VQ_XVFB_PID=$!
  for tries in $(seq 1 100); do
    [ -s "$ready" ] && break
    sleep 0.1
  done
  if [ ! -s "$ready" ]; then
    rm -f "$ready"
    echo "Xvfb did not start." >&2
    return 1
  fi
  export DISPLAY=":$(head -n 1 "$ready")"
  rm -f "$ready"
}

vq_stop_virtual_screen() {
  if [ -n "${VQ_XVFB_PID:-}" ]; then kill "$VQ_XVFB_PID" 2>/dev/null || true; fi
}

# The Chromium inside Qt WebEngine runs as root only without its sandbox, and without a GPU only
# without GPU rendering; neither costs anything on a classroom PC.
export QTWEBENGINE_CHROMIUM_FLAGS="${QTWEBENGINE_CHROMIUM_FLAGS:---no-sandbox --disable-gpu}"
