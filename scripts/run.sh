#!/usr/bin/env bash
# Installs what is missing, builds, and starts Vokabit. Arguments are passed
# to the program (for example a list file to open).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh -DVOKABIT_BUILD_TESTS=OFF
build=${VOKABIT_BUILD_DIR:-build}
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "No display found: starting Vokabit under Xvfb." >&2
  exec xvfb-run -a "$build/bin/vokabit" "$@"
fi
exec "$build/bin/vokabit" "$@"
