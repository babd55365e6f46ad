#!/usr/bin/env bash
# Builds the Debian package: build/deb/orvella_<version>_<arch>.deb, to be
# installed with 'apt-get install ./orvella_*.deb'. Its library dependencies
# are computed by dpkg-shlibdeps.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/deps.sh
ensure_packages "${BUILD_PACKAGES[@]}" "${DEB_PACKAGES[@]}"

cmake -S . -B build/deb -G Ninja -DCMAKE_BUILD_TYPE=Release -DORVELLA_BUILD_TESTS=OFF -DORVELLA_BUILD_BENCH=OFF \
  -DCMAKE_INSTALL_PREFIX=/usr
cmake --build build/deb -j"${DEB_JOBS:-$(nproc)}"
rm -f build/deb/orvella_*.deb
(cd build/deb && cpack -G DEB >/dev/null)
deb=$(ls build/deb/orvella_*.deb)
echo "Built $deb"
dpkg-deb --field "$deb" Package Version Architecture Depends
