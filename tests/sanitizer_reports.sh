#!/usr/bin/env bash
# In the sanitizer build every sanitized process writes its reports to files in one folder, so
# that no report is lost, even from a program that a test drove from outside or killed.
#   sanitizer_reports.sh clear DIR   empties the folder before the tests
#   sanitizer_reports.sh check DIR   after them: prints every report and fails if there is one
set -euo pipefail
dir=$2
case $1 in
clear)
    rm -rf "$dir"
    mkdir -p "$dir"
    ;;
check)
    reports=("$dir"/*)
    [ -e "${reports[0]}" ] || { echo "no sanitizer reports"; exit 0; }
    for report in "${reports[@]}"; do
        echo "== $report"
        cat "$report"
    done
    echo "FAIL: ${#reports[@]} sanitizer report(s)" >&2
    exit 1
    ;;
esac
