#!/usr/bin/env bash
# The translation files are up to date with the code and complete: lupdate over the translated
# sources changes nothing in a copy of them, and no entry is left without its translation.
# Arguments: lupdate, the list of translated sources, the .ts files.
set -euo pipefail
lupdate=$1 sources=$2
shift 2
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
src=$(cd "$(dirname "$0")/../../src" && pwd)
status=0
for ts in "$@"; do
    copy="$scratch/$(basename "$ts")"
    cp "$ts" "$copy"
    # With src/ to find the headers the sources include, as the build's lupdate does: without it a
    # tr() in a .cpp file of a class in a namespace loses the namespace from its context.
    "$lupdate" -locations none -no-obsolete -silent -I "$src" "@$sources" -ts "$copy"
    if ! cmp -s "$ts" "$copy"; then
        echo "$(basename "$ts") is out of date with the code: run ./scripts/translations" >&2
        diff -u "$ts" "$copy" | head -40 >&2 || true
        status=1
    fi
done
python3 "$(dirname "$0")/ts_entries.py" unfinished "$@" >&2 || status=1
exit $status
