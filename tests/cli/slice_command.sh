#!/usr/bin/env bash
# vornadesk-cli slice: nine-part drawing of a package picture into a PNG; pixel checks and exit codes.
source "$(dirname "$0")/harness.bash"
cd "$tmp"

needs_drawing slice

# An 8 x 8 24-bit BMP whose pixel (x, y) is (30x, 30y, 77), except (1, 1), which is magenta.
mkdir -p art/pictures
python3 "$here/bmp24.py" art/pictures/art.bmp "(255, 0, 255) if (x, y) == (1, 1) else (30 * x, 30 * y, 77)"
printf 'undecodable' > art/pictures/broken.bmp
printf '[Frames]\r\n1ID=3001\r\n1Caption=Main\r\n1ActiveTopImg=art.bmp\r\nIndexs=1\r\n\r\n' > art/config.ini
"$cli" pack art skin.rss; check "pack the test skin" 0 $?
"$cli" pack art locked.rss --password pw; check "pack a locked skin" 0 $?

src() { echo "$((30 * $1)) $((30 * $2)) 77 255"; }  # the picture's pixel (x, y), opaque

# Tiled: 2-pixel corners; the 4 x 4 middle repeats from the destination's top-left corner.
"$cli" slice skin.rss art.bmp --rect 0,0,8,8 --corners 2,2,2,2 --size 20x12 -o tiled.png
check "tiled slice" 0 $?
check "tiled size" "20 12" "$(px tiled.png size)"
check "top-left corner" "$(src 0 0)" "$(px tiled.png 0 0)"
check "bottom-right corner" "$(src 7 7)" "$(px tiled.png 19 11)"
check "top-right corner" "$(src 6 0)" "$(px tiled.png 18 0)"
check "top edge repeats columns 2..5" "$(src 5 0)" "$(px tiled.png 9 0)"
check "top edge second round" "$(src 2 1)" "$(px tiled.png 10 1)"
check "centre repeats" "$(src 5 2)" "$(px tiled.png 9 6)"
check "left edge repeats rows 2..5" "$(src 1 3)" "$(px tiled.png 1 7)"
check "magenta copied without key" "255 0 255 255" "$(px tiled.png 1 1)"

# Stretched: the middle 4 pixels double to 8; destination i of the middle shows source 2 + i / 2.
"$cli" slice skin.rss ART.BMP --rect 0,0,8,8 --corners 2,2,2,2 --stretch 11111 --size 12x12 -o stretched.png
check "stretched slice, name in other case" 0 $?
check "stretched centre" "$(src 3 3)" "$(px stretched.png 5 5)"
check "stretched centre, far side" "$(src 5 4)" "$(px stretched.png 9 6)"
check "stretched bottom edge" "$(src 4 7)" "$(px stretched.png 7 11)"

# Mixed modes: top edge stretched, centre tiled; a sub-rectangle of the picture.
"$cli" slice skin.rss art.bmp --rect 2,2,6,6 --corners 1,1,1,1 --stretch 10000 --size 8x8 -o mixed.png
check "mixed slice" 0 $?
check "sub-rectangle corner" "$(src 2 2)" "$(px mixed.png 0 0)"
check "stretched top edge" "$(src 3 2)" "$(px mixed.png 2 0)"
check "tiled centre" "$(src 3 3)" "$(px mixed.png 3 3)"

# The key leaves the transparent background.
"$cli" slice skin.rss art.bmp --rect 0,0,8,8 --corners 2,2,2,2 --size 10x10 --key 255,0,255 -o keyed.png
check "keyed slice" 0 $?
check "key pixel transparent" "0" "$(px keyed.png 1 1 | cut -d' ' -f4)"
check "other pixel opaque" "$(src 0 1)" "$(px keyed.png 0 1)"

"$cli" slice locked.rss art.bmp --rect 0,0,8,8 --size 4x4 --password pw -o locked.png
check "locked package with its password" 0 $?

# Usage errors (1), checked before the package is read.
usage() {  # name, arguments...
  local name="$1"; shift
  "$cli" slice skin.rss art.bmp "$@" >/dev/null 2>err.txt
  check "$name" 1 $?
}
usage "rect with three values" --rect 0,0,8 --size 4x4 -o x.png
usage "rect not a number" --rect 0,a,8,8 --size 4x4 -o x.png
usage "rect with spaces" --rect "0, 0,8,8" --size 4x4 -o x.png
usage "rect negative" --rect -1,0,8,8 --size 4x4 -o x.png
usage "rect empty" --rect 4,0,4,8 --size 4x4 -o x.png
usage "size zero" --rect 0,0,8,8 --size 0x4 -o x.png
usage "size too large" --rect 0,0,8,8 --size 16385x1 -o x.png
usage "size without height" --rect 0,0,8,8 --size 4x -o x.png
usage "size trailing text" --rect 0,0,8,8 --size 4x4px -o x.png
usage "corners larger than the rectangle" --rect 0,0,8,8 --corners 5,0,4,0 --size 4x4 -o x.png
usage "stretch digit 2" --rect 0,0,8,8 --stretch 00200 --size 4x4 -o x.png
usage "stretch four digits" --rect 0,0,8,8 --stretch 0000 --size 4x4 -o x.png
usage "key out of range" --rect 0,0,8,8 --key 256,0,0 --size 4x4 -o x.png
usage "missing size" --rect 0,0,8,8 -o x.png
usage "missing output" --rect 0,0,8,8 --size 4x4
usage "unknown option" --rect 0,0,8,8 --size 4x4 -o x.png --zoom 2
check "one-line usage error" 1 "$(wc -l < err.txt)"
"$cli" slice skin.rss --rect 0,0,8,8 --size 4x4 -o x.png >/dev/null 2>&1; check "missing picture argument" 1 $?
test -e x.png; check "nothing written after usage errors" 1 $?

# Bad input (4), formats (2), passwords (3), output (5).
"$cli" slice skin.rss nosuch.bmp --rect 0,0,8,8 --size 4x4 -o x.png >/dev/null 2>err.txt
check "absent picture status" 4 $?
grep -q "no picture named 'nosuch.bmp'" err.txt; check "absent picture message" 0 $?
"$cli" slice skin.rss broken.bmp --rect 0,0,8,8 --size 4x4 -o x.png >/dev/null 2>err.txt
check "undecodable picture status" 4 $?
grep -q "broken.bmp' cannot be decoded" err.txt; check "undecodable picture message" 0 $?
"$cli" slice skin.rss art.bmp --rect 0,0,9,8 --size 4x4 -o x.png >/dev/null 2>err.txt
check "rectangle outside the picture" 4 $?
grep -q "(8 x 8)" err.txt; check "outside message names the picture size" 0 $?
"$cli" slice missing.rss art.bmp --rect 0,0,8,8 --size 4x4 -o x.png >/dev/null 2>&1
check "missing package" 4 $?
printf 'not a skin at all, clearly' > junk.rss
"$cli" slice junk.rss art.bmp --rect 0,0,8,8 --size 4x4 -o x.png >/dev/null 2>&1
check "unknown format" 2 $?
"$cli" slice locked.rss art.bmp --rect 0,0,8,8 --size 4x4 -o x.png --password no >/dev/null 2>&1
check "wrong password" 3 $?
"$cli" slice skin.rss art.bmp --rect 0,0,8,8 --size 4x4 -o nodir/x.png >/dev/null 2>err.txt
check "cannot write" 5 $?
check "one-line write error" 1 "$(wc -l < err.txt)"

"$cli" --help | grep -q "^  slice "; check "help lists slice" 0 $?
"$cli" slice --help | grep -q -- "--stretch"; check "slice help" 0 $?

finish
