#!/usr/bin/env bash
# Builds Kugelwart's release tree (build/release, as ./scripts/run.sh does) and the
# Debian package from it: build/release/kugelwart_<version>_<arch>.deb, which installs
# the program under /usr (see cmake/KugelwartPackage.cmake).
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
"$here/scripts/install-deps.sh"
"$here/scripts/install-deps.sh" --package-tools
build="$here/build/release"
cmake -S "$here" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" --parallel "$(nproc)"
rm -f "$build"/kugelwart_*.deb
(cd "$build" && cpack)
ls "$build"/kugelwart_*.deb
