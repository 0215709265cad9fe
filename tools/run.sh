#!/usr/bin/env bash
# Builds the program and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/build.sh
exec "${BUILD_DIR:-build}/src/app/vazozez" "$@"
