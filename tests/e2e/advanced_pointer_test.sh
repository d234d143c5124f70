#!/usr/bin/env bash
# The pointer half of the advanced page: the first showing reads the double-click time from
# the system, the sliders and ticks change the record, Apply writes the double-click time to
# the user profile and saves the positions in config.bin; "Default" writes 500 ms at once.
source "$(dirname "$0")/advanced_lib.sh"
mouse_key='HKCU\Control Panel\Mouse'
double_click() {
    wine reg query "$mouse_key" /v DoubleClickSpeed 2>/dev/null | tr -d '\r' |
        awk '/DoubleClickSpeed/ {print $3}'
}
wine reg add "$mouse_key" /v DoubleClickSpeed /t REG_SZ /d 1200 /f >/dev/null 2>&1
start_program --simulate
wait_for 150 have_notice "$detected_notice" || fail "start-up did not finish"
open_advanced_page
# The five pointer bytes of config.bin: the record starts at byte 1 of the file.
pointer_bytes() { od -An -tu1 -j 1700 -N 5 "$case_dir/config.bin" | xargs; }

step_x() { echo $((52 + 24 * ($1 - 1) + 12)); }
press_at "$(step_x 3)" 205 # pointer speed 4
press_at "$(step_x 7)" 355 # seven lines
press_at "$(step_x 9)" 505 # 340 ms
press_at 59 263            # pointer precision flips
press_at 59 413            # one screen per notch on
press_at 700 630           # Apply
applied() { [ "$(double_click)" = "340" ]; }
wait_for 50 applied || fail "double-click time is $(double_click), not 340"
precision=$(pointer_bytes | cut -d' ' -f1)
[ "$(pointer_bytes | cut -d' ' -f2-)" = "1 3 7 9" ] || fail "config.bin holds $(pointer_bytes)"
[ "$precision" = 0 ] || [ "$precision" = 1 ] || fail "precision byte $precision"

press_at 246 583 # Default
defaulted() { [ "$(double_click)" = "500" ]; }
wait_for 50 defaulted || fail "Default left the double-click time at $(double_click)"
pass
