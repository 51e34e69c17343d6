#!/usr/bin/env bash
# The program is built in one direction: each folder of src/ may include its own headers
# and those of the layers below it, never of its own layer's other folders or of a layer
# above; and no header and source file pair, in src/ or tools/, includes itself round a
# circle. Prints every include that runs the other way and every circle, and exits with 1
# if there is one.
# Argument: the source tree's root.
set -euo pipefail
cd "${1:-$(dirname "$0")/../..}"

# From the ground up (folders on one line are one layer and include none of each other).
layers=(
  "platform"
  "ground"
  "sound content"
  "imaging"
  "quiz install"
  "display"
  "dialogs"
  "app resources"
)
declare -A level
for i in "${!layers[@]}"; do
  for folder in ${layers[$i]}; do level[$folder]=$i; done
done

upward=0
while IFS=: read -r file _ include; do
  from=${file#src/}
  from=${from%%/*}
  to=$(sed -E 's/.*#include "([a-z_]+)\/.*/\1/' <<<"$include")
  [ "$from" = "$to" ] && continue
  if [ -z "${level[$from]:-}" ] || [ -z "${level[$to]:-}" ]; then
    echo "$file: $include: src/$from or src/$to is in no layer (add it to $0)"
    upward=$((upward + 1))
  elif [ "${level[$to]}" -ge "${level[$from]}" ]; then
    echo "$file: $include: src/$from may not include src/$to (same layer or above)"
    upward=$((upward + 1))
  fi
done < <(grep -rnE '^#include "[a-z_]+/' src --include='*.h' --include='*.cpp' --include='*.rc')

# No circles between the pieces of the program and of the tools either: a piece (a header
# and its source file) that includes another may not be included by it, however
# indirectly. tsort names the pieces of each circle it finds.
circles=$(grep -rE '^#include "[^"]+\.h"' src tools --include='*.h' --include='*.cpp' |
  sed -E 's#^(src|tools)/([^:]+)\.(h|cpp):\#include "([^"]+)\.h".*#\2 \4#' |
  awk '$1 != $2' | tsort 2>&1 >/dev/null || true)
if [ -n "$circles" ]; then
  echo "$circles"
  upward=$((upward + 1))
fi

if [ $upward -ne 0 ]; then
  echo "$upward include(s) or circle(s) against the layers"
  exit 1
fi
echo "include layers: every include of src/ runs downward, and no piece includes itself round a circle"
