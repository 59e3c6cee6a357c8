#!/bin/sh
# Ranks English lemmas by WordNet's sense-tagged frequency and says how many of the commonest
# the core lexicon covers. The rank of a lemma is the sum, over the four index files, of
# "tagsense_cnt" (how many of its senses the SemCor concordance tags); ties go alphabetically
# (C locale). Only one-word lemmas of lower-case letters count: the lexicon's multi-word
# entries and names have no place in this list.
#
# Usage: tools/lexicon-coverage/lexicon-coverage.sh [--ranked N | --missing N] [LEXICON] [WORDNET_DIR]
#   (no option)  coverage of the first 100, 200, 500, 1000, 2000 and 3000 ranked lemmas
#   --ranked N   the first N ranked lemmas: rank, count, lemma, "+" when the lexicon has it
#   --missing N  the lemmas among the first N the lexicon lacks, in rank order
set -eu
here=$(cd "$(dirname "$0")" && pwd)
mode=coverage
limit=0
case "${1:-}" in
  --ranked | --missing) mode=${1#--}; limit=$2; shift 2 ;;
esac
lexicon=${1:-$here/../../data/lexicon/core-en-hu.lex}
wordnet=${2:-/usr/share/wordnet}
export LC_ALL=C

ranked() {
  for f in noun verb adj adv; do
    # "lemma pos synset_cnt p_cnt [ptr_symbol...] sense_cnt tagsense_cnt synset_offset..."
    awk '!/^ / { print $1, $(4 + $4 + 2) }' "$wordnet/index.$f"
  done | awk '$1 ~ /^[a-z]+$/ { n[$1] += $2 } END { for (w in n) print n[w], w }' |
    sort -k1,1nr -k2,2
}

known=$(mktemp)
trap 'rm -f "$known"' EXIT
grep -v '^#' "$lexicon" | cut -f1 | sort -u >"$known"

ranked | awk -v mode="$mode" -v limit="$limit" -v known="$known" '
  BEGIN { while ((getline w < known) > 0) have[w] = 1 }
  {
    r = NR; hit = ($2 in have)
    if (mode == "ranked" && r <= limit) print r, $1, $2, (hit ? "+" : "")
    if (mode == "missing" && r <= limit && !hit) print r, $2
    covered += hit
    if (r == 100 || r == 200 || r == 500 || r == 1000 || r == 2000 || r == 3000) got[r] = covered
  }
  END {
    if (mode != "coverage") exit
    printf "entries %d\n", entries
    split("100 200 500 1000 2000 3000", at, " ")
    for (i = 1; i <= 6; ++i) printf "first %d: %d\n", at[i], got[at[i]]
  }' entries="$(grep -v '^#' "$lexicon" | grep -c .)"
