#!/usr/bin/env bash
# Rewrites the golden files of the wizard generators from the built test,
# so a change to a generator shows as a diff to review before committing.
#   tests/html/update-golden.sh [build folder, default build]
set -euo pipefail
cd "$(dirname "$(readlink -f "$0")")/../.."
build=${1:-build}
cmake --build "$build" -j2 --target wizardgenerators_test
TAVORIN_UPDATE_GOLDEN=1 "$build"/bin/wizardgenerators_test -silent
git status --short tests/html/data
