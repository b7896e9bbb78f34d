#!/usr/bin/env bash
# Builds the Debian package vellumar_<version>_<arch>.deb with Debian's
# hardening flags in its own build folder and checks it with lintian.
#   scripts/package.sh [BUILD_DIR]      (default: build-deb)
# The package lands in BUILD_DIR; its path is the last line printed.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
dir=${1:-build-deb}
"$root/scripts/setup.sh"

export DEB_BUILD_MAINT_OPTIONS=hardening=+all
cxxflags="$(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CXXFLAGS)"
ldflags=$(dpkg-buildflags --get LDFLAGS)
"$root/scripts/build.sh" "$dir" -DCMAKE_BUILD_TYPE=Release -DVELLUMAR_TESTS=OFF -DVELLUMAR_BENCH=OFF \
  -DVELLUMAR_CLI_STATIC_ZLIB=OFF \
  "-DCMAKE_CXX_FLAGS=$cxxflags" "-DCMAKE_EXE_LINKER_FLAGS=$ldflags"

cd "$root/$dir"
rm -f vellumar_*.deb
cpack -G DEB >/dev/null
package=$(ls "$PWD"/vellumar_*.deb)
# Errors fail the build; warnings and notes are shown.
lintian --fail-on error --display-info "$package"
echo "$package"
