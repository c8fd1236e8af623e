#!/usr/bin/env bash
# vornadesk-cli against unfriendly destinations and packages: what saving refuses to replace, what unpack
# refuses to write into, what resave, pack and unpack cannot carry over, and how text from a package is
# shown (escaped, never driving the terminal).
source "$(dirname "$0")/harness.bash"
cd "$tmp"

mkpkg() { python3 "$here/make_package.py" "$@"; }
crlf() { printf '%s\r\n' "$@"; }
# True when the text holds a control character other than a line feed.
has_control() { LC_ALL=C tr -d '\n' | LC_ALL=C grep -q '[[:cntrl:]]'; }

"$cli" new skin.rss Application Frames; check "make the test skin" 0 $?
"$cli" config skin.rss > skin.ini

# ---------------------------------------------------------------- saving refuses to replace
echo "the old skin" > ro.rss
chmod 444 ro.rss
"$cli" resave skin.rss ro.rss 2>err.txt; check "read-only file: cannot write" 5 $?
check "read-only file kept" "the old skin" "$(cat ro.rss)"
check "read-only file keeps its mode" 444 "$(stat -c %a ro.rss)"
grep -q "ro.rss is read-only" err.txt; check "read-only: says so" 0 $?

mkfifo pipe.rss
timeout 20 "$cli" resave skin.rss pipe.rss 2>err.txt; check "FIFO: cannot write" 5 $?
test -p pipe.rss; check "FIFO is still a FIFO" 0 $?
grep -q "FIFO" err.txt; check "FIFO: says so" 0 $?

mkdir folder.rss
"$cli" new folder.rss Frames 2>err.txt; check "folder: cannot write" 5 $?
test -d folder.rss; check "folder is still a folder" 0 $?
grep -q "folder.rss is a folder" err.txt; check "folder: says so" 0 $?
check "nothing left beside the refused outputs" "err.txt folder.rss pipe.rss ro.rss skin.ini skin.rss" "$(ls -A | tr '\n' ' ' | sed 's/ $//')"

cp skin.rss private.rss
chmod 640 private.rss
(umask 022; "$cli" resave skin.rss private.rss); check "resave over a 640 file" 0 $?
check "replaced file keeps mode 640" 640 "$(stat -c %a private.rss)"
chmod 604 private.rss
(umask 077; "$cli" new private.rss Buttons); check "new over a 604 file" 0 $?
check "replaced file keeps mode 604" 604 "$(stat -c %a private.rss)"
"$cli" info private.rss | grep -q "Buttons: 1"; check "the replacement is the new skin" 0 $?

"$cli" resave skin.rss nodir/out.rss 2>/dev/null; check "missing folder: cannot write" 5 $?

# ---------------------------------------------------------------- unpack refuses to write through links
mkdir elsewhere target
mkdir withlink && ln -s ../elsewhere withlink/pictures
"$cli" unpack skin.rss withlink 2>err.txt; check "DIR/pictures a link: refused" 5 $?
check "nothing written through DIR/pictures" "" "$(ls -A elsewhere)"
check "DIR with the link untouched" "pictures" "$(ls -A withlink)"
grep -q "withlink is not empty" err.txt; check "non-empty DIR: says so" 0 $?

ln -s target linkdir
"$cli" unpack skin.rss linkdir 2>err.txt; check "DIR a link to an empty folder: refused" 5 $?
check "nothing written through DIR" "" "$(ls -A target)"
test -L linkdir; check "the link stays" 0 $?
grep -q "symbolic link" err.txt; check "link: says so" 0 $?
ln -s nowhere dangling
"$cli" unpack skin.rss dangling 2>/dev/null; check "DIR a dangling link: refused" 5 $?
test -e nowhere; check "nothing made where the dangling link points" 1 $?

mkdir full && echo mine > full/notes.txt
"$cli" unpack skin.rss full 2>/dev/null; check "non-empty DIR: refused" 5 $?
check "non-empty DIR untouched" "notes.txt" "$(ls -A full)"
check "its file untouched" "mine" "$(cat full/notes.txt)"
echo file > plain
"$cli" unpack skin.rss plain 2>/dev/null; check "DIR a file: refused" 5 $?
check "the file untouched" "file" "$(cat plain)"

mkdir empty && chmod 750 empty
"$cli" unpack skin.rss empty; check "empty DIR: unpacked into" 0 $?
cmp -s empty/config.ini skin.ini; check "empty DIR: configuration written" 0 $?
check "empty DIR keeps its mode" 750 "$(stat -c %a empty)"
"$cli" unpack skin.rss new/deeper; check "missing parents are made" 0 $?
test -f new/deeper/config.ini; check "unpacked into the new folder" 0 $?

# A full disk, played by a file size limit: the write fails half way and no DIR or temporary is left.
mkdir big && cd big
head -c 200000 /dev/urandom > big.bmp
mkpkg big.rss ../skin.ini --config-name big.rss --entry big.bmp big.bmp
(trap '' XFSZ; ulimit -f 64; "$cli" unpack big.rss out 2>../err.txt); check "unpack onto a full disk: cannot write" 5 $?
check "no DIR and no temporary folder left" "big.bmp big.rss" "$(ls -A | tr '\n' ' ' | sed 's/ $//')"
grep -q "out/pictures/big.bmp" ../err.txt; check "the failure names the file in DIR" 0 $?
(trap '' XFSZ; ulimit -f 64; "$cli" resave big.rss big.rss 2>/dev/null); check "resave onto a full disk: cannot write" 5 $?
cmp -s big.rss <(mkpkg /dev/stdout ../skin.ini --config-name big.rss --entry big.bmp big.bmp); check "the package survives" 0 $?
"$cli" unpack big.rss out; check "unpack with room" 0 $?
cmp -s big.bmp out/pictures/big.bmp; check "the picture bytes unchanged" 0 $?
cd ..

# ---------------------------------------------------------------- nothing dropped without a word
printf 'not a picture at all' > junk.bmp
printf 'BM' > lost.bmp
crlf '[Pictures]' 'junk.bmp=junk.bmp' 'junk.bmpID=1001' 'lost.bmp=lost.bmp' 'lost.bmpID=1002' '[Frames]' \
  '1ID=3001' '1Caption=Main' '1ActiveTopImg=junk.bmp' 'Indexs=1' > damaged.ini
mkpkg damaged.rss damaged.ini --entry junk.bmp junk.bmp --entry lost.bmp lost.bmp --bad-crc lost.bmp
echo "previous" > out.rss
"$cli" resave damaged.rss out.rss 2>err.txt; check "resave losing a picture: bad input" 4 $?
check "... and the output is not written" "previous" "$(cat out.rss)"
grep -q "not carried over: .*lost.bmp" err.txt; check "the lost picture is named" 0 $?
grep -q "out.rss was not written" err.txt; check "says the output was not written" 0 $?
grep -q "junk.bmp" err.txt; check "the undecodable picture is not a loss" 1 $?
"$cli" resave damaged.rss out.rss --keep-going 2>err.txt; check "--keep-going still says something is missing" 4 $?
grep -q "not carried over: .*lost.bmp" err.txt; check "--keep-going lists the loss" 0 $?
grep -q "out.rss was written without 1 item" err.txt; check "--keep-going says what was written" 0 $?
"$cli" unpack out.rss kept; check "the written output opens" 0 $?
check "it holds the readable picture only" "junk.bmp" "$(ls kept/pictures)"
cmp -s junk.bmp kept/pictures/junk.bmp; check "the undecodable picture's bytes are kept" 0 $?

"$cli" unpack damaged.rss lossy 2>/dev/null; check "unpack losing a picture: bad input" 4 $?
test -e lossy; check "... and DIR is not made" 1 $?
"$cli" unpack damaged.rss lossy --keep-going 2>/dev/null; check "unpack --keep-going" 4 $?
check "unpack --keep-going writes the rest" "junk.bmp" "$(ls lossy/pictures)"

# pack: a picture the configuration names but the folder lacks is a loss; a stray file only a warning.
rm lossy/pictures/junk.bmp
echo "notes" > lossy/pictures/notes.txt
"$cli" pack lossy packed.rss 2>err.txt; check "pack missing a named picture: bad input" 4 $?
test -e packed.rss; check "... and writes nothing" 1 $?
grep -q "lists the picture junk.bmp but pictures/ has no such file" err.txt; check "pack names the missing picture" 0 $?
grep -q "warning: pictures/notes.txt was left out" err.txt; check "pack mentions the stray file" 0 $?
cp junk.bmp lossy/pictures/junk.bmp
mkdir lossy/pictures/sub.bmp
"$cli" pack lossy packed.rss 2>err.txt; check "pack with a folder named like a picture" 4 $?
grep -q "not carried over: pictures/sub.bmp was left out: it is not a regular file" err.txt
check "pack names the folder" 0 $?
rmdir lossy/pictures/sub.bmp
"$cli" pack lossy packed.rss 2>err.txt; check "the unreadable picture stays missing from the folder" 4 $?
grep -q "lists the picture lost.bmp but" err.txt; check "... and pack says so" 0 $?
grep -v "lost.bmp" damaged.ini > lossy/config.ini
"$cli" pack lossy packed.rss 2>err.txt; check "pack with only a stray file: success" 0 $?
grep -q "notes.txt" err.txt; check "... still mentioning it" 0 $?

# A picture the collections cannot hold under its name in a folder ('/' in the entry name).
crlf '[Frames]' '1ID=3001' '1Caption=Main' 'Indexs=1' > plain.ini
mkpkg slash.rss plain.ini --entry 'sub/a.bmp' junk.bmp --entry 'b.bmp' junk.bmp
"$cli" unpack slash.rss slashdir 2>err.txt; check "unpack of an entry with '/': bad input" 4 $?
test -e slashdir; check "... nothing written" 1 $?
test -e sub; check "... nor beside DIR" 1 $?
"$cli" unpack slash.rss slashdir --keep-going 2>/dev/null; check "unpack --keep-going of an entry with '/'" 4 $?
check "the other picture is written" "b.bmp" "$(ls slashdir/pictures)"

# Entry names that cannot be stored are the input's fault, never "cannot write".
echo "previous" > named.rss
mkpkg odd.rss plain.ini --entry 'a\x00b.bmp' junk.bmp --entry "$(printf 'L%.0s' {1..300}).bmp" junk.bmp
"$cli" resave odd.rss named.rss 2>err.txt; check "names with NUL or too long: renamed and saved" 0 $?
check "each rename reported" 2 "$(grep -c "warning: The picture name" err.txt)"
has_control < err.txt; check "the reports hold no control character" 1 $?
check "both pictures carried over" 2 "$("$cli" info named.rss | grep -c '\.bmp  BMP')"

# Out of memory is bad input with a message, never an exception's name (a sanitizer build needs the
# address space it reserves, so it is left out).
mkpkg huge.rss plain.ini --zeros huge.bmp 200000000
if ! ldd "$cli" 2>/dev/null | grep -q 'lib[at]san'; then
  (ulimit -v 150000; "$cli" info huge.rss >/dev/null 2>err.txt); check "out of memory: bad input" 4 $?
  grep -q "out of memory" err.txt; check "out of memory: says so" 0 $?
  grep -q "bad_alloc" err.txt; check "out of memory: no exception name" 1 $?
fi

# ---------------------------------------------------------------- terminal output
# The skin name holds ESC (a colour change), BEL, a C1 CSI, a right-to-left override and a byte that is
# not UTF-8; the author an accented letter that must stay as it is.
crlf '[Application]' '1ID=17001' '1Caption=Application' \
  "$(printf '1SkinName=A\033[31mB\007C\302\233D\342\200\256E\377F')" "$(printf '1Author=Ren\303\251')" 'Indexs=1' > evil.ini
mkpkg evil.rss evil.ini --entry "$(printf 'x\\x1b]0;title\\x07.bmp')" junk.bmp
"$cli" info evil.rss > info.txt; check "info of the hostile package" 0 $?
has_control < info.txt; check "info prints no control character" 1 $?
check "the skin name escaped" 'Skin name:   A\x1b[31mB\x07C\u009bD\u202eE\xffF' "$(grep '^Skin name:' info.txt)"
check "letters of other languages kept" "$(printf 'Author:      Ren\303\251')" "$(grep '^Author:' info.txt)"
grep -q 'title' info.txt; check "the odd entry name is shown (renamed or escaped)" 0 $?

# config prints the stored text exactly into a pipe, escaped on a terminal.
"$cli" config evil.rss | cmp -s - evil.ini; check "config into a pipe is exact" 0 $?
if command -v script >/dev/null; then  # script(1) gives the command a terminal
  script -qec "$cli config evil.rss" /dev/null > tty.txt; check "config on a terminal" 0 $?
  tr -d '\r' < tty.txt | has_control; check "config on a terminal: no control character" 1 $?
  grep -qF 'A\x1b[31mB' tty.txt; check "config on a terminal: escapes shown" 0 $?
  check "config on a terminal: one line per line" "$(wc -l < evil.ini)" "$(wc -l < tty.txt)"
fi

# Messages on standard error are always escaped: here a name from the command line echoed back.
if "$cli" slice --help >/dev/null 2>&1 && ! "$cli" slice x y 2>&1 | grep -q "without drawing"; then
  "$cli" slice evil.rss "$(printf 'no\033[2Jsuch.bmp')" --rect 0,0,1,1 --size 1x1 -o o.png 2>err.txt
  check "missing picture: bad input" 4 $?
  has_control < err.txt; check "the error message holds no control character" 1 $?
  grep -qF 'no\x1b[2Jsuch.bmp' err.txt; check "the error message shows the escape" 0 $?
fi

# Open failures say what is wrong on one line.
head -c 200 skin.rss > truncated.rss
"$cli" info truncated.rss 2>err.txt; check "truncated package: bad input" 4 $?
check "one line" 1 "$(wc -l < err.txt)"
grep -q "^vornadesk-cli: truncated.rss: file format error!" err.txt; check "the message comes first, naming the file" 0 $?

finish
