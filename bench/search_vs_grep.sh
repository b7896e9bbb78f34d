#!/usr/bin/env bash
# Times `vellumar-cli search` against grep over the same words as plain UTF-8
# text, in two comparisons, and prints each one's times and ratio (goal: <= 1.0):
#   1. spelling.dic alone, mask к??т?, against `grep -E '^[кК]..[тТ].$'` over the
#      hunspell word list it is made from;
#   2. both bundled dictionaries (spelling.dic and synonyms.dic), mask «к т  »,
#      against `grep -P '^к[а-яё]т[а-яё]{2}([^а-яё]|$)'` over every line of both
#      (all lengths, with definitions), as vellumar-cli unpack --utf8 writes them.
#   bench/search_vs_grep.sh [BUILD_DIR] [RUNS]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$root/build}" && pwd)
runs=${2:-200}
cli=$build/bin/vellumar-cli
spelling=$build/bin/spelling.dic
synonyms=$build/bin/synonyms.dic
hunspell=/usr/share/hunspell/ru_RU.dic
for f in "$cli" "$spelling" "$synonyms" "$hunspell"; do
  [[ -e $f ]] || { echo "missing: $f (build first; hunspell-ru installs the word list)" >&2; exit 2; }
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# The hunspell words as plain UTF-8, one per line: the affix flags after "/"
# dropped, the count line skipped; the list's own code page taken from its .aff file.
charset=$(awk '$1 == "SET" { print $2; exit }' "${hunspell%.dic}.aff" 2>/dev/null || true)
tail -n +2 "$hunspell" | iconv -f "${charset:-UTF-8}" -t UTF-8 | cut -d/ -f1 > "$work/words.txt"
# Every line of both dictionaries as UTF-8, their title lines left out.
for dic in "$spelling" "$synonyms"; do "$cli" unpack --utf8 "$dic" | tail -n +2; done > "$work/lines.txt"
# Catalogue directories: the spelling dictionary alone, and both.
mkdir "$work/spelling" "$work/both"
ln -s "$spelling" "$work/spelling/spelling.dic"
ln -s "$spelling" "$work/both/spelling.dic"
ln -s "$synonyms" "$work/both/synonyms.dic"

# grep reads UTF-8 as characters; set once so that no wrapper is timed with it.
export LC_ALL=C.UTF-8

# compare TITLE DIR MASK GREP_FLAG PATTERN FILE: the two commands take turns, so
# that a change in the machine's load falls on both; times come from bash's own
# clock (EPOCHREALTIME), so no process is started to read it.
compare() {
  local title=$1 dir=$2 mask=$3 flag=$4 pattern=$5 file=$6
  local cli_hits grep_hits cli_us=0 grep_us=0 t0 t1 t2 i
  cli_hits=$("$cli" search --dir "$dir" "$mask" | wc -l)
  grep_hits=$(grep "$flag" "$pattern" "$file" | wc -l)
  for ((i = 0; i < runs; i++)); do
    t0=${EPOCHREALTIME/[.,]/}
    "$cli" search --dir "$dir" "$mask" > /dev/null || true
    t1=${EPOCHREALTIME/[.,]/}
    grep "$flag" "$pattern" "$file" > /dev/null || true
    t2=${EPOCHREALTIME/[.,]/}
    cli_us=$((cli_us + t1 - t0))
    grep_us=$((grep_us + t2 - t1))
  done
  awk -v t="$title" -v m="$mask" -v f="$flag" -v p="$pattern" -v c="$cli_us" -v g="$grep_us" -v n="$runs" \
      -v ch="$cli_hits" -v gh="$grep_hits" -v w="$(wc -l < "$file")" 'BEGIN {
    printf "%s\n", t
    printf "  vellumar-cli search \"%s\": %.2f ms per run, %d results (entries of one word merged)\n", m, c / n / 1e3, ch
    printf "  grep %s '\''%s'\'' over %d lines: %.2f ms per run, %d lines\n", f, p, w, g / n / 1e3, gh
    printf "  ratio vellumar-cli / grep: %.2f (goal <= 1.0; %d runs each)\n", c / g, n
  }'
}

compare "1. spelling.dic alone against grep -E over the hunspell word list" \
  "$work/spelling" 'к??т?' -E '^[кК]..[тТ].$' "$work/words.txt"
compare "2. spelling.dic and synonyms.dic against grep -P over all their lines" \
  "$work/both" 'к т  ' -P '^к[а-яё]т[а-яё]{2}([^а-яё]|$)' "$work/lines.txt"
