#!/usr/bin/env bash
# Pictures of the basic page for docs/: English and Simplified Chinese, each also with a key
# list open, English with the longest lighting texts (Neon, "RGB Fixed On"), Traditional
# Chinese, and the 8-level DPI columns of sensor type 1.
source "$(dirname "$0")/e2e_lib.sh"
source "$(dirname "$0")/basic_lib.sh"

# $1: the detected notice in the session's language; the rest goes to the program.
run_session() {
    local notice=$1
    shift
    rm -f "$work_dir/rc" "$work_dir/notices.txt"
    start_program --simulate "$@"
    wait_for 150 have_notice "$notice" || fail "start-up did not finish"
    show_from_tray || fail "tray click did not show the window"
    sleep 1
}

run_session "$detected_notice"
doc_shot basic-page
press_at 350 232 1
doc_shot basic-page-list
pick_lighting 330 347 2
pick_lighting 390 407 1
press_at 150 600 1
doc_shot basic-page-neon
end_session

set_language CHS
run_session "$(printf 'Info\t100\t系统检测到游戏鼠标。')"
doc_shot basic-page-chs
press_at 350 255 1
doc_shot basic-page-chs-list
end_session

set_language CHT
run_session "$(printf 'Info\t100\t系統檢測到遊戲滑鼠。')"
doc_shot basic-page-cht
end_session

set_language ""
run_session "$detected_notice" --sensor 1
doc_shot basic-page-sensor1
end_session
pass
