#!/usr/bin/env bash
# Compiles the Windows resource script with MinGW's resource compiler, links it into a
# resource-only DLL and reads it back with wrestool: icon group 1 holding image 30001, the .ico's
# own bytes, and the version record in the fixed and the string version information.
# Usage: winres.sh OSTREL_RC OSTREL_ICO PRODUCT VERSION_TEXT VERSION
set -euo pipefail
rc=$1 ico=$2 product=$3 version_text=$4 version=$5
. "$(dirname "$0")/../e2e/common.sh"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# The script includes no header, so the host's C preprocessor serves.
x86_64-w64-mingw32-windres --preprocessor=cpp -i "$rc" -O coff -o "$work/ostrel-rc.o"
x86_64-w64-mingw32-ld --dll --entry=0 -o "$work/ostrel-rc.dll" "$work/ostrel-rc.o"
dll=$work/ostrel-rc.dll

listing=$(wrestool -l "$dll")
echo "$listing"
[ "$(wc -l <<<"$listing")" -eq 3 ] || fail "three resources expected"
grep -q -- '--type=14 --name=1 .*type=group_icon' <<<"$listing" || fail "no icon group 1"
grep -q -- '--type=3 --name=30001 .*type=icon' <<<"$listing" || fail "no icon image 30001"
grep -q -- '--type=16 --name=1 .*type=version' <<<"$listing" || fail "no version resource"

# The group is the .ico's directory with the image's offset replaced by its id; the image is
# the .ico's image.
cmp <(wrestool -x --raw --type=14 --name=1 "$dll") \
    <(head -c 18 "$ico"; printf '\x31\x75') || fail "icon group 1 differs from the .ico"
cmp <(wrestool -x --raw --type=3 --name=30001 "$dll") <(tail -c +23 "$ico") ||
    fail "icon image 30001 differs from the .ico"
cmp <(wrestool -x --type=14 --name=1 "$dll" | head -c "$(stat -c %s "$ico")") "$ico" ||
    fail "wrestool does not rebuild the .ico from group 1"

wrestool -x --raw --type=16 --name=1 "$dll" >"$work/version.bin"
/usr/bin/python3 - "$work/version.bin" "$product" "$version_text" "$version" <<'PYTHON'
import struct
import sys

data = open(sys.argv[1], 'rb').read()
product, text, version = sys.argv[2:5]
failures = []
fixed = data.find(struct.pack('<I', 0xFEEF04BD))
parts = [int(p) for p in version.split('.')]
expected = (parts[0] << 16 | parts[1], parts[2] << 16 | parts[3])
file_ms, file_ls, product_ms, product_ls = struct.unpack_from('<4I', data, fixed + 8)
if fixed < 0 or (file_ms, file_ls) != expected or (product_ms, product_ls) != expected:
    failures.append('fixed file and product version are not %s' % version)
strings = data.decode('utf-16-le', 'replace')
for key, value in (('ProductName', product), ('FileVersion', text),
                   ('ProductVersion', text), ('CompanyName', None)):
    at = strings.find(key + '\0')
    if at < 0:
        failures.append('no %s string' % key)
        continue
    shown = strings[at + len(key) + 1:].lstrip('\0').split('\0')[0]
    print('%s: %s' % (key, shown))
    if value is not None and shown != value:
        failures.append('%s is %r, not %r' % (key, shown, value))
    if value is None and not shown:
        failures.append('%s is empty' % key)
for failure in failures:
    print('FAIL: ' + failure)
sys.exit(1 if failures else 0)
PYTHON
echo "PASS: winres"
