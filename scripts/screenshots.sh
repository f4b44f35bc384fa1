#!/usr/bin/env bash
# Makes the pictures of the user guide in docs/bilder/ anew from the running program
# (offscreen, German dates; with the real draw history when ../shared/data holds it).
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
"$here/scripts/install-deps.sh"
build="$here/build/release"
cmake -S "$here" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" --parallel --target test_user_guide
mkdir -p "$here/docs/bilder"
LANG=de_DE.UTF-8 LC_ALL=de_DE.UTF-8 QT_QPA_PLATFORM=offscreen KUGELWART_SHOTS="$here/docs/bilder" \
  KUGELWART_SHARED_DATA="${KUGELWART_SHARED_DATA:-$here/../shared/data}" \
  "$build/bin/test_user_guide"
echo "pictures written to docs/bilder/"
