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
mkdir "$share_side"
cleanup() {
  if [ "${KEEP:-0}" = 1 ]; then
    echo "kept: $local_side $share_side"
  else
    rm -rf "$local_side" "$share_side"
  fi
}
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

# Runs one script in a fresh copy of the sample classroom; its output and exit status go beside it.
run_demo() {
  local side=$1 script=$2 name
  name=$(basename "$script" .vqs)
  rm -rf "${side:?}/$name"
  copy_tree "$sample" "$side/$name"
  local status=0
  (cd "$side/$name" && "$vqsim" "$script" >"$side/$name.out" 2>&1) || status=$?
  echo "exit status $status" >>"$side/$name.out"
}

failed=0
for script in "$VQ_SOURCE"/tools/demo/*.vqs; do
  name=$(basename "$script" .vqs)
  run_demo "$local_side" "$script"
  run_demo "$share_side" "$script"
  verdict="same"
  if ! cmp -s "$local_side/$name.out" "$share_side/$name.out"; then
    verdict="DIFFERENT output"
  elif ! diff -rq "$local_side/$name" "$share_side/$name" >/dev/null 2>&1; then
    verdict="DIFFERENT data"
  fi
  printf '%-24s %s\n' "$name" "$verdict"
  if [ "$verdict" != same ]; then
    failed=1
    diff -u --label "local $name" --label "share $name" "$local_side/$name.out" "$share_side/$name.out" | head -40 || true
    diff -rq "$local_side/$name" "$share_side/$name" 2>&1 | head -20 || true
  fi
done
exit "$failed"
