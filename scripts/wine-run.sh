#!/bin/sh
# Runs a Windows program under the project's own Wine prefix in the Japanese locale (ANSI code page 932).
# Without an X display it runs the program on a private virtual one.
root=$(cd "$(dirname "$0")/.." && pwd)
export WINEPREFIX="${WINEPREFIX:-$root/build/wineprefix}"
export WINEDEBUG="${WINEDEBUG:--all}"
export LANG=ja_JP.UTF-8 LC_ALL=ja_JP.UTF-8
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=}"

if [ ! -f "$WINEPREFIX/.rominado-ready" ]; then
    mkdir -p "$WINEPREFIX"
    # First start: create the prefix once, even when several tests start together.
    (
        flock 9
        if [ ! -f "$WINEPREFIX/.rominado-ready" ]; then
            # Wine's system processes outlive these commands: they must not inherit the lock.
            wineboot -i >/dev/null 2>&1 9>&-
            # Without a window manager Wine waits for each hidden window; unmanaged windows do not.
            wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1 9>&-
            # The program's Japanese fonts, by their Windows names, as the IPA fonts of the same kind.
            wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v 'ＭＳ Ｐゴシック' /d 'IPAPGothic' /f >/dev/null 2>&1 9>&-
            wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v 'ＭＳ ゴシック' /d 'IPAGothic' /f >/dev/null 2>&1 9>&-
            touch "$WINEPREFIX/.rominado-ready"
        fi
    ) 9>"$WINEPREFIX/.lock"
fi

if [ -z "$DISPLAY" ] && command -v xvfb-run >/dev/null 2>&1; then
    exec xvfb-run -a -s "-screen 0 1024x768x24" wine "$@"
fi
exec wine "$@"
