#!/usr/bin/env bash
# Builds the Debian packages build-package/gulpwise_VERSION_ARCH.deb (the
# game) and build-package/gulpwise-relay_VERSION_ARCH.deb (the relay server)
# with CPack: a release build of the two programs alone (no tests, tools or
# benchmarks), then the packages of what packaging/CMakeLists.txt installs.
# Both are hardened as Debian builds its packages (fortified calls,
# read-only relocations bound at start).
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
source "$top/scripts/setup.sh"

install_missing "${packages[@]}" "${package_packages[@]}"
find_compiler_cache
cmake -S "$top" -B "$top/build-package" -DCMAKE_BUILD_TYPE=Release "${compiler_cache[@]}" \
      -DGULPWISE_BENCHMARKS=OFF -DCMAKE_SKIP_INSTALL_ALL_DEPENDENCY=ON \
      -DCMAKE_CXX_FLAGS="-D_FORTIFY_SOURCE=2 -fstack-protector-strong" \
      -DCMAKE_EXE_LINKER_FLAGS="-Wl,-z,relro,-z,now" >/dev/null
cmake --build "$top/build-package" --target gulpwise gulpwise-relay package_files -j "$(nproc)"
rm -f "$top"/build-package/gulpwise_*.deb "$top"/build-package/gulpwise-relay_*.deb
(cd "$top/build-package" && cpack -G DEB >/dev/null)
ls "$top"/build-package/gulpwise_*.deb "$top"/build-package/gulpwise-relay_*.deb
