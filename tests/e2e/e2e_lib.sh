# Shared steps of the end-to-end cases: a fresh install per case, the exe under Wine + Xvfb.
# shellcheck shell=bash
set -euo pipefail
e2e_root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
build_dir=${QUORVEL_BUILD_DIR:-$e2e_root/build/windows}
case_name=$(basename "$0" .sh)
# shellcheck source=scripts/wine-env
source "$e2e_root/scripts/wine-env"
# Each case has a display, a window manager and a Wine prefix of its own, so cases can run at
# the same time and stopping this case's Wine server touches no other.
unset DISPLAY
quorvel_xvfb_pid=""
quorvel_wm_pid=""
work_dir=$(mktemp -d /tmp/quorvel-e2e.XXXXXX)
trap 'quorvel_display_stop; rm -rf "$work_dir"' EXIT
quorvel_display
export WINEPREFIX=$work_dir/prefix
quorvel_wine_prefix
# The installed files only: traces and screenshots go beside it, so checksums see the install.
case_dir=$work_dir/install
"$e2e_root/scripts/install-layout" "$build_dir" "$case_dir"
export QUORVEL_NOTICE_TRACE="Z:$work_dir/notices.txt"
shot_dir=$build_dir/e2e-shots
mkdir -p "$shot_dir"
program_pid=""
started_at=$(date +%s%N)

cleanup() {
    # The prefix is this case's own: its server takes the program, the tray and the second
    # copy with it.
    wineserver -k 2>/dev/null || true
    if [ -n "$program_pid" ]; then wait "$program_pid" 2>/dev/null || true; fi
    wineserver -w 2>/dev/null || true
    quorvel_display_stop
    rm -rf "$work_dir"
}
trap cleanup EXIT
fail() {
    screenshot "$case_name-failed"
    echo "FAIL: $*" >&2
    exit 1
}
# Milliseconds since $1 (a `date +%s%N` stamp).
elapsed_ms() { echo $((($(date +%s%N) - $1) / 1000000)); }
pass() {
    local ms
    ms=$(elapsed_ms "$started_at")
    printf 'PASS %s in %d.%d s\n' "$case_name" $((ms / 1000)) $((ms % 1000 / 100))
}
screenshot() { import -window root "$shot_dir/$1.png" 2>/dev/null || true; }
# A picture of one window for docs/ (scripts/screenshots sets QUORVEL_DOCS_DIR); without it,
# the picture goes with the other screenshots.
doc_shot() {
    local dir=${QUORVEL_DOCS_DIR:-$shot_dir}
    mkdir -p "$dir"
    import -window "${2:-$(main_window)}" "$dir/$1.png" 2>/dev/null || fail "no picture of $1"
}
# The same for a picture that shows a change (a skin, a language) from the picture file $2
# taken before: waits for the window to differ from it, and fails when it never does.
doc_shot_unlike() {
    local dir=${QUORVEL_DOCS_DIR:-$shot_dir} window=${3:-$(main_window)}
    local candidate=$work_dir/candidate.png
    local before
    before=$(identify -format '%#' "$2") || fail "no picture $2 to compare $1 with"
    differs() {
        import -window "$window" "$candidate" 2>/dev/null &&
            [ "$(identify -format '%#' "$candidate")" != "$before" ]
    }
    wait_for 30 differs || fail "the picture $1 shows the same as $2"
    mv "$candidate" "$dir/$1.png"
}

# Starts the program in the background; its exit code lands in $work_dir/rc. A case longer
# than a minute sets program_seconds.
start_program() {
    (cd "$case_dir" && { timeout "${program_seconds:-60}" wine ./QuorvelMouse.exe "$@"; echo $? >"$work_dir/rc"; }) &
    program_pid=$!
}
program_ended() { [ -f "$work_dir/rc" ]; }
exit_code() { cat "$work_dir/rc"; }
# Waits for a command to succeed: up to $1 tenths of a second of wall time, stretched by
# QUORVEL_E2E_PATIENCE (default 3) so a loaded machine does not fail a passing case.
wait_for() {
    local limit_ms=$(($1 * 100 * ${QUORVEL_E2E_PATIENCE:-3}))
    shift
    local since
    since=$(date +%s%N)
    while true; do
        if "$@"; then return 0; fi
        if (($(elapsed_ms "$since") > limit_ms)); then return 1; fi
        sleep 0.1
    done
}

# The balloons the program handed to the shell: "title<TAB>time-out<TAB>text" per line.
notices() { cat "$work_dir/notices.txt" 2>/dev/null || true; }
notice_count() { notices | grep -cxF -- "$1" || true; }
have_notice() { [ "$(notice_count "$1")" -ge "${2:-1}" ]; }
detected_notice=$(printf 'Info\t100\tThe system detect the gaming mouse.')
not_detected_notice=$(printf 'Warning\t100\tThe system did not detect the gaming mouse!')

# Windows by X: Wine names each after its process; the main window is the large one.
program_windows() { xwininfo -root -tree | grep '"quorvelmouse.exe"' || true; }
main_window() {
    program_windows | awk '!/Default IME/ {split($0, a, /[ +]+/); for (i in a) if (a[i] ~ /^[0-9]+x[0-9]+$/) {split(a[i], s, "x"); if (s[1] >= 400 && s[2] >= 400) {print $1; exit}}}'
}
# The name of the window with the keyboard, and whether that is the main window.
focused_name() { xdotool getwindowname "$(xdotool getwindowfocus)" 2>/dev/null; }
keyboard_with_main() {
    local main
    main=$(xdotool getwindowname "$(main_window)" 2>/dev/null)
    [ -n "$main" ] && [ "$(focused_name)" = "$main" ]
}
# An empty id would make xwininfo wait for a click on some window.
viewable() { [ -n "$1" ] && xwininfo -id "$1" 2>/dev/null | grep -q IsViewable; }
main_visible() {
    local w
    w=$(main_window)
    [ -n "$w" ] && viewable "$w"
}
tray_window() { xdotool search --name 'Wine System Tray' 2>/dev/null | head -1; }
have_tray() { [ -n "$(tray_window)" ] && viewable "$(tray_window)"; }
# Wine draws a balloon as a window of its shell's process, below the tray.
balloon_window() {
    xwininfo -root -tree | awk '/"explorer.exe"/ && !/Wine System Tray/ && !/Default IME/ && !/ 1x1\+/ {print $1}' |
        while read -r w; do if viewable "$w"; then echo "$w"; break; fi; done
}
balloon_visible() { [ -n "$(balloon_window)" ]; }
origin() {
    [ -n "$1" ] || fail "no window to find the origin of"
    xwininfo -id "$1" | awk '/Absolute upper-left X/ {x=$4} /Absolute upper-left Y/ {y=$4} END {print x, y}'
}
# The first icon of the tray: the program's only one.
click_tray() {
    local x y
    read -r x y <<<"$(origin "$(tray_window)")"
    xdotool mousemove $((x + 10)) $((y + 10)) click "${1:-1}"
}
# Right-clicks the tray icon and prints the menu's window once it is open.
open_tray_menu() {
    local attempt
    for attempt in 1 2 3; do
        click_tray 3
        if wait_for 30 menu_open; then
            menu_window
            return 0
        fi
    done
    return 1
}
height_of() { xwininfo -id "$1" | awk '/^ *Height:/ {print $2}'; }
# Right-clicks the tray icon and chooses Exit, the menu's last item; $1 names a screenshot of
# the menu.
choose_exit() {
    local menu x y
    menu=$(open_tray_menu) || return 1
    if [ -n "${1:-}" ]; then screenshot "$1"; fi
    read -r x y <<<"$(origin "$menu")"
    xdotool mousemove $((x + 20)) $((y + $(height_of "$menu") - 10)) click 1
}
menu_window() {
    program_windows | awk '!/Default IME/ {print $1}' | while read -r w; do
        [ "$w" = "$(main_window)" ] && continue
        if viewable "$w"; then echo "$w"; break; fi
    done
}
menu_open() { [ -n "$(menu_window)" ]; }
# Checksums of every installed file, so a changed or added one shows.
install_sums() { (cd "$case_dir" && find . -type f | sort | xargs md5sum); }
# Sets key $1 of str.ini's "Skins" section (UTF-16) to $2 for the next start.
set_skins_key() {
    local ini=$case_dir/str.ini
    iconv -f UTF-16LE -t UTF-8 "$ini" | sed "s/^\(\xef\xbb\xbf\)\?$1=.*\r\?$/\1$1=$2\r/" |
        iconv -f UTF-8 -t UTF-16LE >"$ini.new"
    mv "$ini.new" "$ini"
}
# Sets the UI language code for the next start.
set_language() { set_skins_key Lan "$1"; }
end_session() {
    choose_exit || fail "no tray menu"
    wait_for 50 program_ended || fail "the program did not end"
}
# Opens the window from the tray; win_x, win_y become its client origin (it has no frame).
show_from_tray() {
    local attempt
    for attempt in 1 2 3; do
        click_tray
        if wait_for 30 main_visible; then
            read -r win_x win_y <<<"$(origin "$(main_window)")"
            return 0
        fi
    done
    return 1
}
