#!/usr/bin/env bash
# Compares our LH5 and LZH sizes with jlha's -lh5- on the same 2 MiB of Russian
# cp1251 text (the system's thesaurus and word list), and checks that lhasa
# reads jlha's archive back.
#   bash bench/pack_jlha.sh [BUILD_DIR]    (default: build)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-build}
[[ "$build" = /* ]] || build="$root/$build"
bench="$build/bench/bench_pack_compress"
[[ -x "$bench" ]] || { echo "build $bench first" >&2; exit 1; }
command -v jlha >/dev/null || { echo "jlha is not installed (Debian package jlha-utils)" >&2; exit 1; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
{ iconv -c -f UTF-8 -t CP1251 /usr/share/mythes/th_ru_RU_v2.dat
  iconv -c -f UTF-8 -t CP1251 /usr/share/hunspell/ru_RU.dic; } > "$work/all.txt"
head -c 2097152 "$work/all.txt" > "$work/text.txt"

# Sizes of one file: jlha's -lh5- entry, then ours.
compare() {
  local title=$1 file=$2 jlha_size input lh5 lzh
  rm -f "$work/j.lzh"
  (cd "$(dirname "$file")" && jlha a "$work/j.lzh" "$(basename "$file")" >/dev/null 2>&1)
  lhasa t "$work/j.lzh" >/dev/null  # jlha's archive is sound
  # The packed size follows the "[generic]" permissions field of the entry's listing line.
  jlha_size=$(lhasa v "$work/j.lzh" | awk -v name="$(basename "$file")" '$NF == name { print $2 }')
  while read -r key value; do
    case $key in input) input=$value ;; LH5) lh5=$value ;; LZH) lzh=$value ;; esac
  done < <("$bench" --sizes="$file")
  awk -v t="$title" -v in_="$input" -v j="$jlha_size" -v l5="$lh5" -v lz="$lzh" 'BEGIN {
    printf "%s: %d bytes\n", t, in_
    printf "  jlha -lh5-  %9d bytes  %5.2f%%\n", j, 100 * j / in_
    printf "  our LH5     %9d bytes  %5.2f%%  (%+.2f%% against jlha)\n", l5, 100 * l5 / in_, 100 * (l5 - j) / j
    printf "  our LZH     %9d bytes  %5.2f%%  (%+.2f%% against our LH5)\n", lz, 100 * lz / in_, 100 * (lz - l5) / l5
    if (l5 > j * 1.03) { print "  our LH5 is more than 3% larger than jlha" > "/dev/stderr"; exit 1 }
  }'
}

compare "2 MiB of Russian cp1251 text" "$work/text.txt"
# The bundled dictionaries' lines as one text each, when the build has made them.
for dic in spelling synonyms; do
  if [[ -f "$build/bin/$dic.dic" ]]; then
    "$build/bin/vellumar-cli" unpack "$build/bin/$dic.dic" > "$work/$dic.txt"
    compare "lines of $dic.dic" "$work/$dic.txt"
  fi
done
