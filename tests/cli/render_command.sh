#!/usr/bin/env bash
# vornadesk-cli render: object previews as PNG files; lookup, sizes, selectors, exit codes and --all.
source "$(dirname "$0")/harness.bash"
cd "$tmp"

needs_drawing render

# An 8 x 8 24-bit BMP: green (0, 255, 0) except a magenta top-left pixel.
mkdir -p art/pictures
python3 "$here/bmp24.py" art/pictures/art.bmp "(255, 0, 255) if (x, y) == (0, 0) else (0, 255, 0)"
{
  printf '[Frames]\r\n1ID=3001\r\n1Caption=Main\r\nIndexs=1\r\n\r\n'
  printf '[Buttons]\r\n1ID=2001\r\n1Caption=Ok\r\n2ID=2002\r\n2Caption=../../escape\r\nIndexs=1,2\r\n\r\n'
  printf '[SysButtons]\r\n1ID=3501\r\n1Caption=CloseBox\r\n1OwnerFrameID=3001\r\nIndexs=1\r\n\r\n'
  printf '[ToolWindows]\r\n1ID=18001\r\n1Caption=Palette\r\nIndexs=1\r\n\r\n'
  printf '[FreeFrames]\r\n1ID=26001\r\n1Caption=Shape\r\n1ActiveBKImg=art.bmp\r\n1ActiveBKImgR=8\r\n1ActiveBKImgB=8\r\n'
  printf '2ID=26002\r\n2Caption=Blank\r\nIndexs=1,2\r\n\r\n'
} > art/config.ini
"$cli" pack art skin.rss; check "pack the test skin" 0 $?
"$cli" pack art locked.rss --password pw; check "pack a locked skin" 0 $?

# --- one object ---
render skin.rss main -o frame.png; check "frame by name, any case" 0 $?
check "frame at the page's size" "500 350" "$(px frame.png size)"
# A frame without pictures: its caption band is RGB(0, 86, 232) away from the icon and the name.
check "fallback caption band" "0 86 232 255" "$(px frame.png 40 4)"
render skin.rss 3001 --size 320x200 -o small.png; check "frame by ID with --size" 0 $?
check "--size sets the image size" "320 200" "$(px small.png size)"
render skin.rss Ok -o button.png; check "button" 0 $?
check "button at the page's size" "100 30" "$(px button.png size)"
render skin.rss Ok --action State=Pressed -o pressed.png; check "State by label" 0 $?
render skin.rss Ok --action state=3 -o hot.png; check "state by number, caption in any case" 0 $?
render skin.rss Palette -o tool.png; check "tool window" 0 $?
check "tool window at its stored size" "300 200" "$(px tool.png size)"
render skin.rss Shape -o shape.png; check "free frame" 0 $?
check "free frame takes its picture's slice size" "8 8" "$(px shape.png size)"
# The free frame's own key (magenta by default) lets the checkerboard through: its silver cell at (0, 0).
check "free frame key shows the checkerboard" "192 192 192 255" "$(px shape.png 0 0)"
check "free frame picture" "0 255 0 255" "$(px shape.png 3 3)"

# --- errors ---
msg=$(render skin.rss Ok --action State=Bogus -o x.png 2>&1); check "unknown value is a usage error" 1 $?
echo "$msg" | grep -q "Highlighted (3)"; check "unknown value lists the labels" 0 $?
msg=$(render skin.rss Ok --action Postion=1 -o x.png 2>&1); check "unknown caption is a usage error" 1 $?
echo "$msg" | grep -q "offers: State"; check "unknown caption lists what the kind offers" 0 $?
render skin.rss Ok --action State -o x.png 2>/dev/null; check "--action without =" 1 $?
msg=$(render skin.rss Shape --size 50x50 -o x.png 2>&1); check "a picture-sized preview takes no --size" 1 $?
render skin.rss Main --size 0x10 -o x.png 2>/dev/null; check "--size below 1" 1 $?
render skin.rss Main --size 9000x10 -o x.png 2>/dev/null; check "--size beyond the limit" 1 $?
render skin.rss Main 2>/dev/null; check "-o is required" 1 $?
cp frame.png keep.png
msg=$(render skin.rss Mian -o keep.png 2>&1); check "unknown object" 4 $?
echo "$msg" | grep -q "skin.rss" && echo "$msg" | grep -q "closest: 'Main'"; check "message names the package and the closest name" 0 $?
check "message is one line" 1 "$(echo "$msg" | wc -l)"
cmp -s frame.png keep.png; check "a failed render keeps the previous file" 0 $?
msg=$(render skin.rss CloseBox -o x.png 2>&1); check "caption button has no preview" 4 $?
echo "$msg" | grep -q "no preview"; check "says it has no preview" 0 $?
test ! -e x.png; check "nothing written by failures" 0 $?
render locked.rss Main -o x.png 2>/dev/null; check "wrong password" 3 $?
render locked.rss Main --password pw -o x.png; check "right password" 0 $?
printf 'not a skin' > junk.rss
render junk.rss Main -o y.png 2>/dev/null; check "unknown format" 2 $?
render skin.rss Main -o nodir/frame.png 2>/dev/null; check "unwritable output" 5 $?

# --- every object ---
listing=$(render skin.rss --all -o all); check "--all" 0 $?
check "--all lists one file per object with a preview" 6 "$(echo "$listing" | wc -l)"
check "no file for the caption button" 0 "$(ls all | grep -ci closebox)"
check "names from kind and object" "all/button-Ok.png" "$(echo "$listing" | grep button-Ok)"
check "a hostile name stays inside the folder" 6 "$(ls all | wc -l)"
test ! -e escape.png && test ! -e ../escape.png; check "nothing written outside the folder" 0 $?
check "--all sizes" "500 350" "$(px all/frame-Main.png size)"
render skin.rss --all --size 10x10 -o all 2>/dev/null; check "--all takes no --size" 1 $?

"$cli" --help | grep -q "^  render "; check "help lists render" 0 $?
"$cli" render --help | grep -q -- "--action"; check "render help" 0 $?

finish
