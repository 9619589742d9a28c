#!/bin/sh
# Runs the screen test class under Xvfb (1024x768) with the openbox window manager.
# usage: lancer_ecran.sh PROGRAMME      (exit 77: Xvfb or openbox missing, the test is skipped)
set -eu
programme=$1
for outil in Xvfb openbox; do
    command -v "$outil" >/dev/null 2>&1 || { echo "SKIP: $outil missing (scripts/install-deps installs it)"; exit 77; }
done

# A free display number: no socket and no lock file.
n=71
while [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ]; do n=$((n + 1)); done
tmp=$(mktemp -d)
Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp >"$tmp/xvfb.log" 2>&1 &
xvfb=$!
wm=
trap 'kill $wm $xvfb 2>/dev/null || true; rm -rf "$tmp"' EXIT INT TERM
export DISPLAY=":$n"

# Polls `condition` every 50 ms, at most 30 s (a loaded machine may start openbox slowly).
attendre() {
    i=0
    until eval "$1"; do
        i=$((i + 1)); [ $i -lt 600 ] || { echo "ECHEC: $2"; cat "$tmp"/*.log; exit 1; }
        sleep 0.05
    done
}
attendre '[ -e "/tmp/.X11-unix/X$n" ]' "Xvfb did not start"
if command -v xprop >/dev/null 2>&1; then
    # The server answers a request before the window manager connects.
    attendre 'xprop -root >/dev/null 2>&1' "Xvfb does not answer"
    # openbox announces itself on the root window once it manages the screen; it is started
    # again if it gave up (a connection refused on a loaded machine).
    for essai in 1 2 3; do
        openbox --sm-disable >>"$tmp/openbox.log" 2>&1 &
        wm=$!
        i=0
        until xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id"; do
            kill -0 $wm 2>/dev/null || break
            i=$((i + 1)); [ $i -lt 600 ] || break
            sleep 0.05
        done
        xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id" && break
        kill $wm 2>/dev/null || true
        [ $essai -lt 3 ] || { echo "ECHEC: openbox did not start"; cat "$tmp"/*.log; exit 1; }
    done
else
    openbox --sm-disable >"$tmp/openbox.log" 2>&1 &
    wm=$!
    sleep 1
fi
QT_QPA_PLATFORM=xcb GALBIX_TEST_ECRAN=1 "$programme" tst_ecran
