#!/usr/bin/env bash
# The cross-built test suite under Wine, as one run or one shard of it
# (GTEST_TOTAL_SHARDS, GTEST_SHARD_INDEX).
#   tests/wine/run_tests.sh PREFIX lumora_tests.exe [GoogleTest options]
set -euo pipefail
. "$(dirname "$0")/wine_env.sh" "$1"
shift
exec wine "$@"
