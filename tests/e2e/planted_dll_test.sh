#!/usr/bin/env bash
# DLLs planted beside the program under the names of the system DLLs it loads are never
# loaded: it takes them from the system directory. Wine prefers its own copies anyway, so
# the case tells Wine to prefer a DLL found on the search path, as Windows does.
source "$(dirname "$0")/e2e_lib.sh"
names=(hid setupapi gdiplus msimg32 comdlg32)
for name in "${names[@]}"; do cp "$build_dir/tests/planted.dll" "$case_dir/$name.dll"; done
export WINEDLLOVERRIDES="$WINEDLLOVERRIDES;$(IFS=,; echo "${names[*]}")=n,b"
# The marker works: loaded by its path, the planted DLL leaves it.
wine rundll32.exe "Z:$case_dir/hid.dll,Probe" >/dev/null 2>&1 || true
wait_for 50 test -f "$case_dir/hid.dll.loaded" || fail "the planted DLL leaves no marker"
rm "$case_dir/hid.dll.loaded"
# Without the simulated mouse: discovery goes through hid and setupapi, the background
# through gdiplus.
start_program
wait_for 150 have_notice "$not_detected_notice" || fail "start-up did not finish: $(notices)"
click_tray
wait_for 50 have_notice "$not_detected_notice" 2 || fail "tray click did not warn again"
loaded=$(cd "$case_dir" && ls ./*.loaded 2>/dev/null || true)
[ -z "$loaded" ] || fail "planted DLLs were loaded: $loaded"
pass
