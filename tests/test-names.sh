#!/usr/bin/env bash
# Every test ctest lists has a readable name: letters, digits and _ . / - only, and every
# parameterised case a name of its own rather than its index or its printed bytes.
set -euo pipefail
build=$1
bad=$(ctest --test-dir "$build" -N | sed -n 's/^ *Test *#[0-9]*: //p' |
  awk '!/^[A-Za-z0-9_.\/-]+$/ || /\/[0-9]+$/' | head -n 20)
if [ -n "$bad" ]; then
  echo "FAIL: tests without a readable name (give INSTANTIATE_TEST_SUITE_P a name generator):"
  echo "$bad"
  exit 1
fi
echo "ok: every test has a readable name"
