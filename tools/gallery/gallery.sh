#!/usr/bin/env bash
# Renders every gauge of the library at the input values its folder lists, into
# PNG files under <build>/gallery/, with an index.html to look at them all.
#
#   tools/gallery/gallery.sh [BUILD_DIR] [FILTER]
#
# BUILD_DIR defaults to build/; FILTER renders only the cases whose
# "<folder>/<document>-<case>" contains it.
#
# Each gauge folder of the source tree that holds a gallery.txt takes part; no
# edit here is needed to add a gauge. One case per line:
#
#   <document> <case> [radod-inspect arguments...]
#   Airspeed   130kt  --property value=130 --property is172=1
#
# <document> is the file stem of a document in that folder, <case> names the
# PNG (<document>-<case>.png); the arguments are passed to radod-inspect as
# they stand (--property NAME=VALUE, --size WxH, --wait MS), split at white
# space. Blank lines and lines starting with # are ignored.
set -uo pipefail

root=$(cd "$(dirname "$0")/../.." && pwd)
build=$(cd "${1:-$root/build}" && pwd) || { echo "gallery: no build folder ${1:-$root/build}" >&2; exit 2; }
filter=${2:-}
inspect="$build/bin/radod-inspect"
out="$build/gallery"

if [[ ! -x "$inspect" ]]; then
    echo "gallery: $inspect is missing; build the project first" >&2
    exit 2
fi
export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}
export QT_QUICK_BACKEND=${QT_QUICK_BACKEND:-software}

mkdir -p "$out"
index="$out/index.html"
{
    echo '<!DOCTYPE html><html><head><meta charset="utf-8"><title>Gauge gallery</title>'
    echo '<style>body{background:#333;color:#ddd;font-family:sans-serif}'
    echo 'figure{display:inline-block;margin:6px}img{width:280px;background:#555}</style></head><body>'
} > "$index"

rendered=0
failed=0
while IFS= read -r list; do
    folder=${list#"$root/"}
    folder=${folder%/gallery.txt}
    echo "<h2>$folder</h2>" >> "$index"
    while read -r document case rest || [[ -n "${document:-}" ]]; do
        [[ -z "${document:-}" || "$document" == \#* ]] && continue
        if [[ -z "${case:-}" ]]; then
            echo "gallery: $folder/gallery.txt: a case needs a document and a name: $document" >&2
            failed=$((failed + 1))
            continue
        fi
        name="$document-$case"
        [[ -n "$filter" && "$folder/$name" != *"$filter"* ]] && continue
        read -ra args <<< "${rest:-}"
        png="$out/$folder/$name.png"
        mkdir -p "$(dirname "$png")"
        if "$inspect" "qrc:/$folder/$document.qml" "${args[@]}" --png "$png" > "$out/$folder/$name.log" 2>&1 \
                && [[ -s "$png" ]]; then
            rendered=$((rendered + 1))
            echo "<figure><img src=\"$folder/$name.png\"><figcaption>$document $case<br><small>${rest:-}</small></figcaption></figure>" >> "$index"
        else
            failed=$((failed + 1))
            echo "gallery: $folder/$name failed, see $out/$folder/$name.log" >&2
        fi
    done < "$list"
done < <(find "$root" -name gallery.txt -not -path "$root/.git/*" -not -path "$build/*" \
             -not -path "$root/build*" | sort)

echo '</body></html>' >> "$index"
echo "gallery: $rendered images in $out ($failed failed); open $index"
[[ $failed -eq 0 ]]
