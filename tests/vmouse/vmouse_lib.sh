# The virtual mouse for a case: the firmware host started in the case's Wine prefix, which
# plugs the mouse in through Wine's HID class driver, and the commands it takes.
# shellcheck shell=bash
vmouse_dir_linux=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
# shellcheck source=tests/e2e/e2e_lib.sh
source "$vmouse_dir_linux/../e2e/e2e_lib.sh"
vmouse_build=$build_dir/tests/vmouse
ctl_exe=$build_dir/src/quorvelctl.exe
control_dir=$work_dir/vmouse
mkdir -p "$control_dir"
# What the mouse took and gave, in the simulated mouse's trace lines.
firmware_trace=$work_dir/firmware-trace.txt
vmouse_pid=""

# Starts the host (arguments: --sensor N, --silent) and waits until the mouse is plugged in.
start_vmouse() {
    (cd "$vmouse_build" && timeout 280 wine ./quorvel_vmouse_host.exe --control "Z:$control_dir" \
        --trace "Z:$firmware_trace" "$@" >"$work_dir/vmouse.log" 2>&1) &
    vmouse_pid=$!
    wait_for 100 test -f "$control_dir/ready" || fail "the firmware host did not start: $(cat "$work_dir/vmouse.log")"
    [ "$(tr -d '\r' <"$control_dir/ready")" = ok ] || fail "the virtual mouse was not plugged in: $(cat "$control_dir/ready")"
}
# Runs one host command (notify K V, unplug, plug, stall on|off) and waits for its outcome.
vmouse() {
    echo "$*" >"$control_dir/command.new"
    mv "$control_dir/command.new" "$control_dir/command"
    wait_for 100 eval '! test -f "$control_dir/command"' || fail "the firmware host did not take '$*'"
    local result
    result=$(tr -d '\r' <"$control_dir/result")
    [ "$result" = ok ] || fail "'$*': $result"
}
# The host removes the devices before the case's cleanup stops Wine, so the prefix keeps none.
stop_vmouse() {
    if [ -n "$vmouse_pid" ] && kill -0 "$vmouse_pid" 2>/dev/null; then
        echo quit >"$control_dir/command.new"
        mv "$control_dir/command.new" "$control_dir/command"
        wait_for 100 eval '! kill -0 "$vmouse_pid" 2>/dev/null' || echo "the firmware host did not end" >&2
    fi
    vmouse_pid=""
    rm -f "$control_dir/ready" "$control_dir/result"
}
# A failed case shows what the firmware host did last.
trap 'if (($?)); then tail -n 20 "$work_dir/vmouse.log" >&2 || true; fi; stop_vmouse; cleanup' EXIT

# Runs quorvelctl.exe without --simulate; sets $code, $out and $err (carriage returns dropped).
ctl() {
    set +e
    (cd "$work_dir" && wine "$ctl_exe" "$@" >"$work_dir/ctl.out" 2>"$work_dir/ctl.err")
    code=$?
    set -e
    out=$(tr -d '\r' <"$work_dir/ctl.out")
    err=$(tr -d '\r' <"$work_dir/ctl.err")
}
# The firmware trace without carriage returns, and a trace of the program's side without the
# waits (the wire does not carry them), for comparing the two line by line.
wire_lines() { grep -v '^sleep ' "$1" | tr -d '\r'; }

# Each broadcast of one of the mouse's three interfaces runs discovery again, so a plug may warn
# before it finds the mouse: what counts is the last notice.
last_notice() { notices | tail -n 1 | tr -d '\r'; }

# The program's Apply button, 666..771 x 623..644 of the client area; show_from_tray first.
first_byte() { od -An -tx1 -N1 "$case_dir/config.bin" | tr -d ' '; }
applied() { [ "$(first_byte)" = "01" ]; }
click_apply() {
    cp "$e2e_root/data/config.bin" "$case_dir/config.bin"
    xdotool mousemove $((win_x + 700)) $((win_y + 630)) click 1
    wait_for 100 applied || fail "Apply did not rewrite config.bin; the mouse took last: $(tail -n 3 "$firmware_trace")"
}
