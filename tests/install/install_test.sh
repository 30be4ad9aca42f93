#!/usr/bin/env bash
# Installs the build into a temporary prefix, then builds and runs a host against it twice:
# through find_package(ConnectDialog) and through pkg-config. Usage: install_test.sh BUILD_DIR
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
# No installed header names the build tree.
! grep -rl "$(cd "$here/../.." && pwd)" "$work/prefix/include" "$work/prefix/lib/cmake" "$work/prefix/lib/pkgconfig"
