#!/usr/bin/env bash
# Generated files are made again only when missing or older than their
# generator.
#   rule:  tools/generate.cmake over a scratch root with a stand-in generator;
#   build: a build of ruvelka-generated over up-to-date files changes no time
#          stamp (skipped, 77, when they are not up to date to begin with).
# usage: generation_up_to_date.sh rule|build SOURCE_DIR BUILD_DIR
set -euo pipefail
part=$1 src=$2 build=$3
status=0

rule() {
  local gen
  scratch=$(mktemp -d)
  trap 'rm -rf "$scratch"' EXIT
  # A stand-in for ruvelka-gen-art: writes the 39 sheets and the contact
  # sheet and counts its runs.
  gen=$scratch/gen
  printf '%s\n' '#!/bin/sh' \
    'mkdir -p art && for id in $(seq 101 139) contact_sheet; do : > "art/$id.png"; done && echo run >> runs' > "$gen"
  chmod +x "$gen"
  generate() { cmake -DTOOL=art -DGENERATOR="$gen" -DROOT="$scratch" -P "$src/tools/generate.cmake" > /dev/null; }
  expect_runs() {  # expect_runs N WHAT
    local runs
    runs=$(wc -l < "$scratch/runs" 2>/dev/null || echo 0)
    [ "$runs" -eq "$1" ] || { echo "$2: the generator ran $runs times, expected $1"; status=1; }
  }
  touch -d '2020-01-01' "$gen"
  generate; expect_runs 1 "nothing generated yet"
  generate; expect_runs 1 "every file newer than the generator"
  rm "$scratch/art/117.png"
  generate; expect_runs 2 "one sheet missing"
  touch -d '2020-01-01' "$scratch/art/contact_sheet.png"
  touch -d '2021-01-01' "$gen"
  generate; expect_runs 3 "the contact sheet older than the generator"
  generate; expect_runs 3 "made again once, then up to date"
}

build() {
  for tool in art hai sounds; do
    cmake -DTOOL=$tool -DGENERATOR="$build/ruvelka-gen-$tool" -DROOT="$src" -DCHECK=ON \
      -P "$src/tools/generate.cmake" > /dev/null 2>&1 || { echo "$tool: not up to date, nothing to check"; exit 77; }
  done
  list() { (cd "$src" && find art wave voice data/hai.dat -type f -printf '%p %T@\n' | sort); }
  local before output
  before=$(list)
  output=$(cmake --build "$build" --target ruvelka-generated 2>&1)
  if grep -q 'older than its generator' <<<"$output"; then echo "the build generated again: $output"; status=1; fi
  diff <(echo "$before") <(list) || { echo "the build changed the files above"; status=1; }
}

"$part"
exit $status
