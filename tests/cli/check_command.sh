#!/usr/bin/env bash
# vornadesk-cli check: the findings of skins with known faults, line by line and as JSON, and exit codes.
source "$(dirname "$0")/harness.bash"
cd "$tmp"

# An 8 x 8 picture, so every slice of these skins is measured against 8 x 8.
W=8 H=8
mkdir -p pic
python3 "$here/bmp24.py" pic/art.bmp "(30 * x, 30 * y, 77)"

# Builds NAME.rss from the configuration text on stdin and the pictures named after it.
skin() {  # name [picture files]...
  local name=$1; shift
  rm -rf "$name"; mkdir -p "$name/pictures"
  cat > "$name/config.ini"
  local p; for p in "$@"; do cp "pic/$p" "$name/pictures/"; done
  "$cli" pack "$name" "$name.rss" >/dev/null 2>&1; check "pack $name" 0 $?
}
# A frame (ID 3001) whose ActiveTop row names PICTURE with the slice L,T,R,B and corners LW,RW; more keys follow.
frame() {  # caption picture l t r b lw rw [KEY=VALUE]...
  local caption=$1 picture=$2 l=$3 t=$4 r=$5 b=$6 lw=$7 rw=$8; shift 8
  one_object Frames 3001 "$caption" "ActiveTopImg=$picture" "ActiveTopImgL=$l" "ActiveTopImgT=$t" \
    "ActiveTopImgR=$r" "ActiveTopImgB=$b" "ActiveTopImgLW=$lw" "ActiveTopImgRW=$rw" "$@"
}
# Runs check on a package: its status in $status, its lines in out.txt, its messages in err.txt.
run_check() { "$cli" check "$@" >out.txt 2>err.txt; status=$?; }
# The JSON output's counts as "errors warnings notes", or "invalid".
json_counts() {
  python3 -c 'import json, sys
d = json.load(open(sys.argv[1], encoding="utf-8"))
print(d["errors"], d["warnings"], d["notes"])' "$1" 2>/dev/null || echo invalid
}
# The text output's counts as "errors warnings notes".
line_counts() { echo "$(grep -c '^error: ' "$1") $(grep -c '^warning: ' "$1") $(grep -c '^note: ' "$1")"; }

# A clean skin: the frame uses the whole picture, a button belongs to it.
{ frame Main art.bmp 0 0 $W $H 2 2; one_object Buttons 2001 OK "OwnerFrameID=3001"; } | skin clean art.bmp
run_check clean.rss
check "clean skin status" 0 $status
check "clean skin prints nothing" "" "$(cat out.txt)"
check "clean skin, no messages" "" "$(cat err.txt)"
"$cli" check clean.rss --json > clean.json; check "clean skin, JSON status" 0 $?
check "clean skin, JSON counts" "0 0 0" "$(json_counts clean.json)"
check "clean skin, no findings in JSON" "0" "$(python3 -c 'import json, sys; print(len(json.load(open(sys.argv[1]))["findings"]))' clean.json)"

# A missing picture: the row names it; the one picture the skin holds is then unused.
frame Main gone.png 0 0 $W $H 0 0 | skin missing art.bmp
run_check missing.rss
check "missing picture status" 6 $status
check "missing picture findings" \
  "error: Frames/Main ActiveTop: picture 'gone.png' is not in the skin
note: Pictures/art.bmp: no object uses this picture" "$(cat out.txt)"

# A slice running outside its picture, and corners wider than their slice.
L=2 R=$((W + 4))
frame Main art.bmp $L 0 $R $H 0 0 | skin outside art.bmp
run_check outside.rss
check "slice outside status" 6 $status
check "slice outside finding" \
  "error: Frames/Main ActiveTop: slice $L,0,$R,$H runs outside the picture ($W x $H)" "$(cat out.txt)"
LW=5 RW=4
frame Main art.bmp 0 0 $W $H $LW $RW | skin corners art.bmp
run_check corners.rss
check "wide corners status" 6 $status
check "wide corners finding" \
  "error: Frames/Main ActiveTop: corners $LW + $RW are wider than the slice ($W)" "$(cat out.txt)"

# A button whose owner frame does not exist; warnings alone (two frames of one name) do not fail.
{ frame Main art.bmp 0 0 $W $H 0 0; one_object Buttons 2001 OK "OwnerFrameID=3005"; } | skin orphan art.bmp
run_check orphan.rss
check "orphan owner status" 6 $status
check "orphan owner finding" "error: Buttons/OK OwnerFrameID: owner frame 3005 does not exist" "$(cat out.txt)"

{ frame Main art.bmp 0 0 $W $H 0 0
  printf '[Buttons]\r\n1ID=2001\r\n1Caption=OK\r\n2ID=2002\r\n2Caption=OK\r\nIndexs=1,2\r\n\r\n'; } | skin twins art.bmp
run_check twins.rss
check "warnings only: status 0" 0 $status
check "duplicate name warning" "warning: Buttons/OK: also named 'OK': Buttons 2001" "$(cat out.txt)"

# Findings of every severity at once: errors first, then warnings, then notes; within a severity in the
# order of the kinds in the document (buttons come before frames), in each format the same counts.
{ frame Main gone.png $L 0 $R $H 0 0
  printf '[Buttons]\r\n1ID=2001\r\n1Caption=OK\r\n1OwnerFrameID=3005\r\n2ID=2002\r\n2Caption=OK\r\nIndexs=1,2\r\n\r\n'
} | skin many art.bmp
run_check many.rss
check "many findings status" 6 $status
check "many findings, in severity order" \
  "error: Buttons/OK OwnerFrameID: owner frame 3005 does not exist
error: Frames/Main ActiveTop: picture 'gone.png' is not in the skin
warning: Buttons/OK: also named 'OK': Buttons 2001
note: Pictures/art.bmp: no object uses this picture" "$(cat out.txt)"
"$cli" check many.rss --json > many.json; check "many findings, JSON status" 6 $?
check "JSON counts match the lines" "$(line_counts out.txt)" "$(json_counts many.json)"
check "JSON counts" "2 1 1" "$(json_counts many.json)"
check "JSON fields of a finding" "error|missing-picture|Frames|3001|Main|ActiveTop|picture 'gone.png' is not in the skin" \
  "$(python3 -c 'import json, sys
f = json.load(open(sys.argv[1]))["findings"][1]
print("|".join(str(f[k]) for k in ("severity", "code", "section", "id", "name", "key", "message")))' many.json)"
"$cli" check --json many.rss > first.json; check "--json before the package" 6 $?
cmp -s many.json first.json; check "--json anywhere gives the same document" 0 $?

# Names holding quotes, backslashes, controls, other languages' letters, a direction override and a byte
# that is not UTF-8: one line of text with the controls escaped, and JSON that gives the name back.
raw='We"ird\na'$'\x1b''me'$'\t\xc3\xa9\xff''x'$'\xe2\x80\xae'  # ..., e acute, 0xff, U+202E
printf '%s' "$raw" > raw.bin
frame "$raw" gone.png 0 0 $W $H 0 0 | skin strange
run_check strange.rss
check "strange name status" 6 $status
check "strange name, one escaped line" \
  "error: Frames/We\"ird\\na\\x1bme\\té\\xffx\\u202e ActiveTop: picture 'gone.png' is not in the skin" "$(cat out.txt)"
"$cli" check strange.rss --json > strange.json
check "strange name, JSON is one line per finding" 0 "$(python3 -c 'import sys; d = open(sys.argv[1], "rb").read(); print(sum(b < 32 and b != 10 for b in d))' strange.json)"
# The JSON name is the caption with its one stray byte (0xff) replaced by U+FFFD.
check "strange name, JSON gives the name back" "ok" "$(python3 -c 'import json, sys
raw = open(sys.argv[2], "rb").read()
expected = raw.replace(b"\xff", "\ufffd".encode()).decode("utf-8")
name = json.load(open(sys.argv[1], encoding="utf-8"))["findings"][0]["name"]
print("ok" if name == expected else "got %r, expected %r" % (name, expected))' strange.json raw.bin)"

# A font face no machine has: a warning where the tool can ask the font database, else no finding.
{ frame Main art.bmp 0 0 $W $H 0 0 "CaptionFontName=Vornadesk No Such Face"; } | skin font art.bmp
run_check font.rss
check "missing font status (a warning)" 0 $status
if "$cli" render --bogus 2>&1 | grep -q "without drawing support"; then
  check "no font database: no font finding" "" "$(cat out.txt)"
else
  check "missing font finding" \
    "warning: Frames/Main Caption: font 'Vornadesk No Such Face' is not on this machine; text falls back to another font" \
    "$(cat out.txt)"
fi

# Protected packages, damaged input and usage.
frame Main art.bmp 0 0 $W $H 0 0 | skin locked art.bmp
"$cli" pack locked locked.rss --password pw >/dev/null 2>&1; check "pack a locked skin" 0 $?
run_check locked.rss --password pw; check "locked skin with its password" 0 $status
run_check locked.rss --password no; check "wrong password" 3 $status
check "wrong password: nothing on stdout" "" "$(cat out.txt)"
check "wrong password: one-line message" 1 "$(wc -l < err.txt)"
run_check locked.rss; check "no password for a locked skin" 3 $status
grep -q -- "--password PW" err.txt; check "no password: says how to give one" 0 $?
run_check clean.rss --password abcdefgh; check "eight-character password refused" 1 $status
printf 'not a skin at all, clearly' > junk.rss
run_check junk.rss; check "not a package" 2 $status
grep -q "junk.rss: Unknown file format!" err.txt; check "not a package: message names the file" 0 $?
run_check nosuch.rss; check "missing file" 4 $status
cp clean.rss renamed.rss
run_check renamed.rss; check "package without its configuration" 4 $status
run_check; check "no package" 1 $status
run_check clean.rss other.rss; check "two packages" 1 $status
run_check clean.rss --bogus 1; check "unknown option" 1 $status
grep -q "unknown option --bogus" err.txt; check "unknown option named" 0 $?
run_check clean.rss --json=yes; check "--json takes no value" 1 $status

"$cli" check --help > help.txt; check "check help" 0 $?
grep -q -- "--json" help.txt; check "check help explains --json" 0 $?
grep -q "6 at least one error" help.txt; check "check help gives status 6" 0 $?
"$cli" --help > tool-help.txt
grep -q "^  check " tool-help.txt; check "tool help lists check" 0 $?
grep -q "6 check found" tool-help.txt; check "tool help gives status 6" 0 $?

# The sample skin the build makes must check clean; its findings are shown when it does not.
sample="$(dirname "$cli")/samples/Amberline.rss"
if [ -f "$sample" ]; then
  run_check "$sample"
  check "the sample checks clean" 0 $status
  check "the sample has no findings" "" "$(cat out.txt)"
else
  echo "no sample skin in this build ($sample): not checked"
fi

finish
