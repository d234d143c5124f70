# Steps shared by the macro-key and skin-chooser cases and their pictures.
# shellcheck shell=bash
# shellcheck source=tests/e2e/e2e_lib.sh
source "$(dirname "${BASH_SOURCE[0]}")/e2e_lib.sh"
# The height of one entry of a list box in the dialogs' font.
list_item_height=14
# Clicks entry $2 (from 0) of the open list of a dialog whose list starts at client y = $3.
click_entry() { click_in "$1" 80 $(($3 + 2 + list_item_height * $2 + list_item_height / 2)); }

# Clicks at client coordinates of a window (its client area starts at its origin).
click_in() {
    local x y
    read -r x y <<<"$(origin "$1")"
    xdotool mousemove $((x + $2)) $((y + $3)) click 1
}
# The sub-dialog in front of the main window: a viewable program window of dialog size.
sub_dialog() {
    program_windows | awk '!/Default IME/ {split($0, a, /[ +]+/); for (i in a) if (a[i] ~ /^[0-9]+x[0-9]+$/) {split(a[i], s, "x"); if (s[1] >= 300 && s[1] < 500 && s[2] >= 250 && s[2] < 400) print $1}}' |
        while read -r w; do if viewable "$w"; then echo "$w"; break; fi; done
}
dialog_open() { [ -n "$(sub_dialog)" ]; }
dialog_closed() { [ -z "$(sub_dialog)" ]; }
# str.ini as text, whatever its encoding.
settings_text() {
    local file=$case_dir/str.ini
    if [ "$(head -c2 "$file" | od -An -tx1 | tr -d ' ')" = "fffe" ]; then
        tail -c +3 "$file" | iconv -f UTF-16LE -t UTF-8 | tr -d '\r'
    else
        tr -d '\r' <"$file"
    fi
}
setting() { settings_text | awk -F= -v k="$1" '$1 == k {print substr($0, length(k) + 2); exit}'; }
# The brightness (0 to 255) of one pixel of a picture.
brightness() { convert "$1" -format "%[fx:int(255*p{$2,$3}.intensity)]" info:; }
# Opens the skin chooser from the main window's skins button (701, 5, 719, 23).
open_skin_chooser() {
    local attempt
    for attempt in 1 2 3; do
        click_in "$(main_window)" 710 14
        if wait_for 30 dialog_open; then return 0; fi
    done
    return 1
}
# Opens the key list of the third button and chooses "Macro Key" (function 13) in it.
open_macro_dialog() {
    local attempt
    for attempt in 1 2 3; do
        click_in "$(main_window)" 350 255
        sleep 0.5
        click_in "$(main_window)" 350 $((267 + 13 * list_item_height + list_item_height / 2))
        if wait_for 30 dialog_open; then return 0; fi
    done
    return 1
}
# A message box of the program: a small window captioned "Warning".
warning_window() { xdotool search --onlyvisible --name '^Warning$' 2>/dev/null | head -1; }
warning_open() { viewable "$(warning_window)"; }
warning_closed() { ! warning_open; }
