#!/usr/bin/env bash
# The skin chooser: the list holds the installed skin directories only; choosing Frost and OK
# writes str.ini's "Skins" section and redraws the basic page in Frost's pale colours.
source "$(dirname "$0")/macroskin_lib.sh"
touch "$case_dir/Skins/not-a-skin.txt"
start_program --simulate
wait_for 150 have_notice "$detected_notice" || fail "start-up did not finish"
show_from_tray || fail "tray click did not show the window"
[ "$(setting Path)" = "Default" ] || fail "installed skin is $(setting Path)"
shot_before=$work_dir/before.png
import -window "$(main_window)" "$shot_before"
# The gap between the header and the panels: dark in Default, pale in Frost.
[ "$(brightness "$shot_before" 450 130)" -lt 80 ] || fail "Default is not dark at (450, 130)"

# The list is in enumeration order; the entry that holds Frost is found by trying each.
chosen=""
for entry in 0 1 2; do
    open_skin_chooser || fail "the skins button did not open the chooser"
    dialog=$(sub_dialog)
    click_in "$dialog" 100 135
    sleep 0.5
    click_entry "$dialog" "$entry" 146
    sleep 0.3
    click_in "$dialog" 200 263
    wait_for 30 dialog_closed || fail "OK did not close the chooser"
    chosen=$(setting Path)
    [ "$chosen" = "Frost" ] && break
done
[ "$chosen" = "Frost" ] || fail "Frost was not among the first entries (last: $chosen)"
[ "$(setting RColor)/$(setting GColor)/$(setting BColor)" = "230/230/230" ] ||
    fail "the colour changed: $(setting RColor)/$(setting GColor)/$(setting BColor)"
main_visible || fail "the window went away"
sleep 0.5
shot_after=$work_dir/after.png
import -window "$(main_window)" "$shot_after"
[ "$(brightness "$shot_after" 450 130)" -gt 180 ] || fail "the page was not redrawn in Frost"
changed=$(compare -metric AE "$shot_before" "$shot_after" null: 2>&1 || true)
[ "${changed%% *}" -gt 100000 ] || fail "only $changed pixels changed"

# Cancel changes nothing.
open_skin_chooser || fail "the chooser did not open again"
click_in "$(sub_dialog)" 320 263
wait_for 30 dialog_closed || fail "Cancel did not close the chooser"
[ "$(setting Path)" = "Frost" ] || fail "Cancel changed the skin to $(setting Path)"
pass
