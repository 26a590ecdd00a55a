#!/usr/bin/env bash
# Runs every built fuzz target for the given number of seconds (default 60) from its seed corpus.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
for target in build/fuzz/fuzz/fuzz_*; do
  [ -x "$target" ] || continue
  name=$(basename "$target")
  corpus=fuzz/corpus-$name
  mkdir -p "$corpus"
  [ -d "fuzz/seeds/$name" ] && cp -n fuzz/seeds/"$name"/* "$corpus"/ 2>/dev/null || true
  echo "== $name ($seconds s)"
  "$target" "$corpus" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 2>&1 | tail -n 12
done
