#!/usr/bin/env bash
# Pictures of the key dialogs for docs/, drawn by the program's own window host on the
# default skin: each dialog in English, the fire-key dialog also in Traditional Chinese. The
# Wine test binary holds each dialog open until its picture is taken.
source "$(dirname "$0")/e2e_lib.sh"
done_file=$work_dir/shot-done
export QUORVEL_DIALOG_SHOT_DONE="Z:$done_file"
(cd "$build_dir/tests" && timeout 120 wine ./quorvel_wine_tests.exe --gtest_also_run_disabled_tests \
    --gtest_filter='KeyDialogsForPictures.*' >"$work_dir/pictures.log" 2>&1; echo $? >"$work_dir/rc") &
program_pid=$!

dialog_window() {
    xwininfo -root -tree | grep '"quorvel_wine_tests.exe"' | grep -v 'Default IME' |
        awk '{split($0, a, /[ +]+/); for (i in a) if (a[i] ~ /^[0-9]+x[0-9]+$/) {split(a[i], s, "x"); if (s[1] >= 300 && s[2] >= 250) {print $1}}}' |
        while read -r w; do if viewable "$w"; then echo "$w"; break; fi; done
}
dialog_up() { [ -n "$(dialog_window)" ]; }
picture_used() { [ ! -e "$done_file" ]; }
for name in keydlg-single keydlg-combo keydlg-fire keydlg-media keydlg-windows keydlg-delay \
    keydlg-fire-cht; do
    wait_for 100 dialog_up || fail "no dialog for $name"
    sleep 1
    shown=$(dialog_window)
    doc_shot "$name" "$shown"
    touch "$done_file"
    wait_for 50 picture_used || fail "the dialog for $name did not take its picture"
    closed() { ! viewable "$shown"; }
    wait_for 50 closed || fail "the dialog for $name did not close"
done
wait_for 100 program_ended || fail "the picture run did not end"
[ "$(exit_code)" = 0 ] || fail "the picture run failed: $(cat "$work_dir/pictures.log")"
pass
