# Helpers for running Orvanta on a virtual display and taking pictures of
# its windows. Sourced by run.sh and screenshots.sh.

# Starts Xvfb on the first free display (XVFB_SCREEN pixels, 1024x768x24 by
# default) and exports DISPLAY.
start_xvfb() {
    local n
    for n in $(seq 90 120); do
        [ -e "/tmp/.X$n-lock" ] && continue
        Xvfb ":$n" -screen 0 "${XVFB_SCREEN:-1024x768x24}" -nolisten tcp >/dev/null 2>&1 &
        XVFB_PID=$!
        export DISPLAY=":$n"
        for _ in $(seq 100); do xwininfo -root >/dev/null 2>&1 && return 0; sleep 0.05; done
    done
    echo "no virtual display could be started" >&2
    return 1
}

stop_xvfb() { [ -n "${XVFB_PID:-}" ] && kill "$XVFB_PID" 2>/dev/null; wait "${XVFB_PID:-}" 2>/dev/null || true; }

# Prints the X id of the window titled exactly $1 once it is mapped (30 s at most).
wait_x_window() {
    local id
    for _ in $(seq 300); do
        id=$(xwininfo -root -tree 2>/dev/null | grep -F " \"$1\": (" | awk '{print $1; exit}')
        if [ -n "$id" ] && xwininfo -id "$id" 2>/dev/null | grep -q 'IsViewable'; then
            echo "$id"
            return 0
        fi
        sleep 0.1
    done
    return 1
}

# Saves a PNG of the window titled $1 to $2, once it has been painted (more
# than two colours) and its content has settled. The picture is cut from
# the screen: a window inside a Wine desktop is drawn there.
shoot_window() {
    local id geometry previous="" current
    id=$(wait_x_window "$1") || { echo "window '$1' did not appear" >&2; return 1; }
    geometry=$(xwininfo -id "$id" | awk '/Absolute upper-left X/ {x=$NF} /Absolute upper-left Y/ {y=$NF}
        /Width:/ {w=$NF} /Height:/ {h=$NF} END {print w "x" h "+" x "+" y}')
    mkdir -p "$(dirname "$2")"
    for _ in $(seq 100); do
        import -window root -crop "$geometry" +repage "$2"
        current=$(md5sum < "$2")
        [ "$(identify -format '%k' "$2")" -gt 2 ] && [ "$current" = "$previous" ] && return 0
        previous=$current
        sleep 0.1
    done
}
