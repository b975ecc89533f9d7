#!/bin/bash
# Installs what building and testing Lumistrand needs on Debian 12. Quick when all is there:
# apt runs only when a package is missing. Needs root (or sudo) only in that case.
set -eu

packages=(
    g++ make cmake googletest libgtest-dev clang
    g++-mingw-w64-i686-posix mingw-w64-tools
    wine wine32:i386 xvfb x11-utils imagemagick
)

installed() {
    [ "$(dpkg-query -W -f='${db:Status-Status}' "$1" 2>/dev/null)" = installed ]
}

missing=()
for package in "${packages[@]}"; do
    installed "$package" || missing+=("$package")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "setup: installing ${missing[*]}"
as_root=()
if [ "$(id -u)" -ne 0 ]; then
    command -v sudo >/dev/null || { echo "setup: run as root to install ${missing[*]}" >&2; exit 1; }
    as_root=(sudo)
fi
# wine32 is an i386 package.
if ! dpkg --print-foreign-architectures | grep -qx i386; then
    "${as_root[@]}" dpkg --add-architecture i386
fi
"${as_root[@]}" apt-get update
DEBIAN_FRONTEND=noninteractive "${as_root[@]}" apt-get install -y "${missing[@]}"
