#!/usr/bin/env bash
# Runs a Windows program under Wine for ctest and the test scripts. Its output goes through a
# file rather than straight into the caller's pipe: Wine's desktop process, started by the
# first program that uses windows, inherits the output handles and lives on for a while
# after the program ends, and a caller reading the pipe would wait for it.
output="$(mktemp)"
trap 'rm -f "$output"' EXIT
wine "$@" >"$output" 2>&1
status=$?
cat "$output"
exit "$status"
