#!/usr/bin/env bash
# Checks that the library's folders include one another in one direction
# only: a file may include its own folder and the folders before it in
#   core  layout  columns  combo  window  fonts  api
# (the data side first, the entry points last); and that the data, measuring
# and painting folders (core, layout, columns) neither notify nor change
# windows: they report what changed and the window side acts on it. Prints
# every offence and fails when there is one.
set -u
root=$(cd "$(dirname "$0")/.." && pwd)
order=(core layout columns combo window fonts api)
rank() { local i; for i in "${!order[@]}"; do [ "${order[$i]}" = "$1" ] && { echo "$i"; return; }; done; echo -1; }
status=0
for dir in "${order[@]}"; do
  own=$(rank "$dir")
  for file in "$root/$dir"/*.h "$root/$dir"/*.cpp; do
    [ -f "$file" ] || continue
    while read -r target; do
      folder=${target%%/*}
      other=$(rank "$folder")
      [ "$other" -lt 0 ] && continue
      if [ "$other" -gt "$own" ]; then
        echo "${file#$root/} includes $target (${folder} sits above ${dir})"
        status=1
      fi
    done < <(sed -n 's/^[[:space:]]*#include[[:space:]]*"\([a-z_]*\/[A-Za-z0-9_.]*\)".*/\1/p' "$file")
  done
done
calls='\b(Notify|SendMessage[AW]?|PostMessage[AW]?|InvalidateRect|InvalidateRgn|RedrawWindow|UpdateWindow|SetWindowPos|MoveWindow|ShowWindow|SetWindowLong(Ptr)?[AW]?|DestroyWindow|CreateWindow(Ex)?[AW]?|SetFocus|SetScrollInfo|SetScrollRange|SetScrollPos)\('
if hits=$(cd "$root" && grep -nE "$calls" core/*.cpp layout/*.cpp columns/*.cpp); then
  echo "$hits" | sed 's/$/  (a data, measuring or painting routine acts on windows)/'
  status=1
fi
[ $status = 0 ] && echo "folders include one another in one direction (${order[*]}); core, layout and columns leave windows alone"
exit $status
