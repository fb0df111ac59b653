#!/usr/bin/env bash
# The checks CI runs after the README's test command: the layout of every source file, the whole suite under
# AddressSanitizer and UndefinedBehaviorSanitizer, and the threaded parts (serial port, connection, transfer,
# loader commands, simulated receiver, the editor's loader) under ThreadSanitizer. Each sanitizer build has its own folder, so
# the normal build stays as it is.
#   bash scripts/ci-checks.sh [format|asan|tsan]...   (no argument: all three)
set -euo pipefail
cd "$(dirname "$0")/.."
jobs="$(nproc)"
export QT_QPA_PLATFORM=offscreen
launcher=()
if command -v ccache > /dev/null; then
    launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi

# Sanitizer builds: -O1 and line tables only keep them quick to build and run while reports still name files and
# lines; warnings are errors, no benchmarks.
configure() {
    cmake -S . -B "$1" -G Ninja -DCMAKE_BUILD_TYPE=None "-DCMAKE_CXX_FLAGS=-O1 -g1" -DVORLANE_SANITIZE="$2" \
        -DVORLANE_WERROR=ON -DVORLANE_BUILD_BENCHMARKS=OFF "${launcher[@]}"
}

check_format() {
    echo "== clang-format"
    find src tests bench fuzz tools \( -name '*.cpp' -o -name '*.h' \) -print0 | xargs -0 clang-format --dry-run --Werror
}

check_asan() {
    echo "== AddressSanitizer + UndefinedBehaviorSanitizer: whole suite"
    configure build-asan address,undefined
    cmake --build build-asan --parallel "$jobs"
    ASAN_OPTIONS=abort_on_error=1:detect_leaks=1 \
    UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
        ctest --test-dir build-asan --output-on-failure --parallel "$jobs" --timeout 600
}

# The test programs whose code runs on more than one thread, the editor's loader among them.
tsan_tests=(serial_port_tests connection_tests transfer_tests loader_commands_tests sim_tests
    loader_widgets_test loader_end_to_end_test)

check_tsan() {
    echo "== ThreadSanitizer: serial port, connection, transfer, loader commands, simulator and the editor's loader"
    configure build-tsan thread
    cmake --build build-tsan --parallel "$jobs" --target "${tsan_tests[@]}"
    for test in "${tsan_tests[@]}"; do
        program="$(find build-tsan/tests -type f -name "$test" -perm -u+x | head -n 1)"
        echo "-- $test"
        TSAN_OPTIONS="halt_on_error=1:second_deadlock_stack=1:suppressions=$PWD/scripts/tsan-suppressions.txt" \
            "$program" --gtest_brief=1
    done
}

checks=("$@")
if [ ${#checks[@]} -eq 0 ]; then
    checks=(format asan tsan)
fi
for check in "${checks[@]}"; do
    case "$check" in
        format) check_format ;;
        asan) check_asan ;;
        tsan) check_tsan ;;
        *) echo "unknown check: $check" >&2; exit 2 ;;
    esac
done
