#!/usr/bin/env bash
# Lists numbers in the range of our string, template, control, bitmap and icon ids that are
# written bare in code, tests and stand-ins, so that each can be reviewed: an id belongs in
# src/resources/*.h and is used by name everywhere else. Many hits are not ids at all (sizes,
# periods, error codes, print kinds); this is a review aid and exits 0 unless asked otherwise.
#
# Usage: tools/check-bare-ids.sh [-c] [-s] [-f] [folder...]
#   -c  code only: ignore what follows // on a line and whole-line /* */ and * comment lines
#   -s  summary: hits per file instead of every line
#   -f  fail (exit 1) when there is any hit
#   folders default to: src external tests host bench
# Each hit shows the names the number has in the headers ("?" when it has none).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"

code_only=0 summary=0 fail=0
while getopts "csf" option; do
  case $option in
    c) code_only=1 ;;
    s) summary=1 ;;
    f) fail=1 ;;
    *) sed -n '2,12p' "$0"; exit 2 ;;
  esac
done
shift $((OPTIND - 1))
folders=("$@")
[ ${#folders[@]} -gt 0 ] || folders=(src external tests host bench)

# Messages (500-599), controls, templates and bitmaps (1000-1999), the pages' templates and the
# icon (100-112), the test-job template (175).
pattern='\b(5[0-9][0-9]|1[0-9]{3}|10[0-9]|11[0-2]|175)\b'

hits=$(grep -rnE --include='*.cpp' --include='*.h' --include='*.c' --include='*.hpp' \
         --exclude-dir=resources "$pattern" "${folders[@]}" 2>/dev/null |
       grep -v '^src/resources/' || true)

# number -> names, from the headers
names=$(grep -hE '^#define (IDS|IDD|IDC|IDB|IDI|IDM)_[A-Z0-9_]+ [0-9]+' src/resources/*.h |
        awk '{print $3, $2}')

status=0
report=$(printf '%s\n' "$hits" | awk -v code_only="$code_only" -v summary="$summary" -v names="$names" '
BEGIN {
    n = split(names, rows, "\n")
    for (i = 1; i <= n; ++i) {
        split(rows[i], f, " ")
        if (f[1] in known) known[f[1]] = known[f[1]] "|" f[2]
        else known[f[1]] = f[2]
    }
}
NF == 0 { next }
{
    # file:line:text
    first = index($0, ":"); rest = substr($0, first + 1); second = index(rest, ":")
    file = substr($0, 1, first - 1); line = substr(rest, 1, second - 1); text = substr(rest, second + 1)
    scan = text
    if (code_only) {
        if (scan ~ /^[ \t]*(\/\*|\*)/) next
        cut = index(scan, "//"); if (cut > 0) scan = substr(scan, 1, cut - 1)
    }
    found = ""
    while (match(scan, /(^|[^0-9A-Za-z_.x])(5[0-9][0-9]|1[0-9][0-9][0-9]|10[0-9]|11[0-2]|175)([^0-9A-Za-z_.]|$)/)) {
        token = substr(scan, RSTART, RLENGTH); gsub(/[^0-9]/, "", token)
        entry = token "=" ((token in known) ? known[token] : "?")
        if (index(" " found " ", " " entry " ") == 0) found = found (found == "" ? "" : " ") entry
        scan = substr(scan, RSTART + RLENGTH - 1)
    }
    if (found == "") next
    ++total; ++perFile[file]
    if (!summary) { sub(/^[ \t]+/, "", text); printf "%s:%s: [%s] %s\n", file, line, found, text }
}
END {
    if (summary) for (name in perFile) printf "%5d  %s\n", perFile[name], name
    printf "TOTAL %d\n", total
    if (total > 0) exit 3
}') || status=$?
lines=$(printf '%s\n' "$report" | grep -v '^TOTAL ' | sed '/^$/d' || true)
if [ "$summary" = 1 ]; then lines=$(printf '%s\n' "$lines" | sort -rn); fi
[ -z "$lines" ] || printf '%s\n' "$lines"
printf '%s line(s) with bare numbers in the id ranges\n' "$(printf '%s\n' "$report" | sed -n 's/^TOTAL //p')"

[ "$fail" = 1 ] && [ "$status" != 0 ] && exit 1
exit 0
