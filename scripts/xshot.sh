# Helpers for running Orvanta on a virtual display and taking pictures of
# its windows. Sourced by run.sh and screenshots.sh.

# Starts Xvfb on the first free display and exports DISPLAY.
start_xvfb() {
    local n
    for n in $(seq 90 120); do
        [ -e "/tmp/.X$n-lock" ] && continue
        Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
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

# Saves a PNG of the window titled $1 to $2, once its content has settled.
shoot_window() {
    local id previous="" current
    id=$(wait_x_window "$1") || { echo "window '$1' did not appear" >&2; return 1; }
    for _ in $(seq 50); do
        current=$(import -window "$id" rgb:- 2>/dev/null | md5sum)
        [ "$current" = "$previous" ] && break
        previous=$current
        sleep 0.1
    done
    mkdir -p "$(dirname "$2")"
    import -window "$id" "$2"
}
