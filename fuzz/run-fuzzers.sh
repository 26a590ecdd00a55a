#!/usr/bin/env bash
# Runs the fuzz targets from their seed corpora and dictionaries, or measures what their corpora cover.
#
#   fuzz/run-fuzzers.sh [SECONDS] [TARGET...]      fuzz each target (default 60 s, every target)
#   fuzz/run-fuzzers.sh --coverage [TARGET...]     replay each corpus in a coverage build and print the
#                                                  line coverage of the loader's own source files
#                                                  (with FUZZ_MISSED=1 also the lines no input reached)
#
# Fuzzing builds and uses the "fuzz" preset (build/fuzz); coverage a build of its own (build/fuzz-coverage).
# Each target's corpus grows in fuzz/corpus-<target> (not checked in); fuzz/seeds/<target> holds the
# checked-in seeds, written by fuzz/make-seeds.py (and the files the program ships, for the readers).
set -euo pipefail
cd "$(dirname "$0")/.."

# The loader's own files per target: what its corpus must cover.
loader_files() {
  case "$1" in
    fuzz_declaration) echo src/storage/DocumentStorage.cpp src/storage/FileLoader.cpp src/records/Declaration.cpp src/records/RecordIO.h ;;
    fuzz_text_roundtrip) echo src/storage/CodePage.cpp src/storage/DocumentStorage.cpp ;;
    fuzz_soun_import | fuzz_soun_records) echo src/reference/SounImport.cpp ;;
    fuzz_inspections | fuzz_countries) echo src/reference/CodeNameList.cpp src/reference/ReferenceFile.cpp src/reference/ReferenceXml.cpp ;;
    fuzz_okved) echo src/reference/OkvedClassifier.cpp src/reference/OkvedChoice.cpp src/reference/ReferenceXml.cpp ;;
    fuzz_currency_rates) echo src/reference/CurrencyRates.cpp src/reference/RatesDocument.cpp src/reference/ReferenceXml.cpp ;;
    fuzz_rates_daily | fuzz_rates_history) echo src/reference/RateInput.cpp src/reference/RatesDocument.cpp ;;
    fuzz_rates_table) echo src/reference/RateInput.cpp src/reference/RatesDocument.cpp src/reference/SemicolonCsv.cpp ;;
    fuzz_certificates) echo src/certificates/CertificateFile.cpp src/certificates/CertificateHolders.cpp src/certificates/CertificateImport.cpp src/certificates/StandardDeductionCodes.cpp ;;
    fuzz_return_layout) echo src/form/ReturnLayout.cpp src/form/XmlPath.cpp src/form/CellFill.cpp ;;
  esac
}

# Fills a target's corpus from its seeds and the shipped files it reads.
prepare_corpus() {
  local name=$1 corpus=fuzz/corpus-$1
  mkdir -p "$corpus"
  [ -d "fuzz/seeds/$name" ] && cp -n fuzz/seeds/"$name"/* "$corpus"/ 2>/dev/null || true
  case "$name" in
    fuzz_inspections) cp -n data/InspectionNumbers.xml "$corpus"/ ;;
    fuzz_countries) cp -n data/Oksm.xml "$corpus"/ ;;
    fuzz_okved) cp -n data/Sp_OKVED2.xml "$corpus"/ ;;
    fuzz_currency_rates) cp -n data/CurrencyRates.xml "$corpus"/ ;;
    # The form lays out what the export writes: the returns the export tests keep.
    fuzz_return_layout) cp -n tests/fixtures/export/*.xml "$corpus"/ ;;
  esac
  return 0
}

# The lines of the files (a list) that the profile shows no input reached, in the objects given; a file
# several objects hold is listed once.
missed_lines() {
  local files=$1 profile=$2
  shift 2
  "$llvm_cov" show "$@" -instr-profile="$profile" 2>/dev/null |
    awk -v files="$files" -v root="$PWD/" '
      BEGIN { n = split(files, f, " "); for (i = 1; i <= n; ++i) own[root f[i] ":"] = 1 }
      /^\// { file = ($0 in own) && !done[$0]++ ? substr($0, length(root) + 1) : "" }
      file != "" && /^ *[0-9]+\| *0\|/ { print "    " file $0 }'
}

dict_options() {
  local options=()
  [ -f "fuzz/dicts/$1.dict" ] && options+=("-dict=fuzz/dicts/$1.dict")
  case "$1" in
    fuzz_inspections | fuzz_countries | fuzz_okved | fuzz_currency_rates | fuzz_rates_daily | fuzz_rates_history | fuzz_return_layout)
      # libFuzzer takes one dictionary: the format's names and the XML tokens together.
      cat "fuzz/dicts/$1.dict" fuzz/dicts/xml.dict > "build/$1.dict"
      options=("-dict=build/$1.dict") ;;
  esac
  echo "${options[@]}"
}

targets_in() {
  local dir=$1
  shift
  if [ $# -gt 0 ]; then
    for t in "$@"; do echo "$dir/fuzz/$t"; done
  else
    for t in "$dir"/fuzz/fuzz_*; do [ -f "$t" ] && [ -x "$t" ] && echo "$t"; done
  fi
}

# The declaration targets save files, and every save syncs to disk: in memory that costs nothing.
[ -d /dev/shm ] && [ -w /dev/shm ] && export TMPDIR=/dev/shm

if [ "${1:-}" = "--coverage" ]; then
  shift
  build=build/fuzz-coverage
  flags="-fprofile-instr-generate -fcoverage-mapping"
  cmake --preset fuzz -B "$build" -DCMAKE_CXX_FLAGS="$flags" -DCMAKE_EXE_LINKER_FLAGS="$flags" > /dev/null
  cmake --build "$build" -j"$(nproc)" > /dev/null
  llvm_profdata=$(command -v llvm-profdata || ls /usr/bin/llvm-profdata-* | head -1)
  llvm_cov=$(command -v llvm-cov || ls /usr/bin/llvm-cov-* | head -1)
  printf '%-22s %8s %8s %7s\n' target lines missed cover
  for target in $(targets_in "$build" "$@"); do
    name=$(basename "$target")
    prepare_corpus "$name"
    rm -f "$build/$name".profraw "$build/$name".profdata
    # -runs=0 replays every input of the corpus once and stops.
    LLVM_PROFILE_FILE="$build/$name.profraw" "$target" -runs=0 "fuzz/corpus-$name" > "$build/$name.replay.log" 2>&1
    "$llvm_profdata" merge -sparse "$build/$name.profraw" -o "$build/$name.profdata"
    # The report names every instrumented file; only the loader's own count.
    "$llvm_cov" report "$target" -instr-profile="$build/$name.profdata" |
      awk -v name="$name" -v files="$(loader_files "$name")" '
        BEGIN { n = split(files, f, " "); for (i = 1; i <= n; ++i) own[f[i]] = 1 }
        ($1 in own) { lines += $8; missed += $9 }
        END { printf "%-22s %8d %8d %6.1f%%\n", name, lines, missed, lines ? 100 * (lines - missed) / lines : 0 }'
    # FUZZ_MISSED=1: the lines of the loader's files that no input reached, to judge what is left.
    if [ -n "${FUZZ_MISSED:-}" ]; then missed_lines "$(loader_files "$name")" "$build/$name.profdata" "$target"; fi
  done
  # A file several targets load (the rates formats share their reader) counts what all of them reach.
  profiles=() objects=() own=""
  for target in $(targets_in "$build" "$@"); do
    name=$(basename "$target")
    profiles+=("$build/$name.profdata")
    objects+=(-object "$target")
    own="$own $(loader_files "$name")"
  done
  "$llvm_profdata" merge -sparse "${profiles[@]}" -o "$build/all.profdata"
  echo
  printf '%-40s %8s %8s %7s\n' "file (all targets)" lines missed cover
  # Each target has its own LLVMFuzzerTestOneInput; llvm-cov warns that they differ, which is expected.
  "$llvm_cov" report "${objects[@]:1}" -instr-profile="$build/all.profdata" 2>/dev/null |
    awk -v files="$own" '
      BEGIN { n = split(files, f, " "); for (i = 1; i <= n; ++i) own[f[i]] = 1 }
      ($1 in own) && !seen[$1]++ { printf "%-40s %8d %8d %6.1f%%\n", $1, $8, $9, $8 ? 100 * ($8 - $9) / $8 : 0 }'
  # FUZZ_MISSED=1: the lines of those files that no target reached.
  if [ -n "${FUZZ_MISSED:-}" ]; then
    echo
    echo "lines no target reached"
    missed_lines "$own" "$build/all.profdata" "${objects[@]:1}"
  fi
  exit 0
fi

seconds=60
if [[ "${1:-}" =~ ^[0-9]+$ ]]; then
  seconds=$1
  shift
fi
# Fuzzing targets older than the sources would test code that is gone: the build comes first.
cmake --preset fuzz > /dev/null
cmake --build --preset fuzz -j"$(nproc)" > /dev/null
for target in $(targets_in build/fuzz "$@"); do
  name=$(basename "$target")
  prepare_corpus "$name"
  echo "== $name ($seconds s)"
  # A timeout of 30 s, not less: a run at low priority beside a build can stall for seconds. What is
  # printed: the final edges (cov) and features (ft), any finding with its input file, the executions.
  # shellcheck disable=SC2046
  "$target" "fuzz/corpus-$name" $(dict_options "$name") -max_total_time="$seconds" -rss_limit_mb=2048 \
    -timeout=30 -print_final_stats=1 2>&1 |
    grep -E '^#[0-9]+[[:space:]]+DONE|^==[0-9]+==|^SUMMARY|^artifact_prefix|^Test unit|^Done|^stat::' || true
done
