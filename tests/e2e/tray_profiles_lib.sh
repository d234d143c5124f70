# Steps shared by the tray menu's profile case and its picture: a profile made with quorvelctl,
# the menu's items found by their rows.
# shellcheck shell=bash
# shellcheck source=tests/e2e/macroskin_lib.sh
source "$(dirname "${BASH_SOURCE[0]}")/macroskin_lib.sh"
ctl=$build_dir/src/quorvelctl.exe
# Rows of a menu in Wine's menu font: the first starts below a frame, a separator is thinner.
menu_frame=3
menu_row=17
# The top menu's rows: Profiles, Save..., Use for a running program, Switch automatically,
# Open profiles folder, then a separator and Exit.
row_profiles=0
row_save=1

# Saves the installed config.bin with report rate code $2 as profile $1, with quorvelctl.
make_profile() {
    cp "$case_dir/config.bin" "$work_dir/$1.bin"
    # The record follows config.bin's one-byte flag; its report rate is at 133.
    printf "\\x$2" | dd of="$work_dir/$1.bin" bs=1 seek=134 conv=notrunc status=none
    wine "$ctl" profile save "$1" --config "Z:$work_dir/$1.bin" --dir "Z:$case_dir/Profiles" \
        >/dev/null 2>&1 || fail "quorvelctl could not save profile $1"
}
# Points at row $2 of menu window $1 (and clicks it with $3 = click).
menu_row_at() {
    local x y
    read -r x y <<<"$(origin "$1")"
    xdotool mousemove $((x + 30)) $((y + menu_frame + menu_row * $2 + menu_row / 2))
    if [ "${3:-}" = click ]; then xdotool click 1; fi
}
# A menu window of the program other than the main window and the menus named: the submenu
# they opened.
submenu_of() {
    program_windows | awk '!/Default IME/ {print $1}' | while read -r w; do
        [[ " $* $(main_window) " == *" $w "* ]] && continue
        if viewable "$w"; then echo "$w"; break; fi
    done
}
submenu_open() { [ -n "$(submenu_of "$@")" ]; }
# Opens the tray menu and its "Profiles" submenu; prints both windows.
open_profiles_menu() {
    local menu attempt
    for attempt in 1 2 3; do
        menu=$(open_tray_menu) || continue
        menu_row_at "$menu" "$row_profiles" click
        if wait_for 30 submenu_open "$menu"; then
            echo "$menu $(submenu_of "$menu")"
            return 0
        fi
        xdotool mousemove 900 800 click 1
    done
    return 1
}
