#!/usr/bin/env bash
# Pictures of the advanced page for docs/ with two macros saved: English, English while a
# macro is recorded, and Simplified Chinese.
source "$(dirname "$0")/advanced_lib.sh"
printf '%s\r\n' '[Copy]' 'ItemCount=7' 'Item0=Ctrl   Dn' 'Item1=50 ms' 'Item2=C   Dn' \
    'Item3=50 ms' 'Item4=C   Up' 'Item5=50 ms' 'Item6=Ctrl   Up' \
    '[Double click]' 'ItemCount=7' 'Item0=L-Button   Dn' 'Item1=50 ms' 'Item2=L-Button   Up' \
    'Item3=80 ms' 'Item4=L-Button   Dn' 'Item5=50 ms' 'Item6=L-Button   Up' >"$case_dir/record.ini"

# $1: the detected notice in the session's language.
run_session() {
    rm -f "$work_dir/rc" "$work_dir/notices.txt"
    start_program --simulate
    wait_for 150 have_notice "$1" || fail "start-up did not finish"
    open_advanced_page
    rest_pointer
}
# A move over nothing that lights up clears the page buttons' highlight.
rest_pointer() {
    xdotool mousemove $((win_x + 440)) $((win_y + 110))
    sleep 0.5
}

run_session "$detected_notice"
doc_shot advanced-page-en
press_at 767 329 # the name field
xdotool key End BackSpace BackSpace BackSpace BackSpace
xdotool type --delay 50 Paste
press_at 560 538 # New
press_at 749 243 # Start Recording
answer_box start
xdotool keydown Control_L sleep 0.1 keydown v sleep 0.1 keyup v sleep 0.1 keyup Control_L
rest_pointer
doc_shot advanced-page-recording
press_at 749 279 # Stop Recording
answer_box stop
end_session

set_language CHS
run_session "$(printf 'Info\t100\t系统检测到游戏鼠标。')"
doc_shot advanced-page-chs
end_session
pass
