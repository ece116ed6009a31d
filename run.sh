#!/usr/bin/env bash
# Installs what is missing, builds, and starts the workstation on the bundled
# sample project (or on the project given with --project DIR).
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"

# Build in the source folder, but start the workstation from the caller's
# folder so that relative --project and --screenshot paths mean what they say.
(
  cd "$here"
  ./scripts/install-deps.sh
  cmake --preset default >/dev/null
  cmake --build --preset default
)

# A screenshot needs no screen: without a display, draw offscreen.
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
  for arg in "$@"; do
    case "$arg" in
      --screenshot|--screenshot=*) export QT_QPA_PLATFORM=offscreen ;;
    esac
  done
fi

exec "$here/build/bin/tarnwick-workstation" "$@"
