#!/usr/bin/env bash
# The layout scripts/run starts from: a second layout keeps the person's settings and macros
# and replaces the program and the skins; --fresh lays the defaults down again.
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
work=$(mktemp -d /tmp/quorvel-layout.XXXXXX)
trap 'rm -rf "$work"' EXIT
fail() {
    echo "FAIL: $*" >&2
    exit 1
}
layout() { "$root/scripts/install-layout" "$@" "$work/build" "$work/install"; }
mkdir -p "$work/build/src"
echo one >"$work/build/src/QuorvelMouse.exe"
install=$work/install

layout
cmp -s "$install/config.bin" "$root/data/config.bin" || fail "no default config.bin"
cmp -s "$install/str.ini" "$root/data/str.ini" || fail "no default str.ini"
[ -f "$install/Skins/Default/$(ls "$root/skins/Default" | head -n 1)" ] || fail "no Default skin"

# What a run changed stays; a new build and a skin file gone from the checkout do not linger.
printf '\x07' | dd of="$install/config.bin" bs=1 seek=100 conv=notrunc status=none
printf 'mine' >"$install/str.ini"
printf '[Mine]\r\nItemCount=0\r\n' >"$install/record.ini"
cp "$install/config.bin" "$install/str.ini" "$install/record.ini" "$work/"
touch "$install/Skins/Default/stale.png"
echo two >"$work/build/src/QuorvelMouse.exe"
layout
for f in config.bin str.ini record.ini; do
    cmp -s "$install/$f" "$work/$f" || fail "a second layout changed $f"
done
[ "$(cat "$install/QuorvelMouse.exe")" = two ] || fail "the program was not replaced"
[ ! -e "$install/Skins/Default/stale.png" ] || fail "a skin file not in the checkout stayed"

# A clean start.
touch "$install/config.bin.bak"
layout --fresh
cmp -s "$install/config.bin" "$root/data/config.bin" || fail "--fresh kept config.bin"
cmp -s "$install/str.ini" "$root/data/str.ini" || fail "--fresh kept str.ini"
[ ! -e "$install/record.ini" ] || fail "--fresh kept record.ini"
[ ! -e "$install/config.bin.bak" ] || fail "--fresh kept config.bin.bak"

if "$root/scripts/install-layout" --fresh "$work/build" 2>/dev/null; then fail "one folder accepted"; fi
echo "PASS install_layout"
