#!/usr/bin/env bash
# Runs every test: the formatting and layer checks, the portable core natively, the link fuzzer
# for a bounded time, both Windows builds, and the Windows tests under Wine. Ends with
# "N passed, N failed".
set -uo pipefail
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
BUILD="${BUILD_DIR:-$ROOT/build}"
FUZZ_SECONDS="${FUZZ_SECONDS:-30}"
JOBS="$(nproc)"
# Wine turns Unix file names into Windows ones through the locale's character set: without
# UTF-8 a folder name outside ASCII cannot be made, whatever the machine's own settings are.
export LC_ALL=C.UTF-8

bash "$ROOT/tools/install-deps.sh" || exit 1

passed=0
failed=0
note_ctest() {  # adds the counts of a ctest log to the totals
  local line total bad
  line="$(grep -E 'tests passed, [0-9]+ tests? failed out of [0-9]+' "$1" | tail -1)"
  if [[ -z "$line" ]]; then
    failed=$((failed + 1))
    return
  fi
  bad="$(sed -E 's/.* ([0-9]+) tests? failed out of.*/\1/' <<<"$line")"
  total="$(sed -E 's/.*out of ([0-9]+).*/\1/' <<<"$line")"
  passed=$((passed + total - bad))
  failed=$((failed + bad))
}
note_release() {  # adds the counts of the release tests' log to the totals
  local line
  line="$(grep -E '^release tests: [0-9]+ passed, [0-9]+ failed$' "$1" | tail -1)"
  if [[ -z "$line" ]]; then
    failed=$((failed + 1))
    return
  fi
  passed=$((passed + $(sed -E 's/.*: ([0-9]+) passed.*/\1/' <<<"$line")))
  failed=$((failed + $(sed -E 's/.* ([0-9]+) failed$/\1/' <<<"$line")))
}
step() { echo; echo "=== $*"; }
excerpts=()
note_failures() {  # keeps why each test in a ctest log failed, for the end of the output
  local found
  found="$(awk -f "$ROOT/tools/ctest-failures.awk" "$1")"
  grep 'passed when run again' <<<"$found" || true
  excerpts+=("$(grep -v 'passed when run again' <<<"$found")")
}
configure_and_build() {  # folder, then cmake options
  local dir="$1"; shift
  cmake -S "$ROOT" -B "$dir" -G Ninja "$@" >"$dir.configure.log" 2>&1 &&
    cmake --build "$dir" -j "$JOBS" >"$dir.build.log" 2>&1 ||
    { tail -n 40 "$dir.configure.log" "$dir.build.log" 2>/dev/null; return 1; }
}
mkdir -p "$BUILD"

step "Formatting (clang-format --dry-run --Werror)"
if (cd "$ROOT" && find src tests tools -path tests/fuzz/corpus -prune -o -type f \
      \( -name '*.h' -o -name '*.cpp' \) -print0 | xargs -0 -r clang-format --dry-run --Werror) \
    >"$BUILD/format.log" 2>&1; then
  echo "every .h and .cpp follows .clang-format"
  passed=$((passed + 1))
else
  echo "Not formatted (run clang-format -i on them):"
  grep -oE '^[^:]+:[0-9]+:[0-9]+: error' "$BUILD/format.log" | cut -d: -f1 | sort -u | sed 's/^/  /'
  grep -qE ':[0-9]+:[0-9]+: error' "$BUILD/format.log" || tail -5 "$BUILD/format.log"
  failed=$((failed + 1))
fi

step "Layers depend one way (tools/check_layers.py)"
if python3 "$ROOT/tools/check_layers.py"; then
  passed=$((passed + 1))
else
  failed=$((failed + 1))
fi

step "Portable core (host build)"
if configure_and_build "$BUILD/host"; then
  ctest --test-dir "$BUILD/host" -j "$JOBS" --output-on-failure 2>&1 | tee "$BUILD/host.ctest.log" | tail -3
  note_ctest "$BUILD/host.ctest.log"
  note_failures "$BUILD/host.ctest.log"
else
  failed=$((failed + 1))
fi

# The fuzzers add the inputs they find to their first corpus folder: one in the build folder, so
# the checked-in seeds are read and never added to.
run_fuzzer() {  # name, checked-in corpus folder
  local name="$1" seeds="$2"
  mkdir -p "$BUILD/$name-corpus" &&
    "$BUILD/fuzz/bin/$name" -max_total_time="$FUZZ_SECONDS" -print_final_stats=0 \
      "$BUILD/$name-corpus" "$seeds" >"$BUILD/$name.log" 2>&1
}
step "Fuzzers, ${FUZZ_SECONDS} s each"
fuzz_built=0
configure_and_build "$BUILD/fuzz" -DLAUNCHER_FUZZ=ON -DCMAKE_C_COMPILER=clang \
  -DCMAKE_CXX_COMPILER=clang++ && fuzz_built=1
for fuzzer in "link_fuzzer $ROOT/tests/fuzz/corpus" "servers_fuzzer $ROOT/tests/fuzz/servers_corpus"; do
  read -r name seeds <<<"$fuzzer"
  if ((fuzz_built)) && run_fuzzer "$name" "$seeds"; then
    echo "$name: no finding"
    passed=$((passed + 1))
  else
    ((fuzz_built)) && tail -30 "$BUILD/$name.log"
    failed=$((failed + 1))
  fi
done

step "Windows build, i686 (must link)"
if configure_and_build "$BUILD/i686" -DCMAKE_TOOLCHAIN_FILE="$ROOT/cmake/mingw-i686.cmake"; then
  echo "i686 launcher.exe: $(stat -c %s "$BUILD/i686/bin/launcher.exe") bytes"
  passed=$((passed + 1))
else
  failed=$((failed + 1))
fi

step "Windows build, x86_64, and its tests under Wine"
if configure_and_build "$BUILD/x86_64" -DCMAKE_TOOLCHAIN_FILE="$ROOT/cmake/mingw-x86_64.cmake"; then
  rm -f "$BUILD/wine.ctest.log"  # a session that cannot start must not count an older run
  (
    WINE_BUILD="$BUILD/x86_64"
    source "$ROOT/tools/wine-session.sh"
    # About one Wine process start in a few thousand ends before the program runs, and the
    # windows of a busy Wine and Xvfb now and then come late: a test that fails runs once
    # more, and is named below when only the second run passed.
    ctest --test-dir "$BUILD/x86_64" --timeout 300 --repeat until-pass:2 --output-on-failure 2>&1 | tee "$BUILD/wine.ctest.log" | tail -3
  )
  note_ctest "$BUILD/wine.ctest.log"
  note_failures "$BUILD/wine.ctest.log"
else
  failed=$((failed + 1))
fi

step "Downloads: tools/package.sh on these builds, then the x64 installer under Wine"
if BUILD_DIR="$BUILD" bash "$ROOT/tools/package.sh" --reuse >"$BUILD/package.log" 2>&1; then
  if (cd "$ROOT/tests/release" && BUILD_DIR="$BUILD" python3 -B run_tests.py) </dev/null \
    >"$BUILD/release.log" 2>&1; then
    grep 'passed when run again' "$BUILD/release.log"
    tail -1 "$BUILD/release.log"
  else
    tail -40 "$BUILD/release.log"
    excerpts+=("$(grep -E '^(FAIL|ERROR): |^[A-Za-z]*Error' "$BUILD/release.log" | head -16)")
  fi
  note_release "$BUILD/release.log"
else
  tail -20 "$BUILD/package.log"
  failed=$((failed + 1))
fi

# The end of the output is what a CI summary shows: say there why each test failed.
if ((failed)) && [[ -n "${excerpts[*]}" ]]; then
  echo
  echo "=== Why they failed (whole logs in $BUILD/*.log)"
  printf '%s\n' "${excerpts[@]}" | grep -v '^$'
fi
echo
echo "${passed} passed, ${failed} failed"
((failed == 0))
