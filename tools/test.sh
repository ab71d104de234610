#!/usr/bin/env bash
# Installs what is missing, builds Ostrel and runs its whole test suite: the normal build, then
# the same suite built with AddressSanitizer and UndefinedBehaviorSanitizer, then each libFuzzer
# target for a minute from its seed corpus.
set -euo pipefail
. "$(dirname "$0")/common.sh"
install_missing
configure_and_build
# Prints the soak's figures, which a passing test keeps to CTest's log.
soak_figures() { grep -E '^[0-9]*:? ?(soak_|rss_|heap_)' Testing/Temporary/LastTest.log || true; }

(cd "$build" && ctest --output-on-failure --timeout 600 && soak_figures)

sanitized="$root/build-asan"
cmake -S "$root" -B "$sanitized" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DOSTREL_SANITIZE=ON \
    >/dev/null
cmake --build "$sanitized" -j 2
(cd "$sanitized" && ctest --output-on-failure --timeout 600 && soak_figures)

fuzz="$root/build-fuzz"
cmake -S "$root" -B "$fuzz" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DOSTREL_FUZZ=ON \
    -DCMAKE_CXX_COMPILER=clang++ >/dev/null
cmake --build "$fuzz" -j 2
(cd "$fuzz" && ctest --output-on-failure &&
    grep -E '^(Done [0-9]+ runs|stat::number_of_executed_units)' Testing/Temporary/LastTest.log)

# One closing line for the three suites; any failure has ended the script before it.
total=0
for dir in "$build" "$sanitized" "$fuzz"; do
    total=$((total + $(cd "$dir" && ctest -N | sed -n 's/^Total Tests: //p')))
done
echo "suites: $total passed, 0 failed"
