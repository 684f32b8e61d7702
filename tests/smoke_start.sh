#!/usr/bin/env bash
# Starts the real program on an empty drive root: it must build the data tree and then wait at
# the login window without crashing.
set -u
program="$1"
drive="$(mktemp -d)"
trap 'rm -rf "$drive"' EXIT
QT_QPA_PLATFORM=offscreen timeout 5 "$program" --drive "$drive" >/dev/null 2>&1
status=$?
if [ "$status" -ne 124 ]; then
  echo "the program ended by itself (status $status) instead of waiting at the login window"
  exit 1
fi
for folder in ktlukana ktlukanabu ktlukana/data ktlukana/sift/csv ktlukana/siire; do
  [ -d "$drive/$folder" ] || { echo "missing $folder"; exit 1; }
done
echo "smoke start: 1 passed, 0 failed"
