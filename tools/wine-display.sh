#!/bin/sh
# A virtual display (Xvfb) for the Windows test programs that open windows under Wine.
#   tools/wine-display.sh start STATE        starts one on a free display number
#   tools/wine-display.sh run STATE CMD...   runs CMD with DISPLAY naming it
#   tools/wine-display.sh stop STATE         ends it
# STATE is a path prefix for the files that remember it (STATE.display, STATE.pid, STATE.log).
set -e
action="$1"
state="$2"
case "$action" in
start)
    if [ -f "$state.pid" ] && kill -0 "$(cat "$state.pid")" 2>/dev/null; then
        kill "$(cat "$state.pid")" 2>/dev/null || true
    fi
    rm -f "$state.display" "$state.pid"
    # Xvfb names the display it took on descriptor 3 once it accepts connections; its
    # output goes to the log, so that nothing waits for it to end.
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset \
        3>"$state.display" </dev/null >"$state.log" 2>&1 &
    echo $! >"$state.pid"
    tries=0
    while [ ! -s "$state.display" ]; do
        tries=$((tries + 1))
        if [ "$tries" -gt 100 ] || ! kill -0 "$(cat "$state.pid")" 2>/dev/null; then
            echo "Xvfb did not start:" >&2
            cat "$state.log" >&2
            exit 1
        fi
        sleep 0.1
    done
    echo "virtual display :$(cat "$state.display")"
    ;;
run)
    shift 2
    DISPLAY=":$(cat "$state.display")"
    export DISPLAY
    exec "$@"
    ;;
stop)
    if [ -f "$state.pid" ]; then
        kill "$(cat "$state.pid")" 2>/dev/null || true
        rm -f "$state.pid" "$state.display"
    fi
    ;;
*)
    echo "usage: $0 start|run|stop STATE [CMD...]" >&2
    exit 2
    ;;
esac
