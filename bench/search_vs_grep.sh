#!/usr/bin/env bash
# Times `vellumar-cli search` for a five-letter mask over the bundled spelling
# dictionary against `grep -E` for the same mask over the same words as plain
# UTF-8 text (the hunspell word list), and prints the ratio (goal: <= 1.0).
#   bench/search_vs_grep.sh [BUILD_DIR] [RUNS]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$root/build}" && pwd)
runs=${2:-50}
cli=$build/bin/vellumar-cli
spelling=$build/bin/spelling.dic
hunspell=/usr/share/hunspell/ru_RU.dic
for f in "$cli" "$spelling" "$hunspell"; do
  [[ -e $f ]] || { echo "missing: $f (build first; hunspell-ru installs the word list)" >&2; exit 2; }
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# The same words as plain UTF-8, one per line: the affix flags after "/" dropped,
# the count line skipped; the list's own code page taken from its .aff file.
charset=$(awk '$1 == "SET" { print $2; exit }' "${hunspell%.dic}.aff" 2>/dev/null || true)
tail -n +2 "$hunspell" | iconv -f "${charset:-UTF-8}" -t UTF-8 | cut -d/ -f1 > "$work/words.txt"
# A catalogue directory with the spelling dictionary alone.
mkdir "$work/dics"
ln -s "$spelling" "$work/dics/spelling.dic"

mask_cli='к??т?'
# grep reads UTF-8 as characters; set once so that no wrapper is timed with it.
export LC_ALL=C.UTF-8
mask_grep='^[кК]..[тТ].$'

# Times come from bash's own clock (EPOCHREALTIME): no process is started to read it.
cli_hits=$("$cli" search --dir "$work/dics" "$mask_cli" | wc -l)
grep_hits=$(grep -E "$mask_grep" "$work/words.txt" | wc -l)

# The two commands take turns, so that a change in the machine's load falls on both.
cli_us=0
grep_us=0
for ((i = 0; i < runs; i++)); do
  t0=${EPOCHREALTIME/[.,]/}
  "$cli" search --dir "$work/dics" "$mask_cli" > /dev/null || true
  t1=${EPOCHREALTIME/[.,]/}
  grep -E "$mask_grep" "$work/words.txt" > /dev/null || true
  t2=${EPOCHREALTIME/[.,]/}
  cli_us=$((cli_us + t1 - t0))
  grep_us=$((grep_us + t2 - t1))
done
cli_ns=$((cli_us * 1000))
grep_ns=$((grep_us * 1000))

awk -v c="$cli_ns" -v g="$grep_ns" -v n="$runs" -v ch="$cli_hits" -v gh="$grep_hits" -v w="$(wc -l < "$work/words.txt")" 'BEGIN {
  printf "words: %d; mask к??т?: vellumar-cli %d hits, grep -E %d hits\n", w, ch, gh
  printf "vellumar-cli search: %.2f ms per run (%d runs)\n", c / n / 1e6, n
  printf "grep -E:             %.2f ms per run (%d runs)\n", g / n / 1e6, n
  printf "ratio vellumar-cli / grep: %.2f (goal <= 1.0)\n", c / g
}'
