#!/usr/bin/env bash
# Runs every demo script of tools/demo with vqsim on two copies of the sample classroom, one on local
# disk and one inside MOUNT (a folder of a share, e.g. one printed by tools/share-rig.sh up), and
# compares what vqsim prints byte for byte, and the data folders the demos leave behind.
#
#   tools/demos-on-share.sh MOUNT
#
# Exits with 0 when every demo gives the same on the share as on local disk. The copies are removed
# at the end; KEEP=1 keeps them and says where they are.
set -euo pipefail

VQ_SOURCE="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
VQ_BUILD="${VQ_BUILD:-$VQ_SOURCE/build}"

[ $# -eq 1 ] && [ -d "$1" ] || { echo "usage: tools/demos-on-share.sh MOUNT (an existing folder)" >&2; exit 2; }
share_parent=$1

cmake --build "$VQ_BUILD" --target vqsim classroom >/dev/null
vqsim="$VQ_BUILD/tools/vqsim"
sample="$VQ_BUILD/classroom"

local_side=$(mktemp -d "${TMPDIR:-/tmp}/demos-local.XXXXXX")
share_side="$share_parent/demos-on-share.$$"
outputs=$(mktemp -d "${TMPDIR:-/tmp}/demos-outputs.XXXXXX")
# After a failed operation smbnetfs answers EIO on that mount for a few seconds; wait that out so that
# one demo's failure does not spill into the next one's copy.
wait_for_share() {
  for _ in $(seq 100); do
    ls "$share_parent" >/dev/null 2>&1 && return 0
    sleep 0.1
  done
  return 1
}
cleanup() {
  wait_for_share || true
  if [ "${KEEP:-0}" = 1 ]; then
    echo "kept: $local_side $share_side $outputs"
  else
    rm -rf "$local_side" "$share_side" "$outputs"
  fi
}
wait_for_share
mkdir "$share_side"
trap cleanup EXIT

# Copies a folder tree file by file. Each file is opened read-write (the shell's <>), not write-only as
# cp and tar open it: smbnetfs refuses a write-only open with EIO, and the copy must not fail before
# the demos have even run. The target folder is new, so nothing needs truncating.
copy_tree() {
  local from=$1 to=$2 path
  mkdir -p "$to"
  (cd "$from" && find . -type d -print0) | while IFS= read -r -d '' path; do mkdir -p "$to/$path"; done
  (cd "$from" && find . -type f -print0) | while IFS= read -r -d '' path; do cat "$from/$path" 1<>"$to/$path"; done
}

# Runs one script in a fresh copy of the sample classroom inside side; its output and exit status go
# to the local file out.
run_demo() {
  local side=$1 script=$2 out=$3 name status=0
  name=$(basename "$script" .vqs)
  wait_for_share
  if ! copy_tree "$sample" "$side/$name" 2>"$out"; then
    echo "the sample classroom could not be copied" >>"$out"
    return
  fi
  (cd "$side/$name" && "$vqsim" "$script" >"$out" 2>&1) || status=$?
  echo "exit status $status" >>"$out"
}

# The files that differ between the two data folders once each side's own folder name is taken out:
# stored pages hold the absolute address of their pictures. The stations' profile index is left out:
# it records the folders' last-write times and a random generation, which differ from run to run; the
# pages that come from it are in the output.
data_differences() {
  local a=$1 b=$2 line fa fb
  LC_ALL=C diff -rq -x prof_index.log "$a" "$b" 2>&1 | while IFS= read -r line; do
    if [[ "$line" =~ ^Files\ (.*)\ and\ (.*)\ differ$ ]]; then
      fa=${BASH_REMATCH[1]}
      fb=${BASH_REMATCH[2]}
      cmp -s <(LC_ALL=C sed "s|$a|@CLASSROOM@|g" "$fa") <(LC_ALL=C sed "s|$b|@CLASSROOM@|g" "$fb") && continue
    fi
    echo "$line"
  done || true
}

failed=0
for script in "$VQ_SOURCE"/tools/demo/*.vqs; do
  name=$(basename "$script" .vqs)
  run_demo "$local_side" "$script" "$outputs/$name.local"
  run_demo "$share_side" "$script" "$outputs/$name.share"
  verdict="same"
  if ! cmp -s "$outputs/$name.local" "$outputs/$name.share"; then
    verdict="DIFFERENT output"
  else
    differences=$(data_differences "$local_side/$name" "$share_side/$name")
    if [ -n "$differences" ]; then verdict="DIFFERENT data"; fi
  fi
  printf '%-24s %s\n' "$name" "$verdict"
  if [ "$verdict" != same ]; then
    failed=1
    diff -u --label "local $name" --label "share $name" "$outputs/$name.local" "$outputs/$name.share" | head -40 || true
    data_differences "$local_side/$name" "$share_side/$name" | head -20 || true
  fi
done
exit "$failed"
