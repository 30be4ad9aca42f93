#!/usr/bin/env bash
# A short demonstration of cdtool reg against a throw-away root folder.
set -euo pipefail

CDTOOL="${BUILD_DIR:-build}/tools/cdtool/cdtool"
ROOT=$(mktemp -d)
trap 'rm -rf "$ROOT"' EXIT
reg() { "$CDTOOL" --root "$ROOT" reg "$@"; }

echo "== Everything lives under a temporary root: $ROOT"
echo
echo "== Writing two sessions under HKCU\\Software\\Brimvale\\Sessions"
S='HKCU\Software\Brimvale\Sessions'
reg set "$S\\web01" Hostname --sz "web01.example.org"
reg set "$S\\web01" "Port Number" --dword 22
reg set "$S\\web01" "Port Forward" --multi-sz "L8080 localhost:80" "R2222 localhost:22"
reg set "$S\\db\\primary" Hostname --sz 'db1.internal\primary'
reg set "$S\\db\\primary" "Port Number" --dword 0x16
reg set "$S\\db\\primary" "Host Key" --binary 0a1b2c3d4e5f60718293a4b5c6d7e8f90a1b2c3d4e5f60718293a4b5c6d7e8f9

echo
echo "== Reading one value back, plain and as JSON"
reg get "$S\\web01" "Port Number"
reg get "$S\\web01" "Port Forward" --json

echo
echo "== Listing a key, then the whole tree"
reg ls "$S\\web01"
reg tree 'HKCU\Software\Brimvale'

echo
echo "== Exporting the tree as a REGEDIT4 file"
reg export 'HKCU\Software\Brimvale' -o "$ROOT/sessions.reg"
tr -d '\r' < "$ROOT/sessions.reg"

echo "== Importing that file into a separate hive file, and showing what arrived"
reg import "$ROOT/sessions.reg" --into "FILE:$ROOT/copy.db"
reg tree "FILE:$ROOT/copy.db\\Software\\Brimvale\\Sessions\\db"

echo
echo "== A damaged file is refused with its line number, and nothing of it is applied"
printf 'REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\Software\\Brimvale\\Broken]\r\n"Port Number"=dword:123456789\r\n' \
  > "$ROOT/broken.reg"
reg import "$ROOT/broken.reg" 2>&1 || echo "(exit code $?)"
reg ls 'HKCU\Software\Brimvale\Broken' 2>&1 || echo "(exit code $?)"
