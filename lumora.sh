#!/bin/sh
# The README's two commands on a machine that may not even have make yet:
#   ./lumora.sh run    installs what is missing, builds, and starts the game
#   ./lumora.sh test   installs what is missing, builds, and runs every test
# Any other make target works too (./lumora.sh bench).
set -eu
cd "$(dirname "$0")"
./tools/install-deps.sh
[ $# -gt 0 ] || set -- run
exec make "$@"
