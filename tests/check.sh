# shellcheck shell=bash
# The checks of the shell tests, sourced by each: check counts a condition's
# result and names a failure; finish prints the counts and gives the status.
passed=0 failed=0
check() {  # name, condition result
  if [ "$2" = 0 ]; then passed=$((passed + 1)); else failed=$((failed + 1)); echo "FAILED: $1"; fi
}
finish() {
  echo "$passed passed, $failed failed"
  [ "$failed" = 0 ]
}
