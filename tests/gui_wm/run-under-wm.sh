#!/bin/sh
# Runs a test program on a virtual X server of its own under a real window
# manager (openbox), so that stacking, activation and keyboard focus are those
# of a desktop and not the offscreen platform's. The display of the session,
# if any, is not used.
#
# Usage: run-under-wm.sh PROGRAM [ARGUMENTS...]
set -u

if [ "${PILECORR_UNDER_WM:-}" != 1 ]; then
    for tool in xvfb-run xauth openbox xprop xdotool; do
        if ! command -v "$tool" >/dev/null 2>&1; then
            echo "run-under-wm: $tool is missing (scripts/install-deps installs it)" >&2
            exit 1
        fi
    done
    PILECORR_UNDER_WM=1 exec xvfb-run -a -s "-screen 0 1280x1024x24 -nolisten tcp" "$0" "$@"
fi

openbox --sm-disable >"${TMPDIR:-/tmp}/pilecorr-openbox.$$.log" 2>&1 &
wm=$!
# The window manager is up once it has announced itself on the root window
# (at most 10 s).
up=0
i=0
while [ $i -lt 100 ]; do
    if xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; then
        up=1
        break
    fi
    if ! kill -0 $wm 2>/dev/null; then
        break
    fi
    sleep 0.1
    i=$((i + 1))
done
if [ $up -ne 1 ]; then
    echo "run-under-wm: openbox did not start" >&2
    cat "${TMPDIR:-/tmp}/pilecorr-openbox.$$.log" >&2
    kill $wm 2>/dev/null
    rm -f "${TMPDIR:-/tmp}/pilecorr-openbox.$$.log"
    exit 1
fi

QT_QPA_PLATFORM=xcb "$@"
status=$?
kill $wm 2>/dev/null
wait $wm 2>/dev/null
rm -f "${TMPDIR:-/tmp}/pilecorr-openbox.$$.log"
exit $status
