#!/usr/bin/env bash
# Installs, with apt-get, whatever Debian packages the build, the program and
# the tests need and are missing. Run as root on Debian 12.
set -euo pipefail

packages=(
  build-essential cmake pkg-config
  qt6-base-dev qt6-base-dev-tools libgl-dev
  zlib1g-dev libhunspell-dev libmythes-dev libsqlite3-dev hunspell-tools nlohmann-json3-dev libexpat1-dev
  qt6-svg-dev poppler-utils qt6-translations-l10n
  hunspell-it mythes-it witalian iso-codes unicode-cldr-core dict-freedict-eng-ita
  libgtest-dev libgmock-dev libbenchmark-dev
  fonts-liberation xvfb xauth an
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
# The npm client fetches the data packages of the word facts at set-up.
# Debian's npm conflicts with a Node.js installed from elsewhere, which
# brings its own client: install it only when there is none.
command -v npm >/dev/null || missing+=(npm)
if ((${#missing[@]})); then
  echo "Installing: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update
  apt-get install -y --no-install-recommends "${missing[@]}"
fi
