#!/usr/bin/env bash
# Installs what is missing, builds, and starts the workstation on the bundled
# sample project (or on the project given with --project DIR).
set -euo pipefail
cd "$(dirname "$0")"
./scripts/install-deps.sh
cmake --preset default >/dev/null
cmake --build --preset default
exec ./build/apps/workstation/tarnwick-workstation "$@"
