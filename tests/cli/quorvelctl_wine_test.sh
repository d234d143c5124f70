#!/usr/bin/env bash
# quorvelctl.exe under Wine with the simulated mouse: the Windows build's ports, exit codes,
# files and output. The native test binary covers the commands in depth.
# Usage: quorvelctl_wine_test.sh QUORVELCTL_EXE INSTALLED_CONFIG_BIN
set -euo pipefail
exe=$1
installed=$2
root=$(cd "$(dirname "$0")/../.." && pwd)
# shellcheck source=scripts/wine-env
source "$root/scripts/wine-env"
quorvel_wine_prefix
dir=$(mktemp -d /tmp/quorvelctl-wine.XXXXXX)
trap 'rm -rf "$dir"' EXIT
cd "$dir"
cp "$installed" config.bin
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }

# Runs the tool; sets $code, $out and $err (carriage returns dropped).
ctl() {
    set +e
    wine "$exe" "$@" >out.txt 2>err.txt
    code=$?
    set -e
    out=$(tr -d '\r' <out.txt)
    err=$(tr -d '\r' <err.txt)
}

ctl --version
[ "$code" = 0 ] && [ "$out" = "quorvelctl 0.1.0" ] || fail "--version: $code '$out'"
ctl frobnicate
[ "$code" = 2 ] && [[ $err == "quorvelctl: unknown command 'frobnicate'"* ]] || fail "usage: $code '$err'"
ctl --simulate --sensor 3 status
[ "$code" = 0 ] && [[ $out == *"sensor type: 3 (DPI 400 800"* ]] || fail "status: $code '$out' '$err'"
ctl --simulate --sensor 7 status
[ "$code" = 0 ] && [[ $out == *"sensor type: 7 (no DPI list known)"* ]] || fail "status 7: $code '$out' '$err'"
ctl list
[ "$code" = 1 ] && [[ $err == "quorvelctl: no mouse found (USB 04d9:a09f); check that it is plugged in"*"--simulate"* ]] ||
    fail "list: $code '$err'"

ctl --simulate --sensor 1 show
[ "$code" = 0 ] && [[ $out == *"  2: on, 1200 DPI, colour #00ff00"* ]] || fail "show: $code '$out'"

ctl init --config fresh.bin
[ "$code" = 0 ] && cmp -s fresh.bin "$installed" || fail "init: $code '$err'"
ctl init --config fresh.bin
[ "$code" = 1 ] || fail "init over a file: $code"
ctl init --config none/fresh.bin
[ "$code" = 1 ] && [[ $err == *"none: no such folder, so none/fresh.bin"* ]] || fail "init in no folder: $code '$err'"

ctl export --out mine.json
[ "$code" = 0 ] || fail "export: $code '$err'"
ctl import mine.json
[ "$code" = 0 ] || fail "import: $code '$err'"
cmp -s config.bin "$installed" && cmp -s config.bin.bak "$installed" || fail "round trip changed config.bin"
sed 's/"speed_position": 6/"speed_position": 0/' mine.json >bad.json
rm -f config.bin.bak
ctl import bad.json
[ "$code" = 1 ] && [[ $err == "quorvelctl: bad.json: pointer.speed_position: "* ]] || fail "damaged import: $code '$err'"
[ ! -e config.bin.bak ] && cmp -s config.bin "$installed" || fail "damaged import wrote"

ctl --simulate apply --trace trace.txt
[ "$code" = 0 ] || fail "apply: $code '$err'"
[ "$(grep -c '^write ' trace.txt)" = 58 ] && [ "$(grep -c '^read ' trace.txt)" = 48 ] ||
    fail "apply trace: $(cut -d' ' -f1 trace.txt | sort | uniq -c | tr '\n' ' ')"
head -c 100 "$installed" >short.bin
ctl --simulate apply --config short.bin --trace short-trace.txt
[ "$code" = 1 ] && [ ! -e short-trace.txt ] || fail "short apply: $code '$err'"

ctl --simulate watch --sim-notify 7:2,9:4 --count 2
[ "$code" = 0 ] && [ "$out" = $'dpi-stage 2: DPI stage 2, 1000 DPI\nmacro-key 4: macro key 4' ] ||
    fail "watch: $code '$out'"

# Profiles: the folder is made, files replaced and deleted through the Windows ports.
ctl profile save Game
[ "$code" = 0 ] && [ -f Profiles/Game.json ] || fail "profile save: $code '$err'"
ctl profile rule Game notepad.exe
ctl profile list
[ "$code" = 0 ] && [ "$out" = $'Game\tprograms: notepad.exe' ] || fail "profile list: $code '$out' '$err'"
ctl profile save 'LPT3.txt'
[ "$code" = 1 ] && [[ $err == *"device name"* ]] || fail "profile name rule: $code '$err'"
ctl --simulate profile apply Game --trace profile-trace.txt
[ "$code" = 0 ] && cmp -s profile-trace.txt trace.txt || fail "profile apply: $code '$err'"
ctl profile delete Game
[ "$code" = 0 ] && [ ! -e Profiles/Game.json ] || fail "profile delete: $code '$err'"

if ((failures)); then exit 1; fi
echo "PASS quorvelctl under Wine"
