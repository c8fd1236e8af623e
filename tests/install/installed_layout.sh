#!/usr/bin/env bash
# Installs the build into a fresh prefix and checks the layout the designer relies on: the test program in
# TestSkin/ beside the designer (where the Test skin command starts it), the user guide where Help Topics
# looks, and the sample skin; then the installed test program renders the installed sample.
set -euo pipefail
build="$1"
prefix="$(mktemp -d)"
trap 'rm -rf "$prefix"' EXIT
failures=0
check() {  # check DESCRIPTION COMMAND...
    local what="$1"; shift
    if "$@"; then echo "ok   $what"; else echo "FAIL $what"; failures=$((failures + 1)); fi
}

cmake --install "$build" --prefix "$prefix" > "$prefix/install.log"
bin="$prefix/bin"
check "designer installed" test -x "$bin/vornadesk"
check "command-line tool installed" test -x "$bin/vornadesk-cli"
check "test program beside the designer in TestSkin/" test -x "$bin/TestSkin/Corvalet"
check "user guide where Help Topics looks (../share/vornadesk/help)" test -f "$bin/../share/vornadesk/help/index.html"
sample="$prefix/share/vornadesk/samples/Amberline.rss"
check "sample skin installed" test -f "$sample"

# The installed program runs from its own place, not the build tree's.
shot="$prefix/shot.png"
check "installed test program renders the sample" "$bin/TestSkin/Corvalet" "$sample" --screenshot "$shot" --size 400x300
size="$(python3 -c 'import struct,sys; d=open(sys.argv[1],"rb").read(24); print("%dx%d" % struct.unpack(">II", d[16:24]))' "$shot" 2>/dev/null || true)"
check "screenshot has the asked size (got $size)" test "$size" = "400x300"
if "$bin/TestSkin/Corvalet" "$prefix/missing.rss" --screenshot "$prefix/none.png" 2>/dev/null; then
    check "a missing package fails" false
else
    check "a missing package fails" test ! -e "$prefix/none.png"
fi

if [ "$failures" -ne 0 ]; then echo "$failures check(s) failed"; exit 1; fi
echo "all checks passed"
