#!/usr/bin/env bash
# The committed icon files are what tools/make-icon.py draws: the .ico, its image as a 32 x 32
# PNG and the scalable drawing.
# Usage: icons.sh SOURCE_DIR
set -euo pipefail
source_dir=$1
. "$(dirname "$0")/../e2e/common.sh"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
/usr/bin/python3 "$source_dir/tools/make-icon.py" "$work/ostrel.ico" "$work/ostrel-32.png" \
    "$work/drawing.svg"
cmp "$work/ostrel.ico" "$source_dir/app/ostrel.ico" || fail "app/ostrel.ico is not the script's"
[ "$(stat -c %s "$work/ostrel.ico")" -eq 766 ] || fail "the .ico is not 766 bytes"
cmp "$work/ostrel-32.png" "$source_dir/app/desktop/ostrel-32.png" ||
    fail "app/desktop/ostrel-32.png is not the script's"
cmp "$work/drawing.svg" "$source_dir/app/desktop/org.ostrel.Ostrel.svg" ||
    fail "app/desktop/org.ostrel.Ostrel.svg is not the script's"
echo "PASS: icons"
