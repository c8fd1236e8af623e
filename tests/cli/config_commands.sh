#!/usr/bin/env bash
# vornadesk-cli config new / normalize: exact output, exit codes and one-line errors.
source "$(dirname "$0")/harness.bash"

out=$("$cli" config new Buttons | od -An -c | tr -s ' \n' ' ')
expected=$(printf '[Buttons]\r\n1ID=2001\r\n1Caption=SkinButton1\r\n1VornadeskPreviewHeight=50\r\nIndexs=1\r\n\r\n' | od -An -c | tr -s ' \n' ' ')
check "config new Buttons bytes" "$expected" "$out"

out=$("$cli" config new frames:2 scrollbars | tr -d '\r')
check "kinds match ignoring case, in order" "[Frames]
1ID=3001
1Caption=SkinFrameWnd1
1TextNormalHorzAlign=0
1TextHighlightedHorzAlign=0
1TextDisabledHorzAlign=0
1TextDefaultHorzAlign=0
2ID=3002
2Caption=SkinFrameWnd2
2TextNormalHorzAlign=0
2TextHighlightedHorzAlign=0
2TextDisabledHorzAlign=0
2TextDefaultHorzAlign=0
Indexs=1,2

[ScrollBars]
1ID=7001
1Caption=ScrollBar1
Indexs=1" "$out"

check "empty document" "" "$("$cli" config new)"

"$cli" config new Pictures >/dev/null 2>"$tmp/err"; check "Pictures is not creatable: status" 1 $?
check "one-line error" 1 "$(wc -l < "$tmp/err")"
"$cli" config new Widgets >/dev/null 2>&1; check "unknown kind: status" 1 $?
"$cli" config new Buttons:x >/dev/null 2>&1; check "bad count: status" 1 $?
"$cli" config new Frames:500 >/dev/null 2>"$tmp/err"; check "block full: status" 2 $?
grep -q "Frames" "$tmp/err"; check "block full names the kind" 0 $?
"$cli" config bogus.rss >/dev/null 2>"$tmp/err"; check "config of a missing package" 4 $?
grep -q "bogus.rss" "$tmp/err"; check "names the package" 0 $?
"$cli" frobnicate >/dev/null 2>&1; check "unknown command" 1 $?
"$cli" config normalize /nonexistent/file >/dev/null 2>&1; check "unreadable file" 2 $?
"$cli" --help | grep -q "config"; check "--help lists commands" 0 $?
"$cli" config --help | grep -q "normalize"; check "config --help" 0 $?

"$cli" config new Application Frames Buttons:3 ToolBars StatusBars ListBoxs Datetimes Spins > "$tmp/a.ini"
"$cli" config normalize "$tmp/a.ini" > "$tmp/b.ini"
"$cli" config normalize < "$tmp/b.ini" > "$tmp/c.ini"
cmp -s "$tmp/a.ini" "$tmp/b.ini"; check "normalize keeps a saved text" 0 $?
cmp -s "$tmp/b.ini" "$tmp/c.ini"; check "normalize from stdin is idempotent" 0 $?

printf '[Buttons]\n1ID=2001\n1VornadeskPreviewHeight=100\n1Caption=Ok\nIndexs=1\n' | "$cli" config normalize > "$tmp/d.ini"
check "defaults dropped on normalize" "$(printf '[Buttons]\r\n1ID=2001\r\n1Caption=Ok\r\nIndexs=1\r\n\r\n')" "$(cat "$tmp/d.ini")"

finish
