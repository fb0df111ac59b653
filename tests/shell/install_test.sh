#!/usr/bin/env bash
# Installs the build into a temporary prefix and checks that the three programs, the desktop entry and its icon
# land in the usual places, and that desktop-file-validate accepts the entry (skipped, exit 77, without the tool).
#   install_test.sh <build folder>
set -euo pipefail
build=$1
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT

cmake --install "$build" --prefix "$prefix" >/dev/null

status=0
for program in vorlane vorlane-cli vorlane-stb-sim; do
    if [ ! -x "$prefix/bin/$program" ]; then
        echo "missing program bin/$program"
        status=1
    fi
done
entry="$prefix/share/applications/vorlane.desktop"
icon_name=$(sed -n 's/^Icon=//p' "$entry" 2>/dev/null || true)
exec_name=$(sed -n 's/^Exec=//p' "$entry" 2>/dev/null || true)
if [ ! -f "$entry" ]; then
    echo "missing desktop entry share/applications/vorlane.desktop"
    exit 1
fi
if [ ! -f "$prefix/share/icons/hicolor/scalable/apps/$icon_name.svg" ]; then
    echo "the entry's icon '$icon_name' is not installed under share/icons/hicolor/scalable/apps"
    status=1
fi
if [ ! -x "$prefix/bin/${exec_name%% *}" ]; then
    echo "the entry starts '$exec_name', which is not an installed program"
    status=1
fi
[ "$status" -eq 0 ] || exit "$status"

if ! command -v desktop-file-validate >/dev/null; then
    echo "desktop-file-validate is not installed (Debian package desktop-file-utils); entry not validated"
    exit 77
fi
desktop-file-validate "$entry"
