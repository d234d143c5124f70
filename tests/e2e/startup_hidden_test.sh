#!/usr/bin/env bash
# Starts in the tray: the main window is never mapped during start-up, a tray icon and the
# "detect" balloon appear.
source "$(dirname "$0")/e2e_lib.sh"
start_program --simulate
# Watch from the first moment: a window shown and hidden again would be caught here.
for i in $(seq 300); do
    if main_visible; then fail "window visible at start-up"; fi
    if have_notice "$detected_notice" && [ -n "$(main_window)" ]; then break; fi
    program_ended && fail "program ended with $(exit_code)"
    sleep 0.05
done
have_notice "$detected_notice" || fail "start-up did not finish: $(notices)"
# The dialog manager shows the window once start-up returns: keep watching past that.
for i in $(seq 20); do
    if main_visible; then fail "window shown after start-up"; fi
    sleep 0.05
done
have_tray || fail "no tray icon"
wait_for 50 balloon_visible || fail "no balloon on screen"
screenshot startup_hidden
pass
