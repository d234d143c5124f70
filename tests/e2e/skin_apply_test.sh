#!/usr/bin/env bash
# A click on Apply straight after the skin chooser's OK, ten times over with Frost and Default
# in turn: each Apply reaches the mouse, and the window neither moves with the click nor
# follows the pointer afterwards with no button held.
source "$(dirname "$0")/macroskin_lib.sh"
export QUORVEL_SIM_TRACE="Z:$work_dir/trace.txt"
# A person's desktop has a window manager; the display may not have one yet.
if ! xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; then
    openbox --sm-disable >/dev/null 2>&1 &
fi
program_seconds=400
start_program --simulate
wait_for 150 have_notice "$detected_notice" || fail "start-up did not finish"
show_from_tray || fail "tray click did not show the window"
# One line per Apply: its report-rate command.
applies() { tr -d '\r' <"$work_dir/trace.txt" | grep -c '^feature-set 01 ' || true; }
place() { origin "$(main_window)"; }
home=$(place)

# The chooser lists skins in the file system's order: learn which entry holds which skin.
declare -A entry_of
for entry in 0 1 2 0 1 2; do
    if [ -n "${entry_of[Frost]:-}" ] && [ -n "${entry_of[Default]:-}" ]; then break; fi
    open_skin_chooser || fail "the skins button did not open the chooser"
    dialog=$(sub_dialog)
    click_in "$dialog" 100 135
    sleep 1
    click_entry "$dialog" "$entry" 146
    sleep 0.5
    click_in "$dialog" 200 263
    wait_for 30 dialog_closed || fail "OK did not close the chooser"
    entry_of[$(setting Path)]=$entry
done
[ -n "${entry_of[Frost]:-}" ] && [ -n "${entry_of[Default]:-}" ] || fail "skins listed: ${!entry_of[*]}"

for round in $(seq 10); do
    skin=Frost
    if ((round % 2 == 0)); then skin=Default; fi
    before=$(applies)
    open_skin_chooser || fail "round $round: the chooser did not open"
    dialog=$(sub_dialog)
    read -r dx dy <<<"$(origin "$dialog")"
    click_in "$dialog" 100 135
    sleep 0.5
    click_entry "$dialog" "${entry_of[$skin]}" 146
    sleep 0.3
    read -r wx wy <<<"$home"
    # OK, then Apply as soon as the chooser is gone, while the page is built again in the new
    # skin. (A click before it is gone meets a disabled window and is lost, as on Windows.)
    xdotool mousemove $((dx + 200)) $((dy + 263)) click 1
    wait_for 30 dialog_closed || fail "round $round: OK did not close the chooser"
    xdotool mousemove $((wx + 700)) $((wy + 630)) click 1
    applied() { [ "$(applies)" -gt "$before" ]; }
    wait_for 50 applied || fail "round $round: the Apply after OK was lost"
    [ "$(setting Path)" = "$skin" ] || fail "round $round: the skin is $(setting Path), not $skin"
    [ "$(place)" = "$home" ] || fail "round $round: the window moved from $home to $(place)"
    # No button held: the pointer moving away must leave the window where it is.
    xdotool mousemove $((wx + 300)) $((wy + 400)) sleep 0.2 mousemove $((wx + 200)) $((wy + 300))
    sleep 0.3
    [ "$(place)" = "$home" ] || fail "round $round: the window followed the pointer to $(place)"
done
[ "$(od -An -tx1 -N1 "$case_dir/config.bin" | tr -d ' ')" = "01" ] || fail "config.bin was not saved"

# A press on the background still moves the window, and only while the button is held.
read -r wx wy <<<"$home"
xdotool mousemove $((wx + 450)) $((wy + 130)) mousedown 1 mousemove $((wx + 500)) $((wy + 170)) \
    sleep 0.3 mouseup 1
moved() { [ "$(place)" = "$((wx + 50)) $((wy + 40))" ]; }
wait_for 20 moved || fail "a drag from the background moved the window to $(place)"
xdotool mousemove $((wx + 200)) $((wy + 200)) sleep 0.3
moved || fail "the window followed the pointer after the release, to $(place)"
pass
