#!/bin/sh
# Opens the custom-subject editor over 500 installed subject stores and 50 custom
# stores of ten groups, five times, then drops a ten-phrase subject on a folder
# five times, and prints the time of each step.
#   bench/custom_editor/run.sh <build folder> [scratch folder]
set -eu
build=${1:?usage: run.sh <build folder> [scratch folder]}
scratch=${2:-${TMPDIR:-/tmp}/custom-editor-bench}
program="$build/bench/custom_editor/bench_custom_editor"
cmake --build "$build" --target bench_custom_editor >/dev/null
"$program" make "$scratch" 500 50
for step in open drop; do
  for run in 1 2 3 4 5; do "$program" "$step" "$scratch"; done
done
rm -rf "$scratch"
