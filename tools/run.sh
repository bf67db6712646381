#!/usr/bin/env bash
# Installs, builds and starts the program on its default database.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/setup.sh
exec build/bin/tonnel
