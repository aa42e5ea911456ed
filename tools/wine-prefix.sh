#!/bin/sh
# Makes the Wine prefix that WINEPREFIX names, once: a prefix already made is left alone,
# which saves the few seconds wineboot takes even when there is nothing to do. Its windows
# open on a Wine desktop of its own (a virtual desktop inside the display), where Wine draws
# the captions and frames and needs no window manager: without one, every window that hides
# would wait two seconds for a manager's answer.
#   tools/wine-prefix.sh /usr/bin/wine
set -e
if [ -f "$WINEPREFIX/user.reg" ] && grep -q 'Explorer\\\\Desktops' "$WINEPREFIX/user.reg"; then
    exit 0
fi
if [ ! -f "$WINEPREFIX/system.reg" ]; then
    "$1" wineboot --init
fi
"$1" reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f >/dev/null
"$1" reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d 1024x768 /f >/dev/null
# The registry reaches its files when the server ends.
"$(dirname "$1")/wineserver" -w 2>/dev/null || wineserver -w
