#!/usr/bin/env bash
# Renders every golden form to its reference image (tests/golden/NAME.png) and the contact sheet
# docs/gallery.png. Run it on purpose, after a change that is meant to change what is drawn; then
# open every image that changed and say in the change why it did. The tests never run this.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
vntab=${VNTAB:-$root/build/default/apps/vntab/vntab}
[ -x "$vntab" ] || { echo "build first: $vntab is missing" >&2; exit 2; }

for form in "$here"/forms/*.frm; do
    name=$(basename "$form" .frm)
    events=()
    [ -f "$here/forms/$name.events" ] && events=(--events "$here/forms/$name.events")
    "$vntab" render "$form" -o "$here/$name.png" --control VNTabCtl1 "${events[@]}"
done
# The example forms, whole.
for form in "$root"/examples/*.frm; do
    "$vntab" render "$form" -o "$here/example-$(basename "$form" .frm).png"
done

# The contact sheet: every golden image with its name under it (ImageMagick's montage).
if command -v montage >/dev/null 2>&1; then
    montage -font DejaVu-Sans -pointsize 11 -label '%t' "$here"/*.png -tile 7x -geometry '336x216+6+6>' \
        -background '#e8e8e8' "$root/docs/gallery.png"
else
    echo "montage (Debian package imagemagick) is missing: docs/gallery.png was not made" >&2
fi
