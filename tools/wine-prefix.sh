#!/bin/sh
# Makes the Wine prefix that WINEPREFIX names, once: a prefix already made is left alone,
# which saves the few seconds wineboot takes even when there is nothing to do.
#   tools/wine-prefix.sh /usr/bin/wine
set -e
if [ -f "$WINEPREFIX/system.reg" ]; then
    exit 0
fi
exec "$1" wineboot --init
