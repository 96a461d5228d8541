#!/bin/sh
# Runs a test program through a hard link in a folder of this run alone, beside the program,
# so that what the program keeps beside itself (its caches under temp/) is never shared with
# another run of the same program. The folder goes at the end.
#   run-in-own-folder.sh PROGRAM [ARG...]
program="$1"
shift
folder="$(mktemp -d "$(dirname "$program")/run.XXXXXX")" || exit 1
ln "$program" "$folder/" 2>/dev/null || cp -p "$program" "$folder/" || exit 1
"$folder/$(basename "$program")" "$@"
status=$?
rm -rf "$folder"
exit "$status"
