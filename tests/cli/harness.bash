# The shared frame of the CLI test scripts (sourced, not run): a scratch folder removed at exit, check() to
# compare one expectation, and finish() to print the closing count and set the exit status.
# Usage: source "$(dirname "$0")/harness.bash"; cli="$1" is the program under test.
set -u
cli="$1"
here=$(cd "$(dirname "$0")" && pwd)
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
fails=0
total=0
check() {  # name, expected, actual
  total=$((total+1))
  if [ "$2" != "$3" ]; then echo "FAIL: $1"; echo "  expected: $(printf %q "$2")"; echo "  actual:   $(printf %q "$3")"; fails=$((fails+1)); fi
}
# Ends the script with nothing run where the command was built without the drawing library.
needs_drawing() {  # command
  if "$cli" "$1" --bogus 2>&1 | grep -q "without drawing support"; then
    echo "$1 is not built here (no drawing library)"
    echo "0 passed, 0 failed"
    exit 0
  fi
}
# One pixel of a PNG as "r g b a", or "size" for "width height".
px() { python3 "$here/png_pixel.py" "$@"; }
# vornadesk-cli render with no display and no platform chosen: the command must draw all the same.
render() { env -u QT_QPA_PLATFORM -u DISPLAY -u WAYLAND_DISPLAY "$cli" render "$@"; }
# A configuration section holding one object: section, ID, caption, then its other keys as KEY=VALUE.
one_object() {
  local section=$1 id=$2 caption=$3; shift 3
  printf '[%s]\r\n1ID=%s\r\n1Caption=%s\r\n' "$section" "$id" "$caption"
  local kv; for kv in "$@"; do printf '1%s\r\n' "$kv"; done
  printf 'Indexs=1\r\n\r\n'
}
# Renders every object named on stdin ("NAME WIDTH HEIGHT" lines) from PKG and checks the exit code and
# that each opens at that size.
expect_render_sizes() {  # PKG
  local name size
  while read -r name size; do
    render "$1" "$name" -o "$name.png"; check "$name renders" 0 $?
    check "$name at its page's size" "$size" "$(px "$name.png" size)"
  done
}
finish() {
  echo "$((total - fails)) passed, $fails failed"
  [ "$fails" -eq 0 ]
}
