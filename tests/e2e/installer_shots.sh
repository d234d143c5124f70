#!/usr/bin/env bash
# docs/installer.png: the installer's pages from welcome to finish, and the uninstaller's choice
# and its closing page, which names the files it kept.
source "$(dirname "$0")/e2e_lib.sh"
export WINEDLLOVERRIDES="$WINEDLLOVERRIDES;winemenubuilder.exe=d"
setup=$(ls -t "$build_dir"/QuorvelMouse-*-setup.exe | head -n 1)
target="$WINEPREFIX/drive_c/Program Files/QuorvelMouse"
task=$WINEPREFIX/drive_c/windows/system32/tasks/QuorvelMouse
pages=$work_dir/pages
mkdir -p "$pages"
rm -f "$task"
titled() { xdotool search --name "$1" 2>/dev/null | head -n 1; }
shoot() {
    sleep 1.5  # the page's controls draw after the window changes
    import -window "$window" "$pages/$1.png" 2>/dev/null || fail "no picture of $1"
}
next() { xdotool windowfocus --sync "$window" key Return; }

# The default folder, as a user sees it; the uninstall below takes it away again.
(wine "$setup" >/dev/null 2>&1 || true) &
wait_for 150 eval '[ -n "$(titled "QuorvelMouse .* Setup$")" ]' || fail "no installer window"
window=$(titled "QuorvelMouse .* Setup$")
shoot 1-welcome
next
shoot 2-licence
next
shoot 3-folder
next
shoot 4-components
next
wait_for 300 eval '[ -f "$task" ]' || fail "nothing installed"
sleep 2  # on to the finish page
shoot 5-finish
# Finish without starting the program: the focused "Start QuorvelMouse now" is unticked first.
xdotool windowfocus --sync "$window" key space
sleep 0.5
next

(wine "$target/uninstall.exe" >/dev/null 2>&1 || true) &
wait_for 150 eval '[ -n "$(titled "QuorvelMouse.*Uninstall")" ]' || fail "no uninstaller window"
window=$(titled "QuorvelMouse.*Uninstall")
next
shoot 6-uninstall-options
next
wait_for 150 eval '[ ! -e "$target/QuorvelMouse.exe" ]' || fail "the uninstall left the program"
sleep 2  # on to the finish page
shoot 7-uninstall-finish
for f in config.bin str.ini; do [ -f "$target/$f" ] || fail "the uninstall took $f"; done
next
dir=${QUORVEL_DOCS_DIR:-$shot_dir}
mkdir -p "$dir"
montage "$pages"/*.png -tile 4x2 -geometry +6+6 -background '#d0d0d0' "$dir/installer.png" ||
    fail "no montage"
pass
