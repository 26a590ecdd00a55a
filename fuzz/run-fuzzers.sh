#!/usr/bin/env bash
# Runs every built fuzz target for the given number of seconds (default 60) from its seed corpus.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
# The declaration targets save files, and every save syncs to disk: in memory that costs nothing.
[ -d /dev/shm ] && [ -w /dev/shm ] && export TMPDIR=/dev/shm
for target in build/fuzz/fuzz/fuzz_*; do
  [ -f "$target" ] && [ -x "$target" ] || continue
  name=$(basename "$target")
  corpus=fuzz/corpus-$name
  mkdir -p "$corpus"
  [ -d "fuzz/seeds/$name" ] && cp -n fuzz/seeds/"$name"/* "$corpus"/ 2>/dev/null || true
  # The reference readers start from the files the program ships.
  case "$name" in
    fuzz_inspections) cp -n data/InspectionNumbers.xml "$corpus"/ ;;
    fuzz_countries) cp -n data/Oksm.xml "$corpus"/ ;;
    fuzz_okved) cp -n data/Sp_OKVED2.xml "$corpus"/ ;;
    fuzz_currency_rates) cp -n data/CurrencyRates.xml "$corpus"/ ;;
  esac
  echo "== $name ($seconds s)"
  "$target" "$corpus" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 2>&1 | tail -n 12
done
