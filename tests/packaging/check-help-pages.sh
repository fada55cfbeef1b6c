#!/usr/bin/env bash
# The help pages as laid out for the programs: every page a dialog asks for is there, and every
# link and picture of every page leads to a file that is there too.
#   check-help-pages.sh HELP-FOLDER TOPICS-HEADER...
set -euo pipefail
folder=$1
shift
status=0
# The page names the dialogs ask for, as the headers declare them ("options-general", ...).
for topic in $(grep -ohE '"[a-z]+(-[a-z]+)*"' "$@" | tr -d '"'); do
  [[ -f $folder/$topic.html ]] || { echo "no page for $topic"; status=1; }
done
for page in "$folder"/*.html; do
  grep -q '<title>[^<]' "$page" || { echo "$(basename "$page"): no title"; status=1; }
  for target in $(grep -oE '(href|src)="[^"#]*' "$page" | sed 's/^[a-z]*="//' | sort -u); do
    [[ $target == *:* ]] && { echo "$(basename "$page"): leads off the pages: $target"; status=1; continue; }
    [[ -z $target || -f $folder/$target ]] || { echo "$(basename "$page"): missing $target"; status=1; }
  done
done
exit $status
