#!/usr/bin/env bash
# Installs what the build and the tests need (Debian 12, as root), then
# configures and builds into build/.
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(
  g++ cmake ninja-build ccache pkg-config
  qt6-base-dev libqt6sql6-sqlite libqt6sql6-odbc libgl-dev
  libsqlite3-dev sqlite3 unixodbc unixodbc-dev odbcinst libsqliteodbc
  libgtest-dev libgmock-dev
  libgcab-dev gcab cabextract
  xvfb xauth fonts-dejavu-core
)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
  echo "Installation de : ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build
