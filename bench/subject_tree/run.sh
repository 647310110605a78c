#!/bin/sh
# Builds the subject tree over 250, 500 and 1000 installed subject stores (with
# 25, 50 and 100 custom stores of ten groups) and prints the times of each set:
# the tree model alone, then as start-up builds it (tree widget, splash log).
#   bench/subject_tree/run.sh <build folder> [scratch folder]
set -eu
build=${1:?usage: run.sh <build folder> [scratch folder]}
scratch=${2:-${TMPDIR:-/tmp}/subject-tree-bench}
program="$build/bench/subject_tree/bench_subject_tree"
cmake --build "$build" --target bench_subject_tree >/dev/null
for size in 250 500 1000; do
  "$program" make "$scratch/$size" "$size" $((size / 10))
  printf 'model:  '; "$program" build "$scratch/$size" 9 | tail -n 1
  printf 'window: '; "$program" window "$scratch/$size" 5 | tail -n 1
done
rm -rf "$scratch"
