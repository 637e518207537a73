#!/usr/bin/env bash
# Installs what is missing, builds, and starts the game on its default data set.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/setup.sh
bash tools/build.sh
# The game reads everything from "Resources" under its working folder.
exec ./build/nonogram
