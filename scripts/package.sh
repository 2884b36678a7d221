#!/usr/bin/env bash
# Builds the release preset for the prefix /usr in its own folder (build/package) and makes the Debian
# package with CPack; checks it with lintian and prints the package's path as the last line.
# Install it with: sudo apt-get install ./build/package/vintora_<version>_<arch>.deb
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh package >&2
dir=build/package
# Debian's hardening flags (format checks, fortified functions, stack protector, read-only relocations);
# no debugging information, which the package strips anyway.
flags="$(dpkg-buildflags --get CPPFLAGS) $(DEB_CXXFLAGS_MAINT_STRIP=-g dpkg-buildflags --get CXXFLAGS)"
cmake --preset release -B "$dir" -DCMAKE_INSTALL_PREFIX=/usr -DVINTORA_BUILD_TESTS=OFF -DVINTORA_BUILD_BENCH=OFF \
  -DCMAKE_CXX_FLAGS="$flags" -DCMAKE_EXE_LINKER_FLAGS="$(dpkg-buildflags --get LDFLAGS)" \
  -DCMAKE_MODULE_LINKER_FLAGS="$(dpkg-buildflags --get LDFLAGS)" >&2
cmake --build "$dir" -j2 >&2
rm -f "$dir"/vintora_*.deb
(cd "$dir" && cpack -G DEB >&2)
deb=$(ls "$dir"/vintora_*.deb)
appstreamcli validate --no-net src/res/kr.co.vintora.calorie.metainfo.xml >&2
# lintian's exit status counts errors only; warnings are shown above the path.
lintian --tag-display-limit 0 "$deb" >&2
realpath "$deb"
