#!/usr/bin/env bash
# Locking as the window manager sees it: the suite under Xvfb with openbox, a
# lock flag written to lock.txt and taken back. After every change each of
# the six windows must be framed or frameless as the flag says, still above
# ordinary windows (_NET_WM_STATE_ABOVE), at the same place (its outer
# top-left corner, frame included, where a stored position puts it) and the
# same size, and still mapped.
#   lock_keeps_windows.sh SUITE_PROGRAM
set -uo pipefail
suite=${1:?usage: lock_keeps_windows.sh SUITE_PROGRAM}
for tool in Xvfb openbox xprop xwininfo xdotool; do
    command -v "$tool" > /dev/null || { echo "missing $tool (scripts/install-deps.sh installs it)"; exit 1; }
done

work=$(mktemp -d)
pids=()
finish() {
    for pid in "${pids[@]}"; do kill "$pid" 2> /dev/null; done
    wait 2> /dev/null
    rm -rf "$work"
}
trap finish EXIT

# A display of our own: Xvfb picks a free number and tells it.
mkfifo "$work/display"
Xvfb -displayfd 3 -screen 0 1920x1080x24 -nolisten tcp 3> "$work/display" > "$work/xvfb.log" 2>&1 &
pids+=($!)
read -r -t 10 number < "$work/display" || { echo "Xvfb did not start"; cat "$work/xvfb.log"; exit 1; }
export DISPLAY=":$number"
openbox > "$work/openbox.log" 2>&1 &
pids+=($!)
sleep 1

export RADOD_EXCHANGE_DIR="$work/exchange"
mkdir -p "$RADOD_EXCHANGE_DIR"
unset QT_QPA_PLATFORM
"$suite" > "$work/suite.log" 2>&1 &
pids+=($!)

windows() { xdotool search --onlyvisible --name '^Radod - ' 2> /dev/null | sort; }
# One line per window: title, above or not, frame extents, client x y w h, map state.
view() {
    for w in $(windows); do
        local title above frame geo
        title=$(xprop -id "$w" WM_NAME | sed 's/^[^"]*"//; s/"$//')
        above=$(xprop -id "$w" _NET_WM_STATE | grep -q _NET_WM_STATE_ABOVE && echo above || echo not-above)
        frame=$(xprop -id "$w" _NET_FRAME_EXTENTS | sed 's/.*= //; s/ //g')
        [ -n "$frame" ] && [[ "$frame" != *"not found"* ]] || frame="0,0,0,0"
        # The outer corner: the client's corner less the frame's left and top.
        geo=$(xwininfo -id "$w" | awk -F: -v f="$frame" 'BEGIN{split(f, e, ",")}
              /Absolute upper-left X/{x=$2} /Absolute upper-left Y/{y=$2}
              /^ *Width/{w=$2} /^ *Height/{h=$2} /Map State/{m=$2}
              END{gsub(/ /,"",w); gsub(/ /,"",h); gsub(/ /,"",m); print x-e[1]" "y-e[3]" "w" "h" "m}')
        echo "$title|$above|$frame|$geo"
    done | sort
}
framed() { [ "$1" != "0,0,0,0" ]; }

for _ in $(seq 100); do [ "$(windows | wc -l)" -ge 6 ] && break; sleep 0.2; done
sleep 2
before=$(view)
echo "--- unlocked at start"; echo "$before"
[ "$(echo "$before" | wc -l)" -eq 6 ] || { echo "FAIL: six windows expected"; cat "$work/suite.log"; exit 1; }

failures=0
check() { # expected lock state, view
    local locked=$1 now=$2
    while IFS='|' read -r title above frame geo; do
        local was
        was=$(echo "$before" | awk -F'|' -v t="$title" '$1==t{print $4}')
        [ "$above" = above ] || { echo "FAIL: $title not above other windows"; failures=$((failures + 1)); }
        if [ "$locked" = 1 ] && framed "$frame"; then echo "FAIL: $title framed while locked"; failures=$((failures + 1)); fi
        if [ "$locked" = 0 ] && ! framed "$frame"; then echo "FAIL: $title frameless while unlocked"; failures=$((failures + 1)); fi
        [ "$geo" = "$was" ] || { echo "FAIL: $title moved or resized: $was -> $geo"; failures=$((failures + 1)); }
    done <<< "$now"
}

for round in 1 2; do
    for flag in 1 0; do
        printf '%s' "$flag" > "$RADOD_EXCHANGE_DIR/lock.txt"
        sleep 2
        now=$(view)
        echo "--- lock $flag (round $round)"; echo "$now"
        check "$flag" "$now"
    done
done
[ "$failures" -eq 0 ] && echo "1 passed, 0 failed" || echo "0 passed, 1 failed"
exit $((failures > 0))
