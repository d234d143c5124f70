#!/usr/bin/env bash
# The uninstaller's "Also remove my settings and macros", ticked by the user: the folder goes
# with the user's files and profiles in it.
source "$(dirname "$0")/e2e_lib.sh"
export WINEDLLOVERRIDES="$WINEDLLOVERRIDES;winemenubuilder.exe=d"
setup=$(ls -t "$build_dir"/QuorvelMouse-*-setup.exe | head -n 1)
target=$work_dir/programs/QuorvelMouse
wine "$setup" /S "/D=Z:${target//\//\\}" || fail "the installer failed ($?)"
printf '[Mine]\r\nItemCount=0\r\n' >"$target/record.ini"
mkdir -p "$target/Profiles" && printf '{}' >"$target/Profiles/Game.json"
[ -f "$target/config.bin" ] && [ -f "$target/str.ini" ] || fail "not installed"

(wine "$target/uninstall.exe" >/dev/null 2>&1 || true) &
titled() { xdotool search --name "$1" 2>/dev/null | head -n 1; }
wait_for 150 eval '[ -n "$(titled "QuorvelMouse.*Uninstall")" ]' || fail "no uninstaller window"
window=$(titled "QuorvelMouse.*Uninstall")
xdotool windowfocus --sync "$window" key Return # the confirmation page: Next
sleep 1.5
# The components page: the option's tick box, then "Uninstall".
xdotool mousemove --window "$window" 186 163 click 1
sleep 0.5
screenshot uninstall_data_ticked
xdotool mousemove --window "$window" 361 338 click 1
wait_for 100 eval '[ ! -e "$target" ]' || fail "left behind: $(ls -A "$target" | tr '\n' ' ')"
pass
