#!/bin/bash
# Fails when a program file includes a header of a higher floor than its own. The floors are
# read from the line in docs/architecture.md that lists them bottom up ("vcp → platform → ...");
# folders on one floor are joined by "/" and may include each other. res/ holds only the ids
# and may be included from every floor.
#   bash scripts/check-layers.sh [repository root]
set -eu
root=${1:-$(cd "$(dirname "$0")/.." && pwd)}
order=$(grep -m1 -E '^vcp → ' "$root/docs/architecture.md") || { echo "check-layers: no floor line in docs/architecture.md" >&2; exit 2; }

declare -A floor=([res]=0)
rank=1
IFS='→' read -ra floors <<<"$order"
for entry in "${floors[@]}"; do
    entry=$(echo "$entry" | tr -d ' ')
    IFS='/' read -ra folders <<<"$entry"
    for folder in "${folders[@]}"; do floor[$folder]=$rank; done
    rank=$((rank + 1))
done

status=0
for folder in "${!floor[@]}"; do
    [ -d "$root/$folder" ] || continue
    while IFS= read -r hit; do
        file=${hit%%:*}
        included=$(echo "$hit" | sed -E 's/.*#include "([^"]+)".*/\1/')
        target=${included%%/*}
        if [ -z "${floor[$target]+set}" ]; then
            echo "check-layers: $file includes $included, which is no program floor"
            status=1
        elif [ "${floor[$target]}" -gt "${floor[$folder]}" ]; then
            echo "check-layers: $file includes $included, a floor above $folder/"
            status=1
        fi
    done < <(cd "$root" && grep -rHE '^#include "[^"]+/' "$folder" --include='*.cpp' --include='*.h' || true)
done
[ $status -eq 0 ] && echo "check-layers: every include runs down or across a floor"
exit $status
