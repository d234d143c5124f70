#!/usr/bin/env bash
# Pictures for docs/: the macro-key dialog, the skin chooser and the basic page in each skin.
source "$(dirname "$0")/macroskin_lib.sh"
cp "$e2e_root/tests/e2e/macroskin_record.ini" "$case_dir/record.ini"
start_program --simulate
wait_for 150 have_notice "$detected_notice" || fail "start-up did not finish"
show_from_tray || fail "tray click did not show the window"
sleep 0.5
# What the skin pictures must differ from.
default_skin=$work_dir/default-skin.png
import -window "$(main_window)" "$default_skin" || fail "no picture of the default skin"
open_macro_dialog || fail "Macro Key opened no dialog"
dialog=$(sub_dialog)
click_in "$dialog" 100 135
sleep 0.5
doc_shot macro-dialog-list "$dialog"
click_entry "$dialog" 1 146
click_in "$dialog" 228 186
sleep 0.5
doc_shot macro-dialog "$dialog"
click_in "$dialog" 320 263
wait_for 30 dialog_closed || fail "Cancel did not close the macro dialog"
shot_skins=()
for entry in 0 1 2; do
    open_skin_chooser || fail "the skins button did not open the chooser"
    dialog=$(sub_dialog)
    click_in "$dialog" 100 135
    sleep 0.5
    [ "$entry" -eq 0 ] && doc_shot skins-dialog "$dialog"
    click_entry "$dialog" "$entry" 146
    sleep 0.3
    click_in "$dialog" 200 263
    wait_for 30 dialog_closed || fail "OK did not close the chooser"
    name=$(setting Path)
    if [ "$name" != "Default" ]; then
        doc_shot_unlike "basic-page-$(echo "$name" | tr '[:upper:]' '[:lower:]')" "$default_skin"
        shot_skins+=("$name")
    fi
done
# A choice that did not take would leave last run's picture in place, unremarked.
[ "${shot_skins[*]}" = "Crimson Frost" ] || fail "pictures of the skins: ${shot_skins[*]}"
end_session

# The repeat texts wrapped in Traditional Chinese.
set_language CHT
rm -f "$work_dir/rc" "$work_dir/notices.txt"
start_program --simulate
wait_for 150 test -s "$work_dir/notices.txt" || fail "start-up did not finish"
show_from_tray || fail "tray click did not show the window"
sleep 0.5
open_macro_dialog || fail "Macro Key opened no dialog"
dialog=$(sub_dialog)
click_in "$dialog" 100 135
sleep 0.5
click_entry "$dialog" 2 146
click_in "$dialog" 228 136
sleep 0.5
doc_shot macro-dialog-cht "$dialog"
pass
