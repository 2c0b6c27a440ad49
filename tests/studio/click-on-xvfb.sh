#!/bin/sh
# Runs on an X display (xvfb-run): starts the studio on a form, clicks the header of the second tab
# in the real window as a person would, waits for the switch in the event log, then quits with
# Ctrl+Q and answers "No" to saving the changes. Exits with the studio's status.
#   click-on-xvfb.sh STUDIO FORM LOG X Y
set -eu
studio=$1 form=$2 log=$3 x=$4 y=$5
"$studio" "$form" --log "$log" &
pid=$!
trap 'kill $pid 2>/dev/null || true' EXIT
window=$(xdotool search --sync --onlyvisible --name '^vntab-studio' | head -n 1)
xdotool windowfocus --sync "$window"
xdotool mousemove --window "$window" "$x" "$y" click 1
tries=0
until grep -q 'AfterTabChanged NewTab=2' "$log"; do
    tries=$((tries + 1))
    [ $tries -lt 100 ] || { echo "no tab switch in the log" >&2; exit 1; }
    sleep 0.1
done
xdotool key --clearmodifiers ctrl+q
sleep 0.5
xdotool key n
status=0
wait $pid || status=$?
trap - EXIT
exit $status
