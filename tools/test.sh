#!/usr/bin/env bash
# Installs what is missing, builds Ostrel and runs its whole test suite.
set -euo pipefail
. "$(dirname "$0")/common.sh"
install_missing
configure_and_build
cd "$build"
ctest --output-on-failure --timeout 600
