#!/usr/bin/env bash
# Saves the picture of the X display's whole screen to OUT.png once it stays
# the same between two looks, so that a window still painting or a surface
# Wine has not yet handed to the X server is never caught half-way.
# Usage: capture-screen.sh OUT.png
set -eu
out=$1
next=$out.next.png
import -window root "$out"
for _ in $(seq 50); do
  sleep 0.2
  import -window root "$next"
  if compare -metric AE "$out" "$next" null: 2>/dev/null; then
    rm -f "$next"
    exit 0
  fi
  mv "$next" "$out"
done
echo "capture-screen.sh: the screen kept changing; $out is the last look" >&2
