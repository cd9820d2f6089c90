#!/usr/bin/env bash
# Rewrites the golden files under tests/html/data from the built tests that
# use them, so a change to a generator shows as a diff to review before
# committing.
#   tests/html/update-golden.sh [build folder, default build]
set -euo pipefail
cd "$(dirname "$(readlink -f "$0")")/../.."
build=${1:-build}
tests=$(grep -l '"tests/html/golden.h"' tests/html/*.cpp | xargs -n1 basename | sed 's/\.cpp$//')
for t in $tests; do
    cmake --build "$build" -j2 --target "$t"
    # From the folder ctest runs them in, where they find their sources.
    (cd "$build"/tests && TAVORIN_UPDATE_GOLDEN=1 QT_QPA_PLATFORM=offscreen ../bin/"$t" -silent)
done
git status --short tests/html/data
