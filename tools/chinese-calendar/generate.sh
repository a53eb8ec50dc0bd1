#!/usr/bin/env bash
# Regenerates the Chinese calendar tables compiled into the program from the lunar-calendar
# library pinned in package.json and package-lock.json:
#   chinese/calendar/chinese_years.inc   the Chinese years, by the lunar new year and by the
#                                        Start of Spring
#   chinese/calendar/chinese_months.inc  the first day of every Chinese month
#   chinese/calendar/solar_terms.inc     the moments of the 24 solar terms
# The library is installed with `npm ci` into node_modules here (not committed); nothing is
# fetched when the program is built or run. A rerun writes the same bytes.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
root="$(cd "$here/../.." && pwd)"
(cd "$here" && npm ci --no-audit --no-fund --silent)
library="$here/node_modules/lunar-javascript"
tables="$root/chinese/calendar"
node "$here/generate.js" "$library" "$tables/chinese_years.inc"
node "$here/generate_lunar_tables.js" "$library" "$tables/chinese_months.inc" "$tables/solar_terms.inc"
echo "wrote chinese_years.inc, chinese_months.inc and solar_terms.inc in chinese/calendar/"
