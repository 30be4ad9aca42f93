#!/usr/bin/env bash
# Installs the build into a temporary prefix, then builds and runs a host against it twice:
# through find_package(ConnectDialog) and through pkg-config, and a Qt host through the package's
# Qt component; checks that cdhost comes with its product links, desktop entries, icon and help
# page, and finds the installed plug-ins. Usage: install_test.sh BUILD_DIR
set -euo pipefail
build=$1
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cmake --install "$build" --prefix "$work/prefix" >/dev/null
export BRIMVALE_ROOT="$work/root"
mkdir -p "$BRIMVALE_ROOT"

cmake -S "$here/outside_host" -B "$work/host" -DCMAKE_PREFIX_PATH="$work/prefix" >/dev/null
cmake --build "$work/host" >/dev/null
listed=$("$work/host/outside_host")
[ "$listed" = "outside" ] || { echo "the CMake-built host listed: $listed"; exit 1; }

rm -rf "$BRIMVALE_ROOT" && mkdir -p "$BRIMVALE_ROOT"
flags=$(PKG_CONFIG_PATH="$work/prefix/lib/pkgconfig" pkg-config --cflags --libs connectdialog)
# shellcheck disable=SC2086
g++ "$here/outside_host/main.cpp" $flags -Wl,-rpath,"$work/prefix/lib" -o "$work/pc_host"
listed=$("$work/pc_host")
[ "$listed" = "outside" ] || { echo "the pkg-config-built host listed: $listed"; exit 1; }

# The installed tool finds the installed plug-ins by itself.
"$work/prefix/bin/cdtool" protocols | grep -q "$work/prefix/lib/connectdialog/Connection Protocols/SSH2.so" ||
  { echo "the installed cdtool did not load the installed plug-ins"; exit 1; }
# The Qt front end: a host outside the tree finds it as the package's component Qt.
cmake -S "$here/outside_qt_host" -B "$work/qthost" -DCMAKE_PREFIX_PATH="$work/prefix" >/dev/null
cmake --build "$work/qthost" >/dev/null
shown=$(QT_QPA_PLATFORM=offscreen "$work/qthost/outside_qt_host")
[ "$shown" = "qt" ] || { echo "the Qt host's dialogs are shown by: $shown"; exit 1; }

# cdhost and what a desktop needs to show and start it.
for file in bin/cdhost share/applications/cdhost.desktop share/applications/cdhost-halofyx.desktop \
            share/icons/hicolor/scalable/apps/cdhost.svg share/doc/ConnectDialog/README.md \
            include/connectdialog/qt/ConnectDialogQtInit.h include/connectdialog/qt/QtDialogPresenter.h; do
  [ -f "$work/prefix/$file" ] || { echo "not installed: $file"; exit 1; }
done
for product in korvo halokorvo halofyx; do
  [ "$(readlink "$work/prefix/bin/cdhost-$product")" = cdhost ] || { echo "no link cdhost-$product"; exit 1; }
done
for entry in "$work/prefix"/share/applications/*.desktop; do
  program=$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$entry")
  [ -x "$work/prefix/bin/$program" ] || { echo "$entry starts $program, which is not installed"; exit 1; }
  grep -qx 'Type=Application' "$entry" && grep -qx 'Icon=cdhost' "$entry" ||
    { echo "$entry is not an application entry with the cdhost icon"; exit 1; }
done
python3 -c 'import sys, xml.etree.ElementTree as x; r = x.parse(sys.argv[1]).getroot(); sys.exit(r.tag != "{http://www.w3.org/2000/svg}svg")' \
  "$work/prefix/share/icons/hicolor/scalable/apps/cdhost.svg" || { echo "the icon is not an SVG document"; exit 1; }
# The installed cdhost loads the installed plug-ins, as each product its link names.
"$work/prefix/bin/cdtool" session new web --protocol SSH2 --host web.lan >/dev/null
[ "$("$work/prefix/bin/cdhost" --print-command web)" = "ssh -p 22 -- web.lan" ] ||
  { echo "the installed cdhost did not print the session's command"; exit 1; }
"$work/prefix/bin/cdtool" --product halofyx session from-url sftp://files.lan --save files >/dev/null
[ "$("$work/prefix/bin/cdhost-halofyx" --print-command files)" = "sftp -P 22 -- files.lan" ] ||
  { echo "the installed cdhost-halofyx did not print the transfer command"; exit 1; }

# No installed header names the build tree.
! grep -rl "$(cd "$here/../.." && pwd)" "$work/prefix/include" "$work/prefix/lib/cmake" "$work/prefix/lib/pkgconfig"
