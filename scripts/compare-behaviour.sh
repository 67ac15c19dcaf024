#!/usr/bin/env bash
# Compares what the headless tool prints for REV (a commit) and for the working tree.
#
#   bash scripts/compare-behaviour.sh REV
#
# Runs both tools over every word of lexicon/data/fill*.tsv (plus a few verbs
# that take the preverb and guessing paths) in each tense and mood with every
# combination of the toggles (--all-persons, --objective, --imperative, --short,
# --tall) and either answer to the meaning question. Each combination is one
# window session, so what a verb leaves behind for the next one is compared
# too. Exits non-zero when any combination's output differs, showing the start
# of the difference.
#
# REV's tool is built once in a detached worktree under $IGERAGOZO_COMPARE_DIR
# (default /tmp/igeragozo-compare) and reused; the working tree's tool is built
# into build/. Set IGERAGOZO_COMPARE_JOBS to run that many combinations at once. Set
# IGERAGOZO_COMPARE_WORDS to a file of words (one a line) to compare over those instead of the
# words of lexicon/data (for a rebuilt lexicon: the words present before and after).
set -euo pipefail
cd "$(dirname "$0")/.."
repo=$(pwd)

if [[ $# -ne 1 ]]; then
  echo "usage: $0 REV" >&2
  exit 2
fi
rev=$(git rev-parse --verify "$1^{commit}")
cache=${IGERAGOZO_COMPARE_DIR:-/tmp/igeragozo-compare}
jobs=${IGERAGOZO_COMPARE_JOBS:-4}
mkdir -p "$cache"

build_tool() {  # source dir, build dir
  cmake -S "$1" -B "$2" -G Ninja -DCMAKE_BUILD_TYPE=Release -DIGERAGOZO_BUILD_TESTS=OFF \
    -DIGERAGOZO_BUILD_BENCHMARKS=OFF >/dev/null
  cmake --build "$2" --target igeragozo-headless >/dev/null
}

old_src="$cache/src-$rev"
old_tool="$cache/build-$rev/tools/headless/igeragozo-headless"
if [[ ! -x $old_tool ]]; then
  if [[ ! -d $old_src ]]; then
    git worktree add --detach "$old_src" "$rev" >/dev/null 2>&1
  fi
  echo "building the tool of ${rev:0:7} in $cache" >&2
  build_tool "$old_src" "$cache/build-$rev"
fi
echo "building the working tree's tool" >&2
if [[ -f build/CMakeCache.txt ]]; then
  cmake --build build --target igeragozo-headless >/dev/null
else
  build_tool "$repo" "$repo/build"
fi
new_tool="$repo/build/tools/headless/igeragozo-headless"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Every lexicon word, then verbs found only without their preverb, verbs guessed from their
# ending, an impossible ending, and words the meaning question and the exceptions catch.
{
  if [[ -n ${IGERAGOZO_COMPARE_WORDS:-} ]]; then
    grep -v '^$' "$IGERAGOZO_COMPARE_WORDS"
  else
    cat lexicon/data/fill*.tsv | grep -v '^#' | awk -F'\t' '$3 != "" { print $3 }'
  fi
  printf '%s\n' megad elvisz visszajön kiszalad meghisz elhisz bealapszik \
    blabál krumpliz gügyörészik zörgedezik fütyürészik kopog xyz ikik sosincs \
    téved eltéved ragad megragad odaragad feltéved lesz van megy jön eszik iszik hat
} >"$work/verbs.txt"

# One line per combination: the options given on the command line, every subset of the toggles
# with either answer to the meaning question, in each tense and mood.
{
  toggles=(--all-persons --objective --imperative --short --tall)
  for mood in present past conditional imperative; do
    for answer in yes no; do
      for ((mask = 0; mask < 1 << ${#toggles[@]}; mask++)); do
        line="--mood $mood --answer $answer"
        for i in "${!toggles[@]}"; do
          if ((mask & 1 << i)); then line+=" ${toggles[$i]}"; fi
        done
        echo "$line"
      done
    done
  done
} >"$work/combinations.txt"

compare_one() {  # options...
  local name
  name=$(echo "$*" | tr -c 'a-z0-9\n' '_')
  "$old_tool" "$@" <"$work/verbs.txt" >"$work/$name.old"
  "$new_tool" "$@" <"$work/verbs.txt" >"$work/$name.new"
  if ! cmp -s "$work/$name.old" "$work/$name.new"; then
    echo "DIFFERENT with $*:" >&2
    diff "$work/$name.old" "$work/$name.new" | head -20 >&2
    return 1
  fi
  echo "$(wc -l <"$work/$name.new") lines identical: $*"
  rm -f "$work/$name.old" "$work/$name.new"
}
export -f compare_one
export old_tool new_tool work

verbs=$(wc -l <"$work/verbs.txt")
combinations=$(wc -l <"$work/combinations.txt")
echo "comparing ${rev:0:7} with the working tree: $verbs verbs x $combinations combinations" >&2
if xargs -P "$jobs" -L 1 bash -c 'compare_one "$@"' _ <"$work/combinations.txt"; then
  echo "identical: $verbs verbs x $combinations combinations of tense and mood and toggles"
else
  echo "the outputs differ" >&2
  exit 1
fi
