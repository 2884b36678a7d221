#!/usr/bin/env bash
# Builds the release preset for the prefix /usr in its own folder (build/package) and makes the Debian
# package with CPack; checks it with lintian (pedantic, with its informational tags), its desktop entry
# with desktop-file-validate and its metainfo with appstreamcli (pedantic), and fails on any message
# of theirs. Prints the package's path as the last line.
# Install it with: sudo apt-get install ./build/package/vintora_<version>_<arch>.deb
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh package >&2
dir=build/package
# Debian's hardening flags (format checks, fortified functions, stack protector, read-only relocations
# bound at start-up); no debugging information, which the package strips anyway.
export DEB_BUILD_MAINT_OPTIONS=hardening=+bindnow
flags="$(dpkg-buildflags --get CPPFLAGS) $(DEB_CXXFLAGS_MAINT_STRIP=-g dpkg-buildflags --get CXXFLAGS)"
cmake --preset release -B "$dir" -DCMAKE_INSTALL_PREFIX=/usr -DVINTORA_BUILD_TESTS=OFF -DVINTORA_BUILD_BENCH=OFF \
  -DCMAKE_CXX_FLAGS="$flags" -DCMAKE_EXE_LINKER_FLAGS="$(dpkg-buildflags --get LDFLAGS)" \
  -DCMAKE_MODULE_LINKER_FLAGS="$(dpkg-buildflags --get LDFLAGS)" >&2
cmake --build "$dir" -j2 >&2
rm -f "$dir"/vintora_*.deb
(cd "$dir" && cpack -G DEB >&2)
deb=$(ls "$dir"/vintora_*.deb)

# The files as the package installs them.
tree="$dir/tree"
rm -rf "$tree"
dpkg-deb -x "$deb" "$tree"
failed=false
# check WHAT COMMAND...: shows the command's messages; any message, or a failure, fails the package.
check() {
  local what=$1 report
  shift
  echo "== $what" >&2
  if ! report=$("$@" 2>&1); then
    failed=true
  fi
  [ -z "$report" ] || echo "$report" >&2
  # Not messages: appstreamcli's line for a clean run, and lintian's notice that it runs as root.
  if grep -v -x -e '✔ Validation was successful\.' -e 'running with root privileges is not recommended!' \
      <<<"$report" | grep -q .; then
    failed=true
  fi
}
check desktop-file-validate desktop-file-validate "$tree"/usr/share/applications/*.desktop
# The metainfo with the desktop entry, icons and program it names, as software centres read them.
check appstreamcli appstreamcli validate-tree --pedantic --strict --no-net "$tree"
check lintian lintian --pedantic --display-info --fail-on error,warning,info,pedantic --tag-display-limit 0 "$deb"
if $failed; then
  echo "package.sh: $deb has the messages above" >&2
  exit 1
fi
realpath "$deb"
