#!/usr/bin/env bash
# Starts vorlane on a display and checks that its main window, titled "Vorlane", appears.
#   start_under_display.sh <vorlane> offscreen   -- the offscreen platform: the program must start and keep running
#   start_under_display.sh <vorlane> xvfb        -- a virtual X server: a top-level window named "Vorlane" must exist
set -u
program=$1
mode=$2
config=$(mktemp -d)
trap 'rm -rf "$config"' EXIT
export XDG_CONFIG_HOME=$config HOME=$config

run_and_check() { # $1: the check to run while the program is up
    "$program" &
    local pid=$!
    local found=1
    for _ in $(seq 1 50); do
        sleep 0.2
        kill -0 "$pid" 2>/dev/null || break
        if eval "$1"; then
            found=0
            break
        fi
    done
    kill "$pid" 2>/dev/null
    wait "$pid" 2>/dev/null
    return $found
}

case $mode in
offscreen)
    QT_QPA_PLATFORM=offscreen run_and_check 'sleep 1 && kill -0 $pid 2>/dev/null'
    ;;
xvfb)
    xvfb-run -a "$0" "$program" on-x-display
    ;;
on-x-display)
    # The frame is the top-level window of class "vorlane" named "Vorlane" (Qt's own helper windows have no class).
    QT_QPA_PLATFORM=xcb run_and_check 'xwininfo -root -tree | grep -qF "\"Vorlane\": (\"vorlane\""'
    ;;
esac
