#!/usr/bin/env bash
# Five buttons get their functions through the key dialogs: a single key, a combination, a
# rapid fire, a media key and a Windows shortcut; a dialog left with Cancel changes nothing.
# Apply sends each as its key-matrix entry and keeps the labels.
source "$(dirname "$0")/e2e_lib.sh"
source "$(dirname "$0")/basic_lib.sh"
source "$(dirname "$0")/keydlg_lib.sh"
export QUORVEL_SIM_TRACE="Z:$work_dir/trace.txt"
start_program --simulate
wait_for 150 have_notice "$detected_notice" || fail "start-up did not finish"
show_from_tray || fail "tray click did not show the window"
sleep 0.5

open_dialog 1 11                 # button 2: Single Key
dialog_keys Return               # Enter is a key here, not OK
dialog_up || fail "Enter closed the single-key dialog"
dialog_keys Control_R            # named by its position: not Wine's "Control"
screenshot keydlg_single_captured
dialog_ok

open_dialog 2 12                 # button 3: Combo Key
press_dialog 60 77               # the modifier box
pick_dialog_entry 86 0           # Left Ctrl
press_dialog 90 127              # first key box
dialog_keys a
press_dialog 90 177              # second key box
dialog_keys F5
screenshot keydlg_combo_captured
dialog_ok

open_dialog 3 10                 # button 4: Fire Key
press_dialog 60 77
pick_dialog_entry 86 2           # C
press_dialog 90 177              # times: 1 becomes 3
dialog_keys End BackSpace 3
press_dialog 90 127              # speed: 32 becomes 40, confirmed while it has the focus
dialog_keys End BackSpace BackSpace 4 0
dialog_ok

open_dialog 4 9                  # button 5: Multimedia
press_dialog 60 135
pick_dialog_entry 145 3          # Play/Pause
dialog_ok

open_dialog 5 8                  # button 6: Windows
press_dialog 60 135
pick_dialog_entry 145 6          # Browser-Back
dialog_ok

open_dialog 1 10                 # button 2 again: a fire key, cancelled
press_dialog 60 77
pick_dialog_entry 86 5
dialog_cancel
screenshot keydlg_assigned

press_at 700 633                 # Apply
applied() { [ "$(od -An -tx1 -N1 "$case_dir/config.bin" | tr -d ' ')" = "01" ]; }
wait_for 100 applied || fail "Apply did not rewrite config.bin"
for expected in "1 11" "2 12" "3 10" "4 9" "5 8"; do
    read -r byte code <<<"$expected"
    [ "$(record_byte "$byte")" = "$code" ] || fail "button $((byte + 1)) holds $(record_byte "$byte"), not $code"
done

# Matrix 1: buttons 4 and 5 swap places. Left click; Right Ctrl; Left Ctrl+A+F5; Play/Pause;
# fire C at speed 40 three times; Browser-Back.
writes=$(tr -d '\r' <"$work_dir/trace.txt" | grep '^write ' | tr '\n' ' ')
matrix='01 00 f0 00 00 00 e4 00 00 01 04 3e 03 00 cd 00 0a 06 28 03 03 00 24 02'
grep -q "$matrix" <<<"$writes" || fail "the key matrix on the wire is not the chosen one"

labels=$(iconv -f UTF-16LE -t UTF-8 "$case_dir/str.ini" | tr -d '\r')
for label in "Item2=Single Key-Right Ctrl" "Item3=Combo Key-Left Ctrl+A+F5" "Item4=Fire Key-C" \
    "Item5=Multimedia-Play/Pause" "Item6=Browser-Back"; do
    grep -qxF "$label" <<<"$labels" || fail "str.ini lacks $label"
done
pass
