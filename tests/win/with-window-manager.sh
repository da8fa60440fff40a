#!/bin/sh
# Runs a command on this X server with a window manager: starts openbox, waits until it answers as a
# manager, runs the command, and ends openbox by its process id. Exits 77 (skipped) when openbox or
# wmctrl is missing or the manager never comes up.
command -v openbox >/dev/null 2>&1 && command -v wmctrl >/dev/null 2>&1 || {
    echo "skipped: openbox or wmctrl is not installed"
    exit 77
}
openbox --sm-disable --config-file /dev/null >/dev/null 2>&1 &
manager=$!
tries=0
until wmctrl -m >/dev/null 2>&1; do
    tries=$((tries + 1))
    if [ $tries -gt 40 ] || ! kill -0 $manager 2>/dev/null; then
        kill $manager 2>/dev/null
        echo "skipped: the window manager did not come up"
        exit 77
    fi
    sleep 0.25
done
OLVA_EXPECT_WINDOW_MANAGER=1 "$@"
status=$?
kill $manager 2>/dev/null
wait $manager 2>/dev/null
exit $status
