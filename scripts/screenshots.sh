#!/usr/bin/env bash
# Builds the screenshot programs and writes pictures of the main frame and every dialog into a folder
# (default: build/screenshots), on the offscreen platform. Usage: scripts/screenshots.sh [folder]
# Each scene of tools/screenshots gets one function below; add a function and a line in the list for a new one.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${VORLANE_BUILD_DIR:-build}
out=${1:-$build/screenshots}
mkdir -p "$out"
export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}

build_targets() {
    [ -f "$build/build.ninja" ] || cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
    cmake --build "$build" --target "$@"
}

shots() { "$build/tools/screenshots/vorlane-screenshots" "$@"; }

# Main frame, "Message" in its modes, about box, Editor Configuration, find, Rename, Channel move to, each
# STB Configuration page, and Satellite, Transponder Property and Channel Property over the example list.
dialog_shots() { shots dialogs "$out" examples/channels.dat; }
# The editor with the example channel list opened; also the README's picture in docs/.
editor_shot() {
    shots editor "$out" examples/channels.dat
    cp "$out/screenshot.png" docs/screenshot.png
}

# The editor in its smallest window, 800 x 600, with a full list: a channel list of your own in VORLANE_FULL_LIST
# (the picture in docs/ shows a real receiver list), else the example list.
editor_small_shot() {
    shots editor "$out" "${VORLANE_FULL_LIST:-examples/channels.dat}" 800x600
    cp "$out/editor-800x600.png" docs/editor-800x600.png
}

# COM Setting, the download choice, the safety steps of a channel-file upload and an upload under way against the
# simulated receiver; the user guide's pictures in docs/.
loader_shots() {
    shots loader "$out" examples/channels.dat
    cp "$out/com-setting.png" "$out/upload-in-progress.png" "$out/download-choice.png" "$out/upload-safety.png" docs/
}

# The editor and COM Setting in German and French, as LANG chooses them: docs/screenshot-de.png, com-setting-de.png,
# and the same with -fr.
translated_shots() {
    for language in de fr; do
        mkdir -p "$out/$language"
        LANG=${language}_${language^^}.UTF-8 shots editor "$out/$language" examples/channels.dat
        LANG=${language}_${language^^}.UTF-8 shots loader "$out/$language" examples/channels.dat
        cp "$out/$language/screenshot.png" "docs/screenshot-$language.png"
        cp "$out/$language/com-setting.png" "docs/com-setting-$language.png"
    done
}

# Find Duplicates over a list with duplicates and the print preview of it; the user guide's pictures in docs/.
list_tool_shots() {
    shots list-tools "$out"
    cp "$out/find-duplicates.png" "$out/print-preview.png" docs/
}

build_targets vorlane-screenshots
dialog_shots
editor_shot
editor_small_shot
loader_shots
translated_shots
list_tool_shots
echo "pictures in $out"
