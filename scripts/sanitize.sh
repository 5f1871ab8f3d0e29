# Sourced by scripts/test --sanitize and scripts/fuzz: the sanitizer build tree and the run-time
# options shared by every process the tests spawn (simulator, program).
OSTREL_SANITIZE_DIR="${OSTREL_SANITIZE_DIR:-$OSTREL_ROOT/build-sanitize}"

# The one configuration of that tree, shared by the suite and the fuzzers so that neither
# rebuilds what the other built. ccache comes in through CMake, as in every other build.
OSTREL_SANITIZE_CONFIG=(-DOSTREL_SANITIZE=ON -DOSTREL_FUZZ=ON -DCMAKE_CXX_COMPILER=clang++
    -DOSTREL_BENCH=OFF)

# Builds the tree; arguments are build targets (all when none).
ostrel_sanitizer_build() {
    ostrel_install_deps "$OSTREL_SANITIZER_PACKAGES"
    local targets=()
    local target
    for target in "$@"; do targets+=(--target "$target"); done
    CC=clang CXX=clang++ cmake -S "$OSTREL_ROOT" -B "$OSTREL_SANITIZE_DIR" \
        -DCMAKE_BUILD_TYPE="${OSTREL_BUILD_TYPE:-RelWithDebInfo}" "${OSTREL_SANITIZE_CONFIG[@]}"
    cmake --build "$OSTREL_SANITIZE_DIR" --parallel "$(nproc)" "${targets[@]}"
}

# Reports go to files under $1 instead of the terminal, so that a report written by a child
# process whose exit code nobody checks is not lost; ostrel_sanitizer_reports lists them.
ostrel_sanitizer_env() {
    local log_dir="$1"
    rm -rf "$log_dir"
    mkdir -p "$log_dir"
    export ASAN_OPTIONS="detect_leaks=1:abort_on_error=0:detect_stack_use_after_return=0:log_path=$log_dir/asan"
    export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1:log_path=$log_dir/ubsan"
    export LSAN_OPTIONS="suppressions=$OSTREL_ROOT/tests/sanitizers/lsan.supp:print_suppressions=0"
    # QtTest's own per-function watchdog (5 minutes by default), scaled like the CTest limit.
    export QTEST_FUNCTION_TIMEOUT=1200000
}

# Prints every report written under $1; fails when there is one.
ostrel_sanitizer_reports() {
    local log_dir="$1"
    local reports
    reports="$(find "$log_dir" -type f -size +0 | sort)"
    [ -z "$reports" ] && return 0
    local report
    for report in $reports; do
        echo "=== $report"
        cat "$report"
    done
    echo "Sanitizer reports: $(echo "$reports" | wc -l)"
    return 1
}
