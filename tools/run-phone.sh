#!/usr/bin/env bash
# Installs what is missing, builds the program and the sample classroom folder, and starts it there.
#   bash tools/run-phone.sh        one phone
#   bash tools/run-phone.sh 3      three phones, PC01 to PC03, on one shared classroom folder
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"
STATIONS="${1:-1}"
CLASSROOM="$VQ_BUILD/classroom"

# Until the desktop phone lands, the phone runs headless through the demo scenario.
cd "$CLASSROOM"
"$VQ_BUILD/tools/vqsim" "$VQ_SOURCE/tools/demo/charge-demo.vqs"
