#!/usr/bin/env bash
# The folders as layers: each file includes the project's headers from its own folder and from
# lower layers only, so that the core builds without any front-end and a front-end without the
# entry points above it.
#   check-includes.sh SOURCE-ROOT
set -euo pipefail
cd "$1"
# Lowest first; folders on one line are side by side and include nothing of each other.
layers=(
  "platform resources forms"
  "config"
  "options wizard"
  "component"
  "qt win32"
  "library automation cli"
)
declare -A layer
for i in "${!layers[@]}"; do for folder in ${layers[$i]}; do layer[$folder]=$i; done; done
status=0
for folder in "${!layer[@]}"; do
  while IFS=: read -r file line text; do
    included=$(sed -E 's/.*#include "([^/"]*)\/.*/\1/' <<<"$text")
    [[ $included == "$folder" || -z ${layer[$included]+set} ]] && continue
    if (( layer[$included] >= layer[$folder] )); then
      echo "$file:$line: $folder/ includes $included/, which is not below it"
      status=1
    fi
  done < <(find "$folder" \( -name '*.cpp' -o -name '*.h' -o -name '*.hpp' \) -exec grep -Hn '^#include "[^/"]*/' {} + || true)
done
exit $status
