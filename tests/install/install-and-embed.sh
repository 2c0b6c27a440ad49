#!/usr/bin/env bash
# Installs the build into a temporary prefix and uses it as a stranger to the source tree would:
# builds examples/embed against the installed package with find_package(vntab) and with
# pkg-config, runs both without a display, and checks what they show against the installed
# `vntab render` run from another folder.
# usage: install-and-embed.sh BUILD_DIR
set -euo pipefail
build=$(readlink -f "${1:?build folder}")
work=$(mktemp -d "${TMPDIR:-/tmp}/vntab-install.XXXXXX")
trap 'rm -rf "$work"' EXIT
prefix=$work/prefix
fail() { echo "install test: $*" >&2; exit 1; }

cmake --install "$build" --prefix "$prefix" >"$work/install.log" || { cat "$work/install.log"; fail "cmake --install failed"; }
libdir=$(dirname "$(find "$prefix" -name 'libvntab.so' | head -n 1)")
[ -d "$libdir" ] || fail "no libvntab.so installed"
docdir=$prefix/share/doc/vntab
for f in bin/vntab include/vntab/vntab.h include/vntab/version.h share/man/man1/vntab.1.gz \
         share/bash-completion/completions/vntab share/doc/vntab/examples/showcase.frm \
         share/doc/vntab/examples/embed/main.cpp; do
    [ -e "$prefix/$f" ] || fail "$f is not installed"
done
if [ -x "$build/apps/studio/vntab-studio" ]; then
    for f in bin/vntab-studio share/man/man1/vntab-studio.1.gz; do
        [ -e "$prefix/$f" ] || fail "$f is not installed"
    done
    zcat "$prefix/share/man/man1/vntab-studio.1.gz" | grep -q "$docdir/examples" \
        || fail "the studio's manual page does not name the installed examples"
fi
[ -e "$libdir/cmake/vntab/vntabConfig.cmake" ] || fail "no CMake package"
grep -qx "prefix=$prefix" "$libdir/pkgconfig/vntab.pc" || fail "vntab.pc does not name the prefix it was installed to"
zcat "$prefix/share/man/man1/vntab.1.gz" | grep -q "$docdir/examples" || fail "the manual page does not name the installed examples"

# Everything below runs outside the source and build trees.
cd "$work"
"$prefix/bin/vntab" --version | grep -qx "vntab [0-9]*\.[0-9]*\.[0-9]*" || fail "vntab --version"
examples=$docdir/examples

# find_package(vntab), from the installed example sources.
cmake -S "$examples/embed" -B "$work/cmake-build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
      -DCMAKE_PREFIX_PATH="$prefix" >"$work/configure.log" 2>&1 || { cat "$work/configure.log"; fail "configure with find_package"; }
cmake --build "$work/cmake-build" >"$work/build.log" 2>&1 || { cat "$work/build.log"; fail "build with find_package"; }

# pkg-config, with the flags it gives and nothing else.
export PKG_CONFIG_PATH=$libdir/pkgconfig
c++ -std=c++17 -o "$work/embed-pc" "$examples/embed/main.cpp" $(pkg-config --cflags --libs vntab sdl2) \
    >"$work/pc.log" 2>&1 || { cat "$work/pc.log"; fail "build with pkg-config"; }

# The showcase's tab control stands at (8, 8) on its form; its second header is at (120, 20) of the
# control. Both builds click it through SDL's event queue, the installed tool through its script.
export SDL_VIDEODRIVER=dummy
"$work/cmake-build/embed" "$examples/showcase.frm" --frames 3 --click 128 28 --png cmake.png >cmake.events \
    || fail "the find_package build did not run"
LD_LIBRARY_PATH=$libdir "$work/embed-pc" "$examples/showcase.frm" --frames 3 --click 128 28 --png pc.png >pc.events \
    || fail "the pkg-config build did not run"
"$prefix/bin/vntab" render "$examples/showcase.frm" -o tool.png --steps "click 120 20" || fail "vntab render"
"$prefix/bin/vntab" render "$examples/showcase.frm" -o first.png || fail "vntab render"
grep -q '^AfterTabChanged' cmake.events || fail "the click raised no AfterTabChanged: $(cat cmake.events)"
cmp -s cmake.events pc.events || fail "the two builds heard different events"
cmp -s cmake.png tool.png || fail "the embedded form does not show what vntab render shows"
cmp -s pc.png tool.png || fail "the pkg-config build does not show what vntab render shows"
! cmp -s tool.png first.png || fail "the click changed nothing"

# A lone control saved by the program reads back in the installed tool as it was shown.
"$work/cmake-build/embed" --frames 1 --png lone.png --save lone.frm >/dev/null || fail "the lone control did not run"
"$prefix/bin/vntab" render lone.frm -o lone-again.png || fail "vntab render of the saved lone control"
cmp -s lone.png lone-again.png || fail "the saved lone control renders differently"
echo "install test: installed, built with find_package and pkg-config, ran headless, pictures agree"
