#!/usr/bin/env bash
# Exit from the tray menu ends the process with code 0 and changes no installed file. With
# "Lan" set to CHS the notices speak Simplified Chinese.
source "$(dirname "$0")/e2e_lib.sh"
settings=$case_dir/str.ini
{
    printf '\xff\xfe'
    iconv -f UTF-16LE -t UTF-8 "$settings" | sed '1s/^\xef\xbb\xbf//; s/^Lan=.*/Lan=CHS\r/' |
        iconv -f UTF-8 -t UTF-16LE
} >"$settings.new"
mv "$settings.new" "$settings"
before=$(install_sums)
start_program --simulate
chinese_detected=$(printf 'Info\t100\t系统检测到游戏鼠标。')
wait_for 150 have_notice "$chinese_detected" || fail "no Chinese notice: $(notices)"
wait_for 50 balloon_visible || fail "no balloon on screen"
choose_exit exit_menu_chinese || fail "no tray menu"
wait_for 100 program_ended || fail "Exit did not end the program"
[ "$(exit_code)" -eq 0 ] || fail "exit code $(exit_code)"
[ "$(install_sums)" = "$before" ] || fail "files changed: $(diff <(echo "$before") <(install_sums))"
pass
