#!/usr/bin/env bash
# The program in front chooses the profile: notepad clicked sends its profile, another window
# the base configuration, and nothing is sent while the main window is shown.
source "$(dirname "$0")/e2e_lib.sh"
export QUORVEL_SIM_TRACE="Z:$work_dir/trace.txt"
program_seconds=150
ctl() {
    local code=0
    (cd "$case_dir" && wine "$build_dir/src/quorvelctl.exe" "$@") >"$work_dir/ctl.txt" 2>&1 || code=$?
    [ "$code" -eq 0 ] || fail "quorvelctl $* ended with $code: $(tr -d '\r' <"$work_dir/ctl.txt")"
}
# Two profiles, each the installed configuration with another DPI for stage 2.
ctl export --out base.json
for profile in Shooter:4 Desk:6; do
    name=${profile%:*}
    sed "s/\"2\": {\"dpi_index\": 3/\"2\": {\"dpi_index\": ${profile#*:}/" "$case_dir/base.json" >"$case_dir/$name.json"
    cp "$case_dir/config.bin" "$case_dir/$name.bin"
    ctl import "$name.json" --config "$name.bin"
    ctl profile save "$name" --config "$name.bin"
done
ctl profile rule Shooter notepad.exe
# What each configuration puts on the wire, from a whole send by the command line; the lines
# only one of the two has are its bytes.
ctl --simulate apply --config config.bin --trace base-trace.txt
ctl --simulate apply --config Shooter.bin --trace shooter-trace.txt
comm -23 <(sort "$case_dir/base-trace.txt") <(sort "$case_dir/shooter-trace.txt") | tr -d '\r' >"$work_dir/base-only"
comm -13 <(sort "$case_dir/base-trace.txt") <(sort "$case_dir/shooter-trace.txt") | tr -d '\r' >"$work_dir/shooter-only"
[ -s "$work_dir/base-only" ] && [ -s "$work_dir/shooter-only" ] || fail "the profiles send the same bytes"
rm -f "$case_dir"/*.bin.bak "$case_dir"/*-trace.txt

trace_lines() { wc -l <"$work_dir/trace.txt" 2>/dev/null || echo 0; }
# Whether the trace after line $1 holds a line of the file $2.
sent_since() { tail -n +$(($1 + 1)) "$work_dir/trace.txt" | tr -d '\r' | grep -qFxf "$2"; }
sent_anything_since() { tail -n +$(($1 + 1)) "$work_dir/trace.txt" | grep -qE '^(write|feature-set) '; }

start_program --simulate
wait_for 150 have_notice "$detected_notice" || fail "start-up did not finish"

# Starts a Wine program and prints its top window once it is viewable.
start_other() {
    # Nothing of it may hold the output this function's caller reads.
    (cd "$work_dir" && exec wine "$1") >/dev/null 2>&1 &
    local found=""
    find_it() { found=$(xdotool search --onlyvisible --name "$2" 2>/dev/null | head -1) && [ -n "$found" ]; }
    wait_for 150 find_it "$@" || fail "$1 showed no window"
    echo "$found"
}
active_is() { [ "$(xdotool getactivewindow 2>/dev/null)" = "$1" ]; }
# A click near the lower right corner of a window's part on the screen, as a person brings
# it to the front: clear of the main window, which shows in the middle.
click_into() {
    local WIDTH HEIGHT wx wy right bottom
    read -r wx wy <<<"$(origin "$1")"
    eval "$(xdotool getwindowgeometry --shell "$1" | grep -E '^(WIDTH|HEIGHT)=')"
    right=$((wx + WIDTH < 1280 ? wx + WIDTH : 1280))
    bottom=$((wy + HEIGHT < 900 ? wy + HEIGHT : 900))
    xdotool mousemove $((right - 30)) $((bottom - 30)) click 1
    wait_for 30 active_is "$1" || fail "the window $1 did not come to the front"
}

# A program that starts comes to the front by itself: the mark goes before it.
mark=$(trace_lines)
notepad=$(start_other notepad 'Notepad')
# Clear of where the main window shows, so it can be clicked beside it.
xdotool windowmove --sync "$notepad" 700 400 || fail "notepad could not be moved"
click_into "$notepad"
wait_for 20 sent_since "$mark" "$work_dir/shooter-only" || fail "notepad in front did not send its profile"

mark=$(trace_lines)
other=$(start_other winemine 'Mine')
# Off the tray icon and clear of the main window.
xdotool windowmove --sync "$other" 1000 50 || fail "winemine could not be moved"
click_into "$other"
wait_for 20 sent_since "$mark" "$work_dir/base-only" || fail "another program in front did not send the base configuration"

# Back and forth by clicks alone.
for turn in 1 2; do
    mark=$(trace_lines)
    clicked=$(date +%s%N)
    click_into "$notepad"
    wait_for 20 sent_since "$mark" "$work_dir/shooter-only" || fail "notepad clicked did not send its profile"
    echo "notepad's profile on the wire $(elapsed_ms "$clicked") ms after the click"
    mark=$(trace_lines)
    clicked=$(date +%s%N)
    click_into "$other"
    wait_for 20 sent_since "$mark" "$work_dir/base-only" || fail "another program clicked did not send the base configuration"
    echo "the base configuration on the wire $(elapsed_ms "$clicked") ms after the click"
done

# With the main window shown a person is editing: notepad in front sends nothing until the
# window hides.
show_from_tray || fail "tray click did not show the window"
mark=$(trace_lines)
click_into "$notepad"
main_visible || fail "the window hid when notepad came to the front"
# Nothing can be waited for here: three looks of the program at the front must pass.
sleep 1.5
sent_anything_since "$mark" && fail "something was sent while the window was shown"
main_hidden() { ! main_visible; }
read -r x y <<<"$(origin "$(main_window)")"
# A spot of the header that notepad, now above the window, leaves uncovered and no control uses.
xdotool mousemove $((x + 600)) $((y + 60)) click 1
wait_for 30 keyboard_with_main || fail "the click left the keyboard with \"$(focused_name)\""
xdotool key Escape
wait_for 50 main_hidden || fail "Escape did not hide the window"
wait_for 20 sent_since "$mark" "$work_dir/shooter-only" || fail "hiding the window did not send notepad's profile"
pass
