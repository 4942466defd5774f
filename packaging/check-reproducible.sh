#!/usr/bin/env bash
# Builds the Debian package of a configure preset twice, from this source
# tree, in two different folders and with the clock of the second build
# set a day and a half ahead, and fails unless the two packages are the same
# byte for byte. The packages' dates come from SOURCE_DATE_EPOCH, which is
# taken from the last commit when it is not set.
#
# Usage: packaging/check-reproducible.sh [PRESET]   (default: default); needs faketime
set -euo pipefail
cd "$(dirname "$0")/.."

preset=${1:-default}
export SOURCE_DATE_EPOCH=${SOURCE_DATE_EPOCH:-$(git log -1 --format=%ct)}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

build() { # FOLDER [COMMAND PREFIX...]
    local folder=$work/$1
    shift
    "$@" cmake --preset "$preset" -B "$folder" -DBUILD_TESTING=OFF >/dev/null
    "$@" cmake --build "$folder" --parallel >/dev/null
    (cd "$folder" && "$@" cpack -G DEB >/dev/null)
}
build first
build second-folder faketime -f +36h

first=$(ls "$work"/first/*.deb)
second=$(ls "$work"/second-folder/*.deb)
sha256sum "$first" "$second"
if ! cmp "$first" "$second"; then
    echo "$(basename "$first") differs between the two builds" >&2
    exit 1
fi
