#!/usr/bin/env bash
# vornadesk-cli render for the bars and standard controls: every kind draws without pictures at the size
# its page opens it with, and --action takes each kind's own selectors.
source "$(dirname "$0")/harness.bash"
cd "$tmp"

needs_drawing render

# One object of each kind, without any picture.
mkdir -p art/pictures
{
  printf '[ToolBars]\r\n1ID=4001\r\n1Caption=Tools\r\n1VornadeskPreviewHeight=60\r\n1BackgroundColor=10 20 30\r\n'
  printf '2ID=4002\r\n2Caption=TallTools\r\n2BackgroundColor=10 20 30\r\n2TextAlign=2\r\n'
  printf '3ID=4003\r\n3Caption=SeeThrough\r\n3BackgroundColor=10 20 30\r\n3TransparentBK=1\r\nIndexs=1,2,3\r\n\r\n'
  one_object StatusBars 5001 Status
  one_object ProgressBars 6001 Progress
  one_object ScrollBars 7001 Scroll
  one_object Headers 8001 Head
  one_object ComboBoxs 9001 Combo
  one_object IPAddresses 10001 Address VornadeskPreviewHeight=70
  one_object HotKeys 11001 Keys
  one_object Edits 29001 Field
  one_object Datetimes 25001 When
  one_object ListBoxs 27001 List
} > art/config.ini
"$cli" pack art skin.rss; check "pack the test skin" 0 $?

# --- every kind at its page's size ---
expect_render_sizes skin.rss <<'SIZES'
Tools 450 60
Status 600 25
Progress 500 300
Scroll 300 200
Head 500 100
Combo 200 50
Address 200 70
Keys 200 100
Field 200 100
When 200 50
List 200 250
SIZES

# The toolbar's bar: inset by 10, 30 pixels high (50 with captions below), in its background colour.
check "toolbar bar in its colour" "10 20 30 255" "$(px Tools.png 10 10)"
check "toolbar bar ends after 30 pixels" "10 20 30 255" "$(px Tools.png 10 39)"
check "below the bar the checkerboard" "192 192 192 255" "$(px Tools.png 10 40)"
render skin.rss TallTools -o tall.png; check "toolbar with captions below" 0 $?
check "captions below make the bar 50 high" "10 20 30 255" "$(px tall.png 10 59)"
render skin.rss SeeThrough -o clear.png; check "transparent toolbar" 0 $?
check "a transparent bar shows the checkerboard" "192 192 192 255" "$(px clear.png 10 10)"
check "a transparent bar shows the checkerboard (white cell)" "255 255 255 255" "$(px clear.png 10 16)"
# The controls' ground is the button face inside a white highlight edge (system colours: no application object).
for name in Scroll Combo Field Progress; do
  check "$name ground is the button face" "240 240 240 255" "$(px "$name.png" 3 3)"
  check "$name ground edge is the highlight" "255 255 255 255" "$(px "$name.png" 0 0)"
done
# The list box preview draws nothing of its own.
check "list box leaves the checkerboard" "192 192 192 255" "$(px List.png 0 0)"
check "list box leaves the checkerboard (white cell)" "255 255 255 255" "$(px List.png 8 0)"

# --- selectors ---
render skin.rss Scroll --action State=Highlighted --action Max=10 --action PageSize=5 --action Pos=100 -o s.png
check "scroll bar selectors" 0 $?
render skin.rss Scroll --action state=disabled -o sd.png; check "scroll bar State by label in any case" 0 $?
cmp -s Scroll.png sd.png; check "the disabled scroll bar differs from the normal one" 1 $?
msg=$(render skin.rss Scroll --action Pos=101 -o x.png 2>&1); check "Pos beyond the slider" 1 $?
echo "$msg" | grep -q "from 0 to 100"; check "the message gives the range" 0 $?
render skin.rss Scroll --action Max=many -o x.png 2>/dev/null; check "Max takes a number" 1 $?
render skin.rss Progress --action Postion=0 -o p0.png; check "Postion 0" 0 $?
render skin.rss Progress --action Postion=100 -o p100.png; check "Postion 100" 0 $?
cmp -s p0.png p100.png; check "the position moves the bars" 1 $?
render skin.rss Progress --action Postion=101 -o x.png 2>/dev/null; check "Postion beyond 100" 1 $?
render skin.rss Field --action State=Highlighted -o e1.png; check "edit Highlighted" 0 $?
msg=$(render skin.rss Field --action State=Pressed -o x.png 2>&1); check "an edit has no Pressed state" 1 $?
echo "$msg" | grep -q "Disabled (2)"; check "the message lists the three states" 0 $?
render skin.rss Combo --action State=3 -o c3.png; check "combo State by number" 0 $?
render skin.rss When --action State=Pressed -o w1.png; check "date-time Pressed" 0 $?
msg=$(render skin.rss Status --action State=Normal -o x.png 2>&1); check "the status bar has no selector" 1 $?
echo "$msg" | grep -q "offers: none"; check "and says so" 0 $?
test ! -e x.png; check "nothing written by failures" 0 $?

# --- every object ---
listing=$(render skin.rss --all -o all); check "--all" 0 $?
check "--all draws every object" 13 "$(echo "$listing" | wc -l)"
check "file names by kind tag" "all/scrollbar-Scroll.png" "$(echo "$listing" | grep Scroll)"

finish
