# Sourced by the scripts that run the program from a scratch folder.
#
# first_start_dir ROOT DIR: lays out DIR as a first start of the program:
# the generated art, sounds and one-suit table of ROOT linked in (those that
# exist), and an empty data/ (no saved settings, statistics or match).
first_start_dir() {
  local root=$1 dir=$2 d
  mkdir -p "$dir/data"
  for d in art wave voice; do
    if [ -e "$root/$d" ]; then ln -s "$root/$d" "$dir/$d"; fi
  done
  if [ -e "$root/data/hai.dat" ]; then ln -s "$root/data/hai.dat" "$dir/data/hai.dat"; fi
}
