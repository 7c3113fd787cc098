# Sourced by the run and test scripts: start_headless_display brings up Xvfb on a free
# display number and exports DISPLAY; stop_headless_display ends it again.
start_headless_display() {
    local n
    for n in $(seq 90 140); do
        [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ] && continue
        Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
        LOCATRIX_XVFB_PID=$!
        export DISPLAY=":$n"
        # A run started at the same moment may win this number: the display is ours only
        # while our server lives and holds its lock; otherwise try the next number.
        for _ in $(seq 100); do
            kill -0 "$LOCATRIX_XVFB_PID" 2>/dev/null || break
            [ -e "/tmp/.X11-unix/X$n" ] && [ "$(tr -d ' ' 2>/dev/null <"/tmp/.X$n-lock")" = "$LOCATRIX_XVFB_PID" ] && return 0
            sleep 0.1
        done
        kill "$LOCATRIX_XVFB_PID" 2>/dev/null || true
        LOCATRIX_XVFB_PID=""
    done
    echo "no free X display number" >&2
    return 1
}
stop_headless_display() {
    [ -n "${LOCATRIX_XVFB_PID:-}" ] && kill "$LOCATRIX_XVFB_PID" 2>/dev/null || true
    LOCATRIX_XVFB_PID=""
}
