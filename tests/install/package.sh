#!/usr/bin/env bash
# Builds the Debian package with CPack, checks its control fields and contents, unpacks it into
# a scratch root and starts the unpacked program under Xvfb.
# Usage: package.sh BUILD_DIR PRODUCT VERSION_TEXT APP_ID SOURCE_ICO
set -euo pipefail
build=$1 product=$2 version=$3 app_id=$4 ico=$5
here=$(dirname "$0")
. "$here/../e2e/common.sh"
cpack --config "$build/CPackConfig.cmake" -G DEB -B "$work/out" >"$work/cpack.log" 2>&1 ||
    { cat "$work/cpack.log" >&2; fail "cpack failed"; }
deb=$(ls "$work"/out/*.deb)
echo "package: $(basename "$deb")"
[ "$(dpkg-deb -f "$deb" Package)" = ostrel ] || fail "package name"
[ "$(dpkg-deb -f "$deb" Version)" = "$version" ] || fail "version $(dpkg-deb -f "$deb" Version)"

# Every dependency is a Debian package present here at a version that satisfies it.
depends=$(dpkg-deb -f "$deb" Depends)
echo "depends: $depends"
for needed in libqt6widgets6 libqt6gui6 qt6-qpa-plugins qt6-wayland fonts-liberation libc6; do
    grep -Eq "(^|, )$needed( |,|$)" <<<"$depends" || fail "no dependency on $needed"
done
while read -r clause; do
    name=${clause%% *}
    installed=$(dpkg-query -W -f='${Version}' "$name" 2>/dev/null) || fail "unknown package $name"
    if [[ $clause =~ \((.+)\ (.+)\) ]]; then
        dpkg --compare-versions "$installed" "${BASH_REMATCH[1]}" "${BASH_REMATCH[2]}" ||
            fail "$name $installed does not satisfy $clause"
    fi
done < <(sed 's/, /\n/g' <<<"$depends")

root=$work/root
dpkg-deb -x "$deb" "$root"
share=$root/usr/share
icons=$share/icons/hicolor
[ -x "$root/usr/bin/ostrel" ] || fail "no usr/bin/ostrel"

desktop=$share/applications/$app_id.desktop
desktop-file-validate "$desktop" || fail "desktop entry invalid"
grep -qx 'Exec=ostrel' "$desktop" || fail "the entry does not start ostrel"
grep -qx "Icon=$app_id" "$desktop" || fail "the entry names another icon"
grep -qx "Name=$product" "$desktop" || fail "the entry is not named $product"

metainfo=$share/metainfo/$app_id.metainfo.xml
appstreamcli validate --no-net "$metainfo" || fail "AppStream metadata invalid"
grep -q "<name>$product</name>" "$metainfo" || fail "AppStream name"
grep -q "<release version=\"$version\"" "$metainfo" || fail "AppStream release version"
grep -q "<launchable type=\"desktop-id\">$app_id.desktop</launchable>" "$metainfo" ||
    fail "AppStream launchable"
grep -Eq '<image[^>]*>https?://[^<]+\.png</image>' "$metainfo" || fail "AppStream screenshot"

# The 32-pixel icon is the .ico's image; the larger ones are rendered from the drawing.
[ "$(compare -metric AE "$ico" "$icons/32x32/apps/$app_id.png" null: 2>&1)" = 0 ] ||
    fail "the 32 x 32 PNG differs from the .ico's image"
for size in 32 48 64 128 256; do
    png=$icons/${size}x${size}/apps/$app_id.png
    [ "$(identify -format '%wx%h' "$png")" = "${size}x${size}" ] || fail "no $size-pixel icon"
done
grep -q '<svg' "$icons/scalable/apps/$app_id.svg" || fail "no scalable icon"
# The rendered 256-pixel icon is the design: transparent corners, a white upper-right part and a
# black lower-left part.
pixel() { convert "$icons/256x256/apps/$app_id.png" -format "%[pixel:p{$1,$2}]" info:; }
[ "$(pixel 2 2)" = 'srgba(0,0,0,0)' ] || fail "the 256-pixel icon's corner is $(pixel 2 2)"
[ "$(pixel 160 80)" = 'srgba(255,255,255,1)' ] || fail "upper right: $(pixel 160 80)"
[ "$(pixel 96 176)" = 'srgba(0,0,0,1)' ] || fail "lower left: $(pixel 96 176)"

# The unpacked program opens its window on the system's Qt.
start_xvfb
"$root/usr/bin/ostrel" 2>"$work/stderr" &
app=$!
wait_for 20 xdotool search --onlyvisible --name "^$caption\$" ||
    fail "the installed program opened no window: $(cat "$work/stderr")"
echo "PASS: package"
