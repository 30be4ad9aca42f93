#!/usr/bin/env bash
# A short demonstration of cdtool against a throw-away root folder: the session tree first,
# then the registry stand-in underneath.
set -euo pipefail

CDTOOL="${BUILD_DIR:-build}/tools/cdtool/cdtool"
ROOT=$(mktemp -d)
trap 'rm -rf "$ROOT"' EXIT
reg() { "$CDTOOL" --root "$ROOT" reg "$@"; }

echo "== Everything lives under a temporary root: $ROOT"
echo
session() { "$CDTOOL" --root "$ROOT" session "$@"; }

echo "== The session tree of HaloKorvo's store: folders, then sessions of several protocols"
session mkdir Lab
session mkdir 'Lab\Routers'
session mkdir Office
session new 'Lab\Routers\core 1' --protocol SSH2 --host 10.0.0.1 --port 2222 --user admin
session new 'Lab\Routers\edge' --protocol Telnet --host edge.lab.example
session new 'Lab\console' --protocol Serial
session new 'Office\printer' --protocol RLogin --host printer.office.example --user ops
session new web01 --protocol SSH2 --host web01.example.org --user deploy
session new db01 --protocol SSH2 --host db01.example.org
echo "-- a firewall beside the sessions (its password read from stdin, stored encoded)"
echo 'proxy-secret' | "$CDTOOL" --root "$ROOT" firewall add corp-socks --type SOCKSv5_USERPASS \
  --host socks.office.example --port 1080 --user ops --password-stdin
"$CDTOOL" --root "$ROOT" firewall show corp-socks
echo "-- a session made from a URL, stored by HaloFyx in its own configuration folder"
"$CDTOOL" --root "$ROOT" --product halofyx session from-url 'sftp://ops@files.office.example:2222/srv/share' \
  --save files
"$CDTOOL" --root "$ROOT" --product halofyx session ls
echo "-- arranged by hand: Office before Lab, db01 before web01, a copy of core 1 beside it"
session reorder Office Lab --before
session reorder db01 web01 --before
session cp 'Lab\Routers\core 1' 'Lab\Routers' --unique
session rename 'Lab\Routers\core 1 (1)' 'core 2'
session ls --tree
echo
echo "-- the same folder in store (alphabetical) order"
session ls --alpha
echo
echo "== One session in full (derived values first)"
session show 'Lab\Routers\core 1' > "$ROOT/core1.txt"
head -n 20 "$ROOT/core1.txt"
echo "   ..."
echo
echo "== A change to the default session applied to every session, with the tally"
session apply-default 'Scrollback=2000' 'Title Bar=%S on %H' --yes
session show 'Office\printer' | grep -E '^(Scrollback|Title Bar)\b'
echo "-- and each session keeps its own connection"
session show 'Lab\Routers\core 1' | grep -E '^(relevantProtocol|host|port|user):'
echo
echo "== The registry stand-in underneath"
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

# ./x demo --gui: the same store in cdhost, the Qt host, until its window is closed.
if [ -n "${DEMO_HOST:-}" ]; then
  echo
  echo "== cdhost on this demonstration store (HaloKorvo's sessions); close its window to end"
  BRIMVALE_ROOT="$ROOT" "$DEMO_HOST"
fi
