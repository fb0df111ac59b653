#!/usr/bin/env bash
# Makes the Debian package from the built tree (cpack, a few seconds: it only installs, strips and compresses),
# unpacks it with dpkg-deb -x and checks what a desktop installation needs: the programs answering --version with
# the project version, Depends computed from the shared libraries, the desktop entry, icon, AppStream metainfo,
# file types, manual pages and completion, each accepted by its validator.
#   package_test.sh <build folder> <version>
# Exit 77 (skipped) when a packaging tool is missing; scripts/install-deps.sh installs them.
set -euo pipefail
build=$1
version=$2
for tool in cpack dpkg-deb dpkg-shlibdeps appstreamcli desktop-file-validate update-mime-database; do
    if ! command -v "$tool" >/dev/null; then
        echo "$tool is not installed; run scripts/install-deps.sh"
        exit 77
    fi
done
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

cpack --config "$build/CPackConfig.cmake" -G DEB -B "$work" >"$work/cpack.log" 2>&1 || {
    cat "$work/cpack.log"
    exit 1
}
deb="$work/vorlane_${version}_amd64.deb"
[ -f "$deb" ] || { echo "cpack made no $(basename "$deb")"; ls "$work"; exit 1; }
root="$work/root"
dpkg-deb -x "$deb" "$root"

status=0
fail() {
    echo "$*"
    status=1
}
for path in usr/bin/vorlane usr/bin/vorlane-cli usr/bin/vorlane-stb-sim \
    usr/share/applications/vorlane.desktop usr/share/icons/hicolor/scalable/apps/vorlane.svg \
    usr/share/metainfo/org.vorlane.Vorlane.metainfo.xml usr/share/mime/packages/vorlane.xml \
    usr/share/man/man1/vorlane.1.gz usr/share/man/man1/vorlane-cli.1.gz usr/share/man/man1/vorlane-stb-sim.1.gz \
    usr/share/bash-completion/completions/vorlane-cli; do
    [ -e "$root/$path" ] || fail "the package lacks /$path"
done

for program in vorlane-cli vorlane-stb-sim; do
    answer=$("$root/usr/bin/$program" --version) || fail "$program --version failed"
    [ "$answer" = "$program $version" ] || fail "$program --version says '$answer', not '$program $version'"
done

depends=$(dpkg-deb -f "$deb" Depends)
for library in libc6 libstdc++6 libqt6widgets6 libqt6core6; do
    [[ $depends == *"$library"* ]] || fail "Depends lacks $library: $depends"
done

appstreamcli validate --no-net "$root/usr/share/metainfo/org.vorlane.Vorlane.metainfo.xml" >"$work/as.log" 2>&1 ||
    { cat "$work/as.log"; fail "appstreamcli refuses the metainfo"; }
desktop-file-validate "$root/usr/share/applications/vorlane.desktop" || fail "desktop-file-validate refuses the entry"
grep -q '^Exec=vorlane %F$' "$root/usr/share/applications/vorlane.desktop" || fail "the entry does not pass files"
for type in application/x-satcodx application/x-satellite-channel-list; do
    grep -q "^MimeType=.*$type;" "$root/usr/share/applications/vorlane.desktop" || fail "the entry lacks $type"
done

# The file types must compile into a MIME database whose magic knows both first lines.
update-mime-database "$root/usr/share/mime" >"$work/mime.log" 2>&1 || { cat "$work/mime.log"; fail "bad MIME XML"; }
for mark in SATCODX103 :SAT; do
    grep -aq -- "$mark" "$root/usr/share/mime/magic" || fail "the MIME magic lacks $mark"
done
exit "$status"
