#!/usr/bin/env bash
# The installer, silent: it lays out the program, its entry and its log-on task; the installed
# program runs; an upgrade keeps the user's files; the uninstaller ends the running program,
# removes what was installed and keeps the user's settings and macros.
source "$(dirname "$0")/e2e_lib.sh"
# No Linux menu entries for the shortcut the installer makes.
export WINEDLLOVERRIDES="$WINEDLLOVERRIDES;winemenubuilder.exe=d"
setup=$(ls -t "$build_dir"/QuorvelMouse-*-setup.exe | head -n 1)
version=$(basename "$setup" -setup.exe)
version=${version#QuorvelMouse-}
staged=$build_dir/package/QuorvelMouse
target=$work_dir/programs/QuorvelMouse
win_target="Z:${target//\//\\}"
entry='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\QuorvelMouse'
task=$WINEPREFIX/drive_c/windows/system32/tasks/QuorvelMouse
shortcut="$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/QuorvelMouse.lnk"
# What an earlier, failed run may have left in the shared prefix.
wine reg delete "$entry" /f >/dev/null 2>&1 || true
rm -f "$task" "$shortcut"

install_silently() { wine "$setup" /S "/D=$win_target" || fail "the installer failed ($?)"; }
entry_text() { wine reg query "$entry" 2>/dev/null | tr -d '\r'; }
entry_value() { entry_text | awk -v name="$1" '$1 == name {sub(/^ *[^ ]+ +[^ ]+ +/, ""); print}'; }
have_entry() { wine reg query "$entry" >/dev/null 2>&1; }

# A fresh install: every file as built, the entry, the shortcut and the task.
install_silently
diff -r -x uninstall.exe "$staged" "$target" >/dev/null || fail "files differ: $(diff -rq "$staged" "$target")"
[ -f "$target/uninstall.exe" ] || fail "no uninstaller"
[ "$(entry_value DisplayName)" = QuorvelMouse ] || fail "entry: $(entry_text)"
[ "$(entry_value DisplayVersion)" = "$version" ] || fail "version: $(entry_text)"
[ "$(entry_value Publisher)" = "The QuorvelMouse developers" ] || fail "publisher: $(entry_text)"
[ "$(entry_value DisplayIcon)" = "$win_target\\QuorvelMouse.exe,0" ] || fail "icon: $(entry_text)"
[ "$(entry_value UninstallString)" = "\"$win_target\\uninstall.exe\"" ] || fail "uninstall: $(entry_text)"
[ "$(entry_value QuietUninstallString)" = "\"$win_target\\uninstall.exe\" /S" ] || fail "quiet: $(entry_text)"
size_kib=$(($(entry_value EstimatedSize)))
installed_kib=$(du -sk --apparent-size "$target" | cut -f1)
((size_kib > installed_kib / 2 && size_kib <= installed_kib + 64)) || fail "size $size_kib KiB of $installed_kib"
[ -f "$shortcut" ] || fail "no Start-menu shortcut"
[ -f "$task" ] || fail "no log-on task"
iconv -f UTF-8 -t UTF-8 "$task" | grep -q "Starts QuorvelMouse when you log on" || fail "not our task: $(cat "$task")"

# One version everywhere: the entry, the file properties of both programs, quorvelctl.
[ "$(wine "$target/quorvelctl.exe" --version | tr -d '\r')" = "quorvelctl $version" ] || fail "--version"
for exe in QuorvelMouse quorvelctl; do
    shown=$(strings -el "$target/$exe.exe" | grep -A1 -x -E 'FileVersion|ProductVersion' | grep -cx "$version")
    [ "$shown" -eq 2 ] || fail "$exe.exe does not carry version $version in its file properties"
done

# The installed program runs from there.
case_dir=$target
start_program --simulate
wait_for 150 have_tray || fail "no tray icon from the installed program"

# The user's settings and macros change; an upgrade over the running program keeps them.
printf '\x07' | dd of="$target/config.bin" bs=1 seek=100 conv=notrunc status=none
printf '[Mine]\r\nItemCount=1\r\nItem0=A   Dn\r\n' >"$target/record.ini"
mkdir -p "$target/Profiles"
printf '{"format": "kept as it is"}' >"$target/Profiles/Game.json"
cp "$target/config.bin" "$target/record.ini" "$target/str.ini" "$target/Profiles/Game.json" "$work_dir/"
cmp -s "$target/config.bin" "$staged/config.bin" && fail "config.bin did not change"
install_silently
wait_for 100 program_ended || fail "the upgrade did not end the running program"
[ "$(exit_code)" -eq 0 ] || fail "the program ended with $(exit_code)"
for f in config.bin record.ini str.ini Profiles/Game.json; do
    cmp -s "$target/$f" "$work_dir/${f#Profiles/}" || fail "the upgrade changed $f"
done
cmp -s "$target/QuorvelMouse.exe" "$staged/QuorvelMouse.exe" || fail "the program was not replaced"

# A silent uninstall while the program runs ends it and leaves only the user's files.
rm -f "$work_dir/rc"
start_program --simulate
wait_for 150 have_tray || fail "no tray icon before the uninstall"
wine "$target/uninstall.exe" /S || fail "the uninstaller failed ($?)"
wait_for 100 program_ended || fail "the uninstall did not end the program"
[ "$(exit_code)" -eq 0 ] || fail "the program ended with $(exit_code)"
# The uninstaller finishes from a copy of itself in the temporary folder.
left() { (cd "$target" && find . -mindepth 1 | LC_ALL=C sort | tr '\n' ' '); }
wait_for 100 eval '[ "$(left)" = "./Profiles ./Profiles/Game.json ./config.bin ./record.ini ./str.ini " ]' ||
    fail "left behind: $(left)"
for f in config.bin record.ini str.ini Profiles/Game.json; do
    cmp -s "$target/$f" "$work_dir/${f#Profiles/}" || fail "the uninstall changed $f"
done
wait_for 50 eval '! have_entry' || fail "the entry is still there: $(entry_text)"
[ ! -e "$task" ] || fail "the log-on task is still there"
[ ! -e "$shortcut" ] || fail "the shortcut is still there"
pass
