#!/bin/sh
# Installs what building and testing need on Debian 12, and the ja_JP.UTF-8 locale that gives Wine code page 932.
# Idempotent and quick when everything is present.
set -eu

PACKAGES="cmake make g++ libgtest-dev libgmock-dev googletest g++-mingw-w64-x86-64 wine wine64 xvfb xdotool
xclip fonts-ipafont locales imagemagick clang clang-format libclang-rt-14-dev python3 python3-gi gir1.2-gtk-3.0 util-linux unzip"

missing=""
for p in $PACKAGES; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "ok installed" || missing="$missing $p"
done

as_root() {
    if [ "$(id -u)" = 0 ]; then
        "$@"
    elif command -v sudo >/dev/null 2>&1 && sudo -n true 2>/dev/null; then
        sudo "$@"
    else
        echo "setup: root is needed to install:${missing:- the ja_JP.UTF-8 locale} (run as root or with sudo)" >&2
        exit 1
    fi
}

if [ -n "$missing" ]; then
    command -v apt-get >/dev/null 2>&1 || { echo "setup: apt-get not found; install by hand:$missing" >&2; exit 1; }
    if ! as_root apt-get update -qq >/dev/null 2>&1; then
        echo "setup: no package registry reachable (apt-get update failed); missing:$missing" >&2
        exit 1
    fi
    # shellcheck disable=SC2086
    if ! as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq $missing \
        >/dev/null 2>&1; then
        echo "setup: apt-get install failed for:$missing" >&2
        exit 1
    fi
fi

if ! locale -a 2>/dev/null | grep -qi '^ja_JP\.utf-\?8$'; then
    as_root sed -i 's/^# *\(ja_JP\.UTF-8 UTF-8\)/\1/' /etc/locale.gen
    grep -q '^ja_JP\.UTF-8 UTF-8' /etc/locale.gen || echo 'ja_JP.UTF-8 UTF-8' | as_root tee -a /etc/locale.gen >/dev/null
    as_root locale-gen >/dev/null
fi
