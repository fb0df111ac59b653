#!/usr/bin/env bash
# Every text the editor shows must have a German and a French translation: lupdate collects the source texts
# into copies of the .ts files, and any text without a finished translation fails the test with its name.
#   translations_test.sh <lupdate> <lupdate options and sources> -ts <ts files>
set -euo pipefail
lupdate=$1
shift
arguments=()
ts_files=()
while [ $# -gt 0 ] && [ "$1" != -ts ]; do
    arguments+=("$1")
    shift
done
shift
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
for ts in "$@"; do
    cp "$ts" "$work/"
    ts_files+=("$work/$(basename "$ts")")
done
"$lupdate" -silent "${arguments[@]}" -ts "${ts_files[@]}"

status=0
for ts in "${ts_files[@]}"; do
    # An untranslated text has an unfinished or an empty translation; print the source line above it.
    untranslated=$(grep -B1 -E '<translation type="unfinished"|<translation></translation>|<translation/>' "$ts" |
        sed -n 's/.*<source>\(.*\)<\/source>.*/\1/p' || true)
    if [ -n "$untranslated" ]; then
        echo "$(basename "$ts") has no translation for:"
        sed 's/^/  /' <<<"$untranslated"
        status=1
    fi
done
exit "$status"
