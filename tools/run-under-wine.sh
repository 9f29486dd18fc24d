#!/usr/bin/env bash
# Runs a Windows program under Wine for ctest and the test scripts. Its output goes through a
# file rather than straight into the caller's pipe: Wine's desktop process, started by the
# first program that uses windows, inherits the output handles and lives on for a while
# after the program ends, and a caller reading the pipe would wait for it.
output="$(mktemp)"
trap 'rm -f "$output"' EXIT
wine "$@" >"$output" 2>&1
status=$?
# Now and then, in a fresh prefix, Wine reports 127 (the program could not be started) for a
# program that ran; when ctest lists a test program's cases that way, the whole run stops. One
# more start settles it; 127 is never a test program's own answer.
if ((status == 127)); then
  wine "$@" >"$output" 2>&1
  status=$?
fi
cat "$output"
exit "$status"
