#!/usr/bin/env bash
# Builds the Debian package of the phone and the teacher's console (with the sample classroom) and
# prints its path:
#   bash tools/package.sh          ->  build/velquinlan_<version>_<arch>.deb
# Install it on a school PC with:  apt-get install ./velquinlan_<version>_<arch>.deb
set -euo pipefail
# The build's progress goes to standard error: standard output is the path alone.
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh" >&2
cd "$VQ_BUILD"
if ! cpack -G DEB >cpack.log 2>&1; then
  cat cpack.log >&2
  echo "The package could not be built; cpack's output is above (and in $VQ_BUILD/cpack.log)." >&2
  exit 1
fi
sed -n 's/^CPack: - package: \(.*\.deb\) generated\.$/\1/p' cpack.log
