#!/usr/bin/env bash
# Drives the real editor the way a screen reader sees it: a virtual X server, a private D-Bus session with its
# own accessibility bus, and accessibility_journeys.py walking the accessibility tree.
#   accessibility_journeys.sh <vorlane> <vorlane-cli> <channels.sdx>
# Exits 77 (skipped) only when a tool it needs is not installed; every other failure fails.
set -u
here=$(cd "$(dirname "$0")" && pwd)
skip() {
    echo "SKIPPED: $1 (bash scripts/install-deps.sh installs it)"
    exit 77
}

command -v Xvfb >/dev/null || skip "Xvfb is not installed"
command -v dbus-run-session >/dev/null || skip "dbus-run-session is not installed"
[ -e /usr/share/dbus-1/services/org.a11y.Bus.service ] || skip "the accessibility bus (at-spi2-core) is not installed"
# The Debian interpreter first: python3-pyatspi is installed for it, not for one a user put earlier on PATH.
python=
for candidate in /usr/bin/python3 python3; do
    if "$candidate" -c 'import pyatspi' 2>/dev/null; then
        python=$candidate
        break
    fi
done
[ -n "$python" ] || skip "python3-pyatspi is not installed"

work=$(mktemp -d)
xvfb_pid=
cleanup() {
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null && wait "$xvfb_pid" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 1' INT TERM

# Xvfb picks a free display and writes its number once it accepts clients.
# -noreset: the server must not start afresh whenever its last client (say, the accessibility bus launcher) leaves.
Xvfb -displayfd 3 -nolisten tcp -noreset -screen 0 1280x1024x24 3>"$work/display" 2>"$work/xvfb.log" &
xvfb_pid=$!
for _ in $(seq 1 300); do
    [ -s "$work/display" ] && break
    kill -0 "$xvfb_pid" 2>/dev/null || break
    sleep 0.1
done
if ! [ -s "$work/display" ]; then
    echo "FAILED: Xvfb did not start"
    cat "$work/xvfb.log"
    exit 1
fi

mkdir -m 700 "$work/home" "$work/runtime"
export DISPLAY=":$(head -n1 "$work/display")"
export HOME=$work/home XDG_CONFIG_HOME=$work/home/.config XDG_DATA_HOME=$work/home/.local/share
export XDG_RUNTIME_DIR=$work/runtime
unset XDG_CURRENT_DESKTOP DESKTOP_SESSION AT_SPI_BUS_ADDRESS
# Qt's own widgets, its own file dialog included, with the accessibility bridge on whatever the desktop says.
export QT_QPA_PLATFORM=xcb QT_QPA_PLATFORMTHEME=generic QT_ACCESSIBILITY=1 QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1

dbus-run-session -- "$python" "$here/accessibility_journeys.py" "$1" "$2" "$3" "$work/files"
status=$?
if [ "$status" -ne 0 ]; then
    echo "The X server's log:"
    cat "$work/xvfb.log"
fi
exit "$status"
