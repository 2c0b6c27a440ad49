#!/usr/bin/env bash
# Checks the shape of the source tree:
#   - the folders of src/ include each other without a circle;
#   - src/platform includes nothing outside src/platform;
#   - src/hook stands on the platform alone (any window may be hooked, the tab control included);
#   - layout/ and render/ see the control only through its narrow view, never VNTabCtl.h;
#   - src/ includes nothing of apps/; an application includes no other application, only the
#     library they share (apps/driver);
#   - no source file of src/ or apps/ is longer than 600 lines.
# Prints every violation and exits 1 when there is one. Needs only bash, grep, awk and tsort.
set -euo pipefail
cd "$(dirname "$0")/.."

folder_of() { # src/platform/gdi/X.cpp -> platform/gdi, src/render/X.cpp -> render
    local path=$1
    path=${path#src/}
    case $path in
        platform/*) echo "${path%%/*}/$(echo "$path" | cut -d/ -f2)" ;;
        apps/*) echo "$path" | cut -d/ -f1-2 ;;
        *) echo "${path%%/*}" ;;
    esac
}

status=0
edges=$(mktemp)
trap 'rm -f "$edges"' EXIT

while IFS= read -r file; do
    from=$(folder_of "$file")
    while IFS= read -r target; do
        if [ -f "src/$target" ]; then
            to=$(folder_of "src/$target")
        elif [ -f "apps/$target" ]; then
            to=$(folder_of "apps/$target")
        else
            continue # a header of the same folder, or a system header
        fi
        [ "$from" = "$to" ] && continue
        echo "$from $to" >>"$edges"
        case $from in
            platform/*)
                case $to in platform/*) ;; *)
                    echo "platform reaches above itself: $file includes $target"; status=1 ;;
                esac ;;
        esac
        case $from:$to in
            apps/*:apps/driver) ;;
            apps/*:apps/*) echo "one application includes another: $file includes $target"; status=1 ;;
            *:apps/*) echo "src reaches up into the applications: $file includes $target"; status=1 ;;
        esac
        case $from in
            hook)
                case $to in platform/*) ;; *)
                    echo "hook reaches beyond the platform: $file includes $target"; status=1 ;;
                esac ;;
        esac
        case $from:$target in
            layout:control/VNTabCtl.h | render:control/VNTabCtl.h)
                echo "$from sees the whole control: $file includes $target"; status=1 ;;
        esac
    done < <(grep -ho '^#include "[^"]*"' "$file" | sed 's/#include "\(.*\)"/\1/')
done < <(find src apps -name '*.h' -o -name '*.cpp' | sort)

# A circle between folders shows as tsort's complaint about a loop.
if ! sort -u "$edges" | tsort >/dev/null 2>"$edges.err"; then
    echo "the folders include each other in a circle:"
    grep -v '^tsort: -: input contains a loop:$' "$edges.err" | sed 's/^tsort: /  /'
    status=1
fi
rm -f "$edges.err"

while IFS= read -r line; do
    set -- $line
    [ "$2" = total ] && continue
    if [ "$1" -gt 600 ]; then
        echo "too long ($1 lines): $2"
        status=1
    fi
done < <(find src apps -name '*.h' -o -name '*.cpp' | xargs wc -l)

[ $status = 0 ] && echo "structure: no circle between folders, platform self-contained, hook on the platform alone, files within 600 lines"
exit $status
