#!/usr/bin/env bash
# Fails when a source file includes against the direction of the rooms:
#   common <- widgets <- forms <- report <- each system <- overview <- app
# A system never includes another system; only overview/ and app/ know the systems.
set -euo pipefail
root=${1:?usage: layering_test.sh SOURCE_DIR}
cd "$root"

allowed() {   # the rooms a file in room $1 may include from
    case $1 in
        common) echo "common" ;;
        widgets) echo "common widgets" ;;
        forms) echo "common widgets forms" ;;
        report) echo "common widgets forms report" ;;
        celtic | chinese | mayan | australian) echo "common widgets forms report $1" ;;
        overview) echo "common widgets forms report celtic chinese mayan australian overview" ;;
        app) echo "common widgets forms report celtic chinese mayan australian overview app" ;;
    esac
}

status=0
for room in common widgets forms report celtic chinese mayan australian overview app; do
    ok=" $(allowed "$room") "
    while IFS=: read -r file line target; do
        used=${target%%/*}
        if [[ $ok != *" $used "* ]]; then
            echo "$file:$line: $room/ must not include $target"
            status=1
        fi
    done < <(grep -rnoE --include='*.cpp' --include='*.h' --include='*.inc' \
                 '^[[:space:]]*#[[:space:]]*include[[:space:]]+"[a-z]+/[^"]+"' "$room" |
             sed -E 's/:[[:space:]]*#[[:space:]]*include[[:space:]]+"/:/; s/"$//')
done
[[ $status == 0 ]] && echo "rooms: every include follows the direction"
exit $status
