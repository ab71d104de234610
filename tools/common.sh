# Shared by run.sh and test.sh: installs what is missing and builds.

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build="$root/build"

# Debian's packages that building, running and testing need.
packages=(
    cmake ninja-build g++ pkg-config
    qt6-base-dev qt6-wayland libgl-dev libgtest-dev
    fonts-liberation
    xvfb xauth x11-utils xdotool imagemagick weston
    python3 python3-xlib dbus at-spi2-core python3-pyatspi
    libxcb1-dev clang libclang-rt-14-dev llvm
    librsvg2-bin dpkg-dev file desktop-file-utils appstream binutils-mingw-w64-x86-64 icoutils
)

install_missing() {
    local missing=()
    local package
    for package in "${packages[@]}"; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' ||
            missing+=("$package")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing: ${missing[*]}"
    local sudo=
    [ "$(id -u)" -eq 0 ] || sudo=sudo
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends \
        "${missing[@]}" >/dev/null
}

configure_and_build() {
    cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
    cmake --build "$build"
}
