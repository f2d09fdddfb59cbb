#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the demo need, when some are missing
# (clang and its runtime libraries build the fuzz targets; dpkg-dev's dpkg-shlibdeps gives
# the package the library versions its programs need).
set -euo pipefail
packages=(g++ make cmake pkg-config libsqlite3-dev libpq-dev postgresql nlohmann-json3-dev libgtest-dev
          libbenchmark-dev qt6-base-dev qt6-translations-l10n fonts-liberation fonts-dejavu-core poppler-utils clang libclang-rt-14-dev
          ccache sqlite3 dpkg-dev file)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "setup: installing ${missing[*]}"
  sudo=""; [ "$(id -u)" -ne 0 ] && sudo=sudo
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
