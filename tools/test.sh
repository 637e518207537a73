#!/usr/bin/env bash
# Installs what is missing, then runs each stage in turn and says how each one ended:
#   suite     builds into build/ and runs every test (CTest)
#   fuzz      builds the fuzz programs with clang into build-fuzz/ and runs each for a short time
#   sanitize  builds into build-asan/ with AddressSanitizer and UndefinedBehaviorSanitizer and
#             runs every test there again, but those of the Python scripts and the three long
#             xdotool drives of the real program
#   soak      plays build-asan's game, then build's, with random input for ZOR_SOAK_SECONDS (60)
#             seconds each
# Stage names as arguments run only those. The last lines say, stage by stage, PASS or FAIL and
# why; the exit status is 0 when every stage passed.
set -uo pipefail
cd "$(dirname "$0")/.."
# A minimal system has no locale; the tools that type and print names need UTF-8.
export LC_ALL=C.UTF-8

all=(suite fuzz sanitize soak)
stages=("$@")
[ ${#stages[@]} -eq 0 ] && stages=("${all[@]}")
for stage in "${stages[@]}"; do
  if [[ ! " ${all[*]} " == *" $stage "* ]]; then
    echo "usage: bash tools/test.sh [${all[*]}]..." >&2
    exit 2
  fi
done

bash tools/setup.sh || { echo "test.sh: FAIL: the packages could not be installed (tools/setup.sh)"; exit 1; }
jobs=$(nproc)
mkdir -p build-logs

# Runs the tests of a build folder; `why` gets CTest's verdict and the tests that failed.
run_ctest() {
  local folder=$1 log=build-logs/ctest-$2.log
  shift 2
  (cd "$folder" && ctest --output-on-failure -j "$jobs" "$@") 2>&1 | tee "$log"
  local status=${PIPESTATUS[0]}
  why=$(grep -E "tests passed, .* tests failed out of|No tests were found" "$log" | tail -1)
  local failed
  failed=$(sed -n '/The following tests FAILED:/,$p' "$log" | grep -E '^\s+[0-9]+ - ' | sed -E 's/^\s+[0-9]+ - //' | paste -sd, -)
  [ -n "$failed" ] && why="$why; failed: $failed"
  [ -z "$why" ] && why="CTest ended with status $status"
  return "$status"
}

# Builds, with its output kept in a log; on failure `why` gets the first compiler error.
run_build() {
  local log=build-logs/build-$1.log
  shift
  if "$@" > "$log" 2>&1; then
    tail -1 "$log"
    return 0
  fi
  tail -40 "$log"
  why="the build failed: $(grep -m1 -E 'error|Error' "$log") (whole log: $log)"
  return 1
}

stage_suite() {
  run_build suite bash tools/build.sh || return 1
  run_ctest build suite
}

stage_fuzz() {
  if ! ls fuzz/*_fuzz.cpp > /dev/null 2>&1; then
    why="no fuzz programs"
    return 0
  fi
  run_build fuzz bash -c "CC=clang-14 CXX=clang++-14 cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DZOR_FUZZ=ON -DZOR_TESTS=OFF && cmake --build build-fuzz -j $jobs --target zor_fuzzers" || return 1
  run_ctest build-fuzz fuzz -L fuzz
}

build_sanitizer() {
  # The benchmarks are no tests: not built here.
  run_build sanitize bash -c "cmake -S . -B build-asan -DZOR_SANITIZE=ON -DCMAKE_DISABLE_FIND_PACKAGE_benchmark=ON \
    && cmake --build build-asan -j $jobs"
}

# The tests of the Python scripts (the data they make, the soak's guards) are left out here:
# the scripts run as in the plain suite, and no code of ours is instrumented in them. So are
# the three long drives of the real program by xdotool (clicks, lines, the whole-game walk):
# nine of the stage's fourteen minutes on two cores, run one after another; the scripted
# tests run the same screens and input here in-process, and the soak drives the real
# sanitizer build.
stage_sanitize() {
  build_sanitizer || return 1
  run_ctest build-asan sanitize -E '^(tools/(make_data|make_levels|soak)_test|game/g(Clicks|Lines|Walk)_x11_test)$'
}

# The soak plays the sanitizer build, where a crash, a report or a leak at exit shows, and the
# plain build, whose memory is judged (a sanitizer's allocator holds freed memory back).
stage_soak() {
  if [ ! -x build-asan/nonogram ]; then
    build_sanitizer || return 1
  fi
  if [ ! -x build/nonogram ]; then
    run_build suite bash tools/build.sh || return 1
  fi
  local status=0 build log line
  why=""
  for build in build-asan build; do
    log=build-logs/soak-$build.log
    python3 tools/soak.py --build "$build" --seconds "${ZOR_SOAK_SECONDS:-60}" 2>&1 | tee "$log"
    [ "${PIPESTATUS[0]}" -eq 0 ] || status=1
    line=$(grep -E "^soak: FAIL \(" "$log" | tail -1)
    [ -z "$line" ] && line=$(tail -1 "$log")
    why="$why${why:+; }$build: ${line#soak: }"
  done
  return "$status"
}

summary=()
passed=0
failed=0
for stage in "${stages[@]}"; do
  echo
  echo "==== test.sh: stage $stage ===="
  why=""
  start=$SECONDS
  if "stage_$stage"; then
    verdict=PASS
    passed=$((passed + 1))
  else
    verdict=FAIL
    failed=$((failed + 1))
  fi
  took=$((SECONDS - start))
  summary+=("$(printf '%-9s %s after %dm%02ds: %s' "$stage" "$verdict" $((took / 60)) $((took % 60)) "$why")")
  echo "==== test.sh: stage $stage: $verdict ===="
done

echo
echo "==== test.sh: summary ===="
printf '%s\n' "${summary[@]}"
echo "stages: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
