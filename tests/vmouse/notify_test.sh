#!/usr/bin/env bash
# A button pressed on the mouse: the firmware sends a notification report, Wine's HID class
# driver completes the notification thread's overlapped read with it, and the tray shows the
# notice's balloon. A kind the program does not know shows nothing.
source "$(dirname "$0")/vmouse_lib.sh"
start_vmouse
start_program
wait_for 150 have_notice "$detected_notice" || fail "the mouse was not detected: $(notices)"
vmouse notify 6 1
vmouse notify 8 2
matrix_notice=$(printf 'Info\t5000\tSwitch to key matrix 2')
wait_for 50 have_notice "$matrix_notice" || fail "no key-matrix notice: $(notices)"
wait_for 50 balloon_visible || fail "no balloon on screen"
screenshot vhid_notice_balloon
vmouse notify 9 3
macro_notice=$(printf 'Info\t5000\tSwitch to macro key3')
wait_for 50 have_notice "$macro_notice" || fail "no macro-key notice: $(notices)"
expected=$(printf '%s\n' "$detected_notice" "$matrix_notice" "$macro_notice")
[ "$(notices | tr -d '\r')" = "$expected" ] || fail "notices: $(notices)"
pass
