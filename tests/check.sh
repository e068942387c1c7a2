# shellcheck shell=bash
# Sourced by the shell tests. check NAME EXPECTED ACTUAL counts and reports one comparison;
# check_summary prints the counts and fails when any check did.
passed=0
failed=0
check() {
  if [ "$2" = "$3" ]; then
    passed=$((passed + 1))
  else
    failed=$((failed + 1))
    echo "FAILED: $1: expected '$2', got '$3'"
  fi
}

check_summary() {
  echo "$passed passed, $failed failed"
  [ "$failed" -eq 0 ]
}
