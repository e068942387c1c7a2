# shellcheck shell=bash
# Sourced by the shell tests. check NAME EXPECTED ACTUAL counts one comparison and reports a
# failure; check_summary prints the counts and fails when any check did.
passed=0 failed=0
check() {
  [ "$2" = "$3" ] && { passed=$((passed + 1)); return; }
  failed=$((failed + 1))
  echo "FAILED: $1: expected '$2', got '$3'"
}
check_summary() { echo "$passed passed, $failed failed" && [ "$failed" -eq 0 ]; }
