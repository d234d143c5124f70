# Shared steps of the end-to-end cases: a fresh install per case, the exe under Wine + Xvfb.
# shellcheck shell=bash
set -euo pipefail
e2e_root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
build_dir=${QUORVEL_BUILD_DIR:-$e2e_root/build/windows}
# shellcheck source=scripts/wine-env
source "$e2e_root/scripts/wine-env"
unset DISPLAY
quorvel_display
quorvel_wine_prefix
case_dir=$(mktemp -d /tmp/quorvel-e2e.XXXXXX)
"$e2e_root/scripts/install-layout" "$build_dir" "$case_dir"
program_pid=""
cleanup() {
    if [ -n "$program_pid" ]; then kill "$program_pid" 2>/dev/null || true; fi
    rm -rf "$case_dir"
}
trap cleanup EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

# Starts the program in the background; its exit code lands in $case_dir/rc.
start_program() {
    (cd "$case_dir" && { timeout 60 wine ./QuorvelMouse.exe "$@"; echo $? >"$case_dir/rc"; }) &
    program_pid=$!
}
# Waits up to $1 tenths of a second for a command to succeed.
wait_for() {
    local tries=$1; shift
    local i
    for i in $(seq "$tries"); do
        if "$@"; then return 0; fi
        sleep 0.1
    done
    return 1
}
tray_window() { xdotool search --name 'Wine System Tray' 2>/dev/null | head -1; }
main_window() {
    xwininfo -root -tree | awk '/"quorvelmouse.exe"/ && /900x660|[0-9]+x[0-9]+/ && !/Default IME/ {print $1; exit}'
}
main_visible() { local w; w=$(main_window); [ -n "$w" ] && xwininfo -id "$w" | grep -q IsViewable; }
have_tray() { [ -n "$(tray_window)" ]; }
click_tray() {
    local geometry x y
    geometry=$(xwininfo -id "$(tray_window)" | awk '/Absolute upper-left X/ {x=$4} /Absolute upper-left Y/ {y=$4} END {print x, y}')
    read -r x y <<<"$geometry"
    xdotool mousemove $((x + 10)) $((y + 10)) click 1
}
