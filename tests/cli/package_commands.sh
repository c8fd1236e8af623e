#!/usr/bin/env bash
# vornadesk-cli package commands: new, info, config, resave, unpack, pack; passwords and exit codes.
source "$(dirname "$0")/harness.bash"
cd "$tmp"

"$cli" new skin.rss Application Frames Buttons:2; check "new" 0 $?
"$cli" config skin.rss > stored.ini
"$cli" config new Application Frames Buttons:2 > expected.ini
cmp -s stored.ini expected.ini; check "config prints the stored text, same as config new" 0 $?
"$cli" info skin.rss > info.txt; check "info" 0 $?
grep -q "^  Buttons: 2$" info.txt; check "info counts objects" 0 $?
grep -q "^  Frames: 1$" info.txt; check "info lists frames" 0 $?

"$cli" new locked.rss --password abc Frames; check "new with password" 0 $?
"$cli" info locked.rss >/dev/null 2>err.txt; check "wrong password status" 3 $?
grep -q "Wrong Password!" err.txt; check "wrong password message" 0 $?
check "one-line error" 1 "$(wc -l < err.txt)"
grep -q "protected by a password: give it with --password" err.txt; check "no password: says the package is protected" 0 $?
"$cli" info locked.rss --password xyz >/dev/null 2>err.txt; check "given wrong password status" 3 $?
grep -q "protected" err.txt; check "given wrong password: no hint about giving one" 1 $?
"$cli" info locked.rss --password abc >/dev/null; check "right password" 0 $?
"$cli" resave locked.rss open.rss --password abc --new-password ""; check "resave without password" 0 $?
"$cli" info open.rss >/dev/null; check "resaved opens without password" 0 $?
"$cli" new x.rss --password abcdefgh >/dev/null 2>&1; check "eight-character password refused" 1 $?

printf 'not a skin at all, clearly' > junk.rss
"$cli" info junk.rss >/dev/null 2>err.txt; check "unknown format status" 2 $?
grep -q "junk.rss: Unknown file format!" err.txt; check "unknown format message names the file" 0 $?
"$cli" info missing.rss >/dev/null 2>&1; check "missing file status" 4 $?
cp skin.rss renamed.rss
"$cli" info renamed.rss >/dev/null 2>&1; check "renamed package: missing configuration" 4 $?
"$cli" new nodir/out.rss Frames >/dev/null 2>&1; check "cannot write status" 5 $?
echo previous > keep.rss
"$cli" resave junk.rss keep.rss >/dev/null 2>&1
check "failed resave keeps the previous file" "previous" "$(cat keep.rss)"

# unpack, pack, unpack gives identical files.
mkdir -p art/pictures
printf 'BM' > art/pictures/broken.bmp
printf '[Frames]\r\n1ID=3001\r\n1Caption=Main\r\n1ActiveTopImg=broken.bmp\r\nIndexs=1\r\n\r\n' > art/config.ini
"$cli" pack art withpic.rss; check "pack" 0 $?
"$cli" unpack withpic.rss one; check "unpack" 0 $?
"$cli" pack one again.rss; check "pack again" 0 $?
"$cli" unpack again.rss two; check "unpack again" 0 $?
diff -r one two >/dev/null; check "unpack, pack, unpack is stable" 0 $?
cmp -s art/pictures/broken.bmp one/pictures/broken.bmp; check "picture bytes unchanged" 0 $?
"$cli" unpack locked.rss lockeddir >/dev/null 2>&1; check "unpack needs the password" 3 $?
"$cli" pack nosuchdir out.rss >/dev/null 2>&1; check "pack of a missing folder" 4 $?

"$cli" --help | grep -q unpack; check "help lists unpack" 0 $?
"$cli" info >/dev/null 2>&1; check "info without a package is a usage error" 1 $?
"$cli" info skin.rss --bogus 1 >/dev/null 2>&1; check "unknown option" 1 $?

finish
