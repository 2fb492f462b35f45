#!/usr/bin/env bash
# A real SMB share with school-LAN latency on this one machine, to measure the phone on.
#
#   tools/share-rig.sh up [--delay-us N | --no-delay] [--clients N]   (as root)
#   tools/share-rig.sh status
#   tools/share-rig.sh down
#
# up: a Samba server in its own network namespace exports one share; the delay line (vqdelayline)
# forwards every packet between that namespace and this one after N microseconds each way (default
# 550, a round trip of 1.1 ms; --no-delay forwards at once); two smbnetfs FUSE mounts of the share
# (--clients N for more, up to 40), each its own SMB client as a pupil's PC would be, and the script
# prints their folders.
# Nothing leaves this machine: the server's namespace has no other link, and the clients only know
# the server's address. down stops and removes all of it, the share's files included.
#
# Why a user-space delay line: this kernel has no netem (nor fq) queue discipline, but TUN devices
# work. smbd ignores point-to-point interfaces, so the server's address also lies on the namespace's lo.
set -euo pipefail

VQ_SOURCE="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
VQ_BUILD="${VQ_BUILD:-$VQ_SOURCE/build}"

RIG="${VQ_RIG_DIR:-/run/velquinlan-rig}"
NETNS=velquinlan-rig
CLIENT_TUN=vqrig0   # in this namespace
SERVER_TUN=vqrig1   # in the server's
CLIENT_ADDR=10.213.13.1
SERVER_ADDR=10.213.13.2
SHARE=classroom
SMB_USER=root

# The clients of a rig that is up, as many as it was made with (two by default).
CLIENTS=()
set_clients() {
  local n
  CLIENTS=()
  for ((n = 1; n <= $1; n++)); do CLIENTS+=("$n"); done
}
set_clients "$(cat "$RIG/clients" 2>/dev/null || echo 2)"

usage() {
  sed -n '4,6p' "${BASH_SOURCE[0]}" | sed 's/^# *//' >&2
  exit 2
}

say() { echo "share-rig: $*"; }
fail() { echo "share-rig: $*" >&2; exit 1; }

need_root() { [ "$(id -u)" -eq 0 ] || fail "run as root (it makes a network namespace, devices and mounts)"; }

alive() { [ -n "${1:-}" ] && kill -0 "$1" 2>/dev/null; }

pid_of() { cat "$RIG/$1.pid" 2>/dev/null || true; }

share_folder() { echo "$RIG/mnt$1/$SERVER_ADDR/$SHARE"; }

install_missing() {
  local missing=() p
  for p in samba smbnetfs iputils-ping; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  say "installing ${missing[*]}"
  apt-get update -qq
  DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
  # The package starts a Samba server for the whole machine where systemd runs; the rig needs only
  # its own, and a share reachable from the school network is not what anyone asked for.
  if [[ " ${missing[*]} " == *" samba "* ]] && command -v systemctl >/dev/null && [ -d /run/systemd/system ]; then
    systemctl disable --now smbd nmbd samba-ad-dc 2>/dev/null || true
  fi
}

delay_line_program() {
  if [ ! -f "$VQ_BUILD/CMakeCache.txt" ]; then
    cmake -S "$VQ_SOURCE" -B "$VQ_BUILD" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
  fi
  cmake --build "$VQ_BUILD" --target vqdelayline >/dev/null
  echo "$VQ_BUILD/tools/vqdelayline"
}

# Waits up to $1 tenths of a second for the command after it to succeed.
wait_for() {
  local tenths=$1
  shift
  for ((i = 0; i < tenths; i++)); do
    "$@" >/dev/null 2>&1 && return 0
    sleep 0.1
  done
  return 1
}

make_network() {
  ip netns add "$NETNS"
  ip -n "$NETNS" link set lo up
  ip -n "$NETNS" addr add "$SERVER_ADDR/32" dev lo
  ip netns exec "$NETNS" ip tuntap add dev "$SERVER_TUN" mode tun
  ip -n "$NETNS" link set "$SERVER_TUN" up
  ip -n "$NETNS" route add "$CLIENT_ADDR/32" dev "$SERVER_TUN" src "$SERVER_ADDR"
  ip tuntap add dev "$CLIENT_TUN" mode tun
  ip addr add "$CLIENT_ADDR" peer "$SERVER_ADDR/32" dev "$CLIENT_TUN"
  ip link set "$CLIENT_TUN" up
}

start_delay_line() {
  local program delay=$1
  program=$(delay_line_program)
  "$program" --delay-us "$delay" "$CLIENT_TUN" --netns "$NETNS" "$SERVER_TUN" </dev/null >/dev/null 2>"$RIG/delayline.log" &
  echo $! >"$RIG/delayline.pid"
  echo "$delay" >"$RIG/delay-us"
  wait_for 50 grep -q forwarding "$RIG/delayline.log" || fail "the delay line did not start: $(cat "$RIG/delayline.log")"
}

write_server_config() {
  local s="$RIG/server"
  mkdir -p "$s"/{private,lock,state,cache,run,ncalrpc,binddns} "$RIG/share"
  cat >"$s/smb.conf" <<EOF
[global]
  server role = standalone server
  workgroup = VELQUIN
  netbios name = VQRIG
  disable netbios = yes
  smb ports = 445
  server min protocol = SMB2_10
  security = user
  passdb backend = tdbsam:$s/private/passdb.tdb
  private dir = $s/private
  lock directory = $s/lock
  state directory = $s/state
  cache directory = $s/cache
  pid directory = $s/run
  ncalrpc dir = $s/ncalrpc
  binddns dir = $s/binddns
  usershare path =
  log file = $s/log.%m
  max log size = 1000
  load printers = no
  printing = bsd
  printcap name = /dev/null
  disable spoolss = yes
  unix charset = UTF-8

[$SHARE]
  path = $RIG/share
  read only = no
  valid users = $SMB_USER
  create mask = 0664
  directory mask = 0775
EOF
}

server_listens() { ip netns exec "$NETNS" ss -Htln "sport = :445" | grep -q .; }

start_server() {
  local password
  password=$(head -c 18 /dev/urandom | base64 | tr -d '/+=')
  printf '%s\n%s\n' "$password" "$password" | smbpasswd -c "$RIG/server/smb.conf" -s -a "$SMB_USER" >/dev/null
  echo "$password" >"$RIG/server/password"
  # In its own process group (smbd's default): on SIGTERM it signals its whole group, which must not
  # be the group of whoever runs this script.
  ip netns exec "$NETNS" smbd --foreground -s "$RIG/server/smb.conf" \
    </dev/null >"$RIG/server/smbd.out" 2>&1 &
  echo $! >"$RIG/smbd.pid"
  wait_for 100 server_listens || fail "smbd does not listen: $(tail -5 "$RIG/server/smbd.out")"
}

# One SMB client: smbnetfs with its own home folder (its configuration, libsmbclient's state) and
# its own connection to the server.
start_client() {
  local n=$1 home="$RIG/client$1" password
  password=$(cat "$RIG/server/password")
  mkdir -p "$home/.smb" "$home"/{cache,lock,state,private} "$RIG/mnt$n"
  cat >"$home/.smb/smb.conf" <<EOF
[global]
  workgroup = VELQUIN
  disable netbios = yes
  client min protocol = SMB2_10
  name resolve order = host
  cache directory = $home/cache
  lock directory = $home/lock
  state directory = $home/state
  private dir = $home/private
  unix charset = UTF-8
EOF
  # Only the configured host, no browsing of the network around this machine.
  cat >"$home/.smb/smbnetfs.conf" <<EOF
smb_query_browsers "false"
local_charset "UTF-8"
samba_charset "UTF-8"
auth "$SERVER_ADDR" "$SMB_USER" "$password"
host "$SERVER_ADDR" visible=true
EOF
  chmod 600 "$home/.smb/smbnetfs.conf"
  HOME="$home" smbnetfs "$RIG/mnt$n" -f -o big_writes,log_file="$home/smbnetfs.log" </dev/null >"$home/smbnetfs.out" 2>&1 &
  echo $! >"$RIG/client$n.pid"
  wait_for 200 test -d "$(share_folder "$n")" || fail "mount $n does not show the share: $(tail -5 "$home/smbnetfs.out")"
}

# A rig half made is no use and would block the next up.
undo_failed_up() {
  local status=$?
  [ "$status" -eq 0 ] && return
  echo "share-rig: up failed, taking down what it had made" >&2
  down >/dev/null 2>&1 || true
  exit "$status"
}

rig_is_up() { [ -e "/run/netns/$NETNS" ] || [ -d "$RIG" ]; }

up() {
  local delay=550 clients=2
  while [ $# -gt 0 ]; do
    case "$1" in
      --delay-us)
        [ $# -ge 2 ] && [[ "$2" =~ ^[0-9]+$ ]] || usage
        delay=$2
        shift 2
        ;;
      --no-delay) delay=0; shift ;;
      --clients)
        [ $# -ge 2 ] && [[ "$2" =~ ^[0-9]+$ ]] && [ "$2" -ge 1 ] && [ "$2" -le 40 ] || usage
        clients=$2
        shift 2
        ;;
      *) usage ;;
    esac
  done
  need_root
  rig_is_up && fail "the rig is already up (tools/share-rig.sh down first, e.g. to change the delay)"
  install_missing
  mkdir -p "$RIG"
  echo "$clients" >"$RIG/clients"
  set_clients "$clients"
  trap undo_failed_up EXIT
  make_network
  start_delay_line "$delay"
  write_server_config
  start_server
  local n
  for n in "${CLIENTS[@]}"; do start_client "$n"; done
  trap - EXIT
  say "up: Samba in namespace $NETNS at $SERVER_ADDR, $delay µs each way"
  for n in "${CLIENTS[@]}"; do echo "$(share_folder "$n")"; done
}

# Stops the process whose id the rig noted, waiting a moment for it to go.
stop_pid() {
  local pid=$1
  alive "$pid" || return 0
  kill "$pid" 2>/dev/null || true
  wait_for 30 bash -c "! kill -0 $pid" || kill -KILL "$pid" 2>/dev/null || true
}

down() {
  need_root
  local n pid
  for n in "${CLIENTS[@]}"; do
    if mountpoint -q "$RIG/mnt$n" 2>/dev/null; then
      umount "$RIG/mnt$n" 2>/dev/null || umount -l "$RIG/mnt$n"
    fi
    stop_pid "$(pid_of "client$n")"
  done
  stop_pid "$(pid_of delayline)"
  stop_pid "$(pid_of smbd)"
  if [ -e "/run/netns/$NETNS" ]; then
    # smbd's helpers, and anything else started inside the server's namespace by the rig.
    for pid in $(ip netns pids "$NETNS"); do stop_pid "$pid"; done
    ip -n "$NETNS" link del "$SERVER_TUN" 2>/dev/null || true
    ip netns del "$NETNS"
  fi
  ip link show "$CLIENT_TUN" >/dev/null 2>&1 && ip link del "$CLIENT_TUN"
  rm -rf "$RIG"
  say "down"
}

status() {
  if ! rig_is_up; then
    say "down"
    return 0
  fi
  local n pid
  say "namespace $NETNS: $([ -e "/run/netns/$NETNS" ] && echo present || echo missing)"
  pid=$(pid_of delayline)
  if alive "$pid"; then
    say "delay line: running (pid $pid), $(cat "$RIG/delay-us") µs each way"
  else
    say "delay line: NOT running"
  fi
  pid=$(pid_of smbd)
  if alive "$pid"; then
    say "Samba: running (pid $pid), share //$SERVER_ADDR/$SHARE = $RIG/share"
  else
    say "Samba: NOT running"
  fi
  for n in "${CLIENTS[@]}"; do
    pid=$(pid_of "client$n")
    if alive "$pid" && mountpoint -q "$RIG/mnt$n"; then
      say "client $n: smbnetfs (pid $pid) mounted, share at $(share_folder "$n")"
    else
      say "client $n: NOT mounted"
    fi
  done
  if command -v ping >/dev/null && [ -e "/run/netns/$NETNS" ]; then
    local rtt
    rtt=$(ping -q -c 5 -i 0.2 -W 1 "$SERVER_ADDR" 2>/dev/null | grep rtt || true)
    say "round trip: ${rtt:-no answer from $SERVER_ADDR}"
  fi
}

case "${1:-}" in
  up) shift; up "$@" ;;
  down) down ;;
  status) status ;;
  *) usage ;;
esac
