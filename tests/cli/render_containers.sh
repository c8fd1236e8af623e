#!/usr/bin/env bash
# vornadesk-cli render for check and radio boxes, trackbars, spins, tab controls and the containers: every
# kind draws without pictures at the size its page opens it with, and --action takes each kind's selectors.
source "$(dirname "$0")/harness.bash"
cd "$tmp"

needs_drawing render

mkdir -p art/pictures
{
  one_object CheckBoxs 12001 Check
  one_object RadioBoxs 13001 Radio
  one_object Trackbars 14001 Track
  one_object Spins 15001 Spinner
  one_object TabCtrls 16001 Tabs
  one_object Clients 19001 Client
  printf '[ControlBars]\r\n1ID=20001\r\n1Caption=Fast\r\n1DrawType=3\r\n1clrHighlight=1 2 3\r\n1clrShadow=4 5 6\r\n'
  printf '2ID=20002\r\n2Caption=Painted\r\n2DrawType=0\r\n2clrBkStart=200 0 0\r\n2clrBkEnd=200 0 0\r\nIndexs=1,2\r\n\r\n'
  one_object ReBars 21001 Rebar
  one_object GroupBoxs 22001 Group
  one_object Statics 23001 Label Trans=0 'BkClr0=0 128 0'
  one_object Dialogs 24001 Box
} > art/config.ini
"$cli" pack art skin.rss; check "pack the test skin" 0 $?

# --- every kind at its page's size ---
expect_render_sizes skin.rss <<'SIZES'
Check 200 150
Radio 200 150
Track 400 250
Spinner 300 100
Tabs 450 300
Client 400 300
Fast 300 50
Painted 300 50
Rebar 300 50
Group 500 150
Label 200 100
Box 300 250
SIZES

# A control bar: 10 pixels in, a frame in its highlight (top, left) and shadow (bottom, right) colours; with
# "Fastness" nothing inside it but the ground, otherwise the fill.
check "control bar highlight on the left" "1 2 3 255" "$(px Fast.png 10 25)"
check "control bar shadow on the right" "4 5 6 255" "$(px Fast.png 289 25)"
check "Fastness leaves the button face inside" "240 240 240 255" "$(px Fast.png 150 25)"
check "a gradient fills the inside" "200 0 0 255" "$(px Painted.png 150 25)"
check "an opaque static fills with its colour" "0 128 0 255" "$(px Label.png 12 12)"
for name in Check Track Spinner Tabs Group Label; do
  check "$name ground is the button face" "240 240 240 255" "$(px "$name.png" 3 3)"
done

# --- selectors ---
render skin.rss Check --action State=HalfChecked -o half.png; check "check box HalfChecked" 0 $?
cmp -s Check.png half.png; check "the half-checked mark differs from the unchecked one" 1 $?
msg=$(render skin.rss Radio --action State=HalfChecked -o x.png 2>&1); check "a radio box has no half mark" 1 $?
echo "$msg" | grep -q "Check (1)"; check "the message lists the radio marks" 0 $?
render skin.rss Spinner --action State=Highlighted -o sh.png; check "spin Highlighted" 0 $?
render skin.rss Spinner --action State=3 -o s3.png; check "spin state by index" 0 $?
cmp -s sh.png s3.png; check "Highlighted is index 3" 0 $?
render skin.rss Track --action Postion=0 -o t0.png; check "trackbar Postion 0" 0 $?
render skin.rss Track --action Postion=100 -o t100.png; check "trackbar Postion 100" 0 $?
render skin.rss Track --action Postion=101 -o x.png 2>/dev/null; check "Postion beyond 100" 1 $?
render skin.rss Tabs --action Orientation=ItemLeft -o left.png; check "tab control on the left" 0 $?
msg=$(render skin.rss Tabs --action Orientation=ItemMiddle -o x.png 2>&1); check "an unknown orientation" 1 $?
echo "$msg" | grep -q "ItemRight (3)"; check "the message lists the orientations" 0 $?
msg=$(render skin.rss Group --action State=Normal -o x.png 2>&1); check "the group box has no selector" 1 $?
echo "$msg" | grep -q "offers: none"; check "and says so" 0 $?
test ! -e x.png; check "nothing written by failures" 0 $?

# --- every object ---
listing=$(render skin.rss --all -o all); check "--all" 0 $?
check "--all draws every object" 12 "$(echo "$listing" | wc -l)"
check "file names by kind tag" "all/tabctrl-Tabs.png" "$(echo "$listing" | grep Tabs)"

finish
