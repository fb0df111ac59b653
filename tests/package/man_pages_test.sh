#!/usr/bin/env bash
# Every option that a program's --help shows (for vorlane-cli also each command's --help) and every vorlane-cli
# command must appear in that program's manual page, so the pages follow the programs.
#   man_pages_test.sh <man page source folder> <vorlane> <vorlane-cli> <vorlane-stb-sim>
set -uo pipefail
pages=$1
vorlane=$2
cli=$3
sim=$4
status=0

# The page's text with roff's escaped hyphens made plain.
page_text() {
    sed 's/\\-/-/g; s/\\f[BIR]//g' "$pages/$1.1"
}

# check_options <page> <help text>: each --option of the help text must be in the page.
check_options() {
    local page=$1 help=$2 text option
    text=$(page_text "$page")
    for option in $(grep -o -- '--[a-z][a-z0-9-]*' <<<"$help" | sort -u); do
        if ! grep -q -- "$option\b" <<<"$text"; then
            echo "$page(1) does not mention $option"
            status=1
        fi
    done
}

commands=$("$cli" --help | sed -n '/^Commands:/,/^$/s/^  \([a-z][a-z-]*\) .*/\1/p')
[ -n "$commands" ] || { echo "vorlane-cli --help lists no commands"; exit 1; }
cli_help=$("$cli" --help)
cli_page=$(page_text vorlane-cli)
for command in $commands; do
    if ! grep -q "^\.SS \"$command\b" <<<"$cli_page"; then
        echo "vorlane-cli(1) has no section for the command $command"
        status=1
    fi
    cli_help+=$'\n'$("$cli" "$command" --help)
done
check_options vorlane-cli "$cli_help"
check_options vorlane-stb-sim "$("$sim" --help)"

# The editor opens a window unless it knows --help; a build without it is told, not failed.
editor_help=$(QT_QPA_PLATFORM=offscreen timeout 5 "$vorlane" --help 2>&1)
if [ $? -eq 0 ] && grep -q -- '--help' <<<"$editor_help"; then
    check_options vorlane "$editor_help"
else
    echo "note: vorlane does not answer --help; vorlane(1) not checked against it"
fi
exit "$status"
