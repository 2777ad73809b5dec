#!/usr/bin/env bash
# The first run of script/play builds the game and its generators only: no
# test program, no benchmark; and every name it builds is a real target.
# usage: play_targets.sh SOURCE_DIR BUILD_DIR
set -euo pipefail
src=$1 build=$2
mapfile -t targets < <("$src/script/play" --targets)
known=$(cmake --build "$build" --target help | sed -n 's/^\.\.\. \([^ ]*\).*/\1/p')
status=0
for t in "${targets[@]}"; do
  case $t in test_* | bench_* | ruvelka-signature) echo "play builds $t"; status=1 ;; esac
  grep -qx -- "$t" <<<"$known" || { echo "no such target: $t"; status=1; }
done
grep -qx ruvelka < <(printf '%s\n' "${targets[@]}") || { echo "play does not build the game"; status=1; }
for gen in "$src"/tools/*/; do
  name=ruvelka-gen-$(basename "$gen")
  grep -qx -- "$name" < <(printf '%s\n' "${targets[@]}") || { echo "play does not build $name"; status=1; }
done
exit $status
