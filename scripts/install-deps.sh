#!/usr/bin/env bash
# Installs, with apt-get, whatever the build, the program or the tests need and is missing.
# Usage: scripts/install-deps.sh [run|test|package]   (default: test; each takes in run)
set -euo pipefail

# The banner strip's browser view is a plugin over Qt WebEngine; its helper process comes with
# libqt6webenginecore6-bin. The banner's download is a module over libcurl (OpenSSL flavour), which
# also tells OpenSSL itself how to behave at exit.
run_packages=(
  cmake ninja-build g++
  qt6-base-dev libgl-dev
  qt6-webengine-dev libqt6webenginecore6-bin
  libcurl4-openssl-dev libssl-dev
  fonts-baekmuk fonts-nanum
)
# Tests also need GoogleTest and Benchmark, and for the whole-program test a virtual X server,
# a window manager, pointer events from outside (xdotool), window queries and screenshots; the
# start-up benchmark's timer watches the X server through libxcb; a test builds a decimal-comma
# locale from the locale sources; the fuzz targets need clang with its fuzzer and sanitizer runtimes,
# a whole session runs under valgrind, and the layout check is a Python script.
test_packages=(
  libgtest-dev libgmock-dev libbenchmark-dev
  xvfb openbox xdotool x11-utils imagemagick
  libxcb1-dev libxcb-damage0-dev locales
  clang libclang-rt-14-dev valgrind python3
)

# The Debian package (scripts/package.sh): its dependencies from dpkg-shlibdeps, checked by lintian
# and appstreamcli, and its desktop entry by desktop-file-validate.
package_packages=(dpkg-dev file lintian appstream desktop-file-utils)

wanted=("${run_packages[@]}")
case "${1:-test}" in
  run) ;;
  package) wanted+=("${package_packages[@]}") ;;
  *) wanted+=("${test_packages[@]}") ;;
esac

missing=()
for p in "${wanted[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
echo "Installing: ${missing[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
