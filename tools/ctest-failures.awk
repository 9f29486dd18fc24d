# Reads a ctest log (run with --output-on-failure, perhaps with --repeat until-pass) and prints,
# for each test that failed in the end, the lines that say why; then each test that failed once
# and passed when run again, so a flaky test stays in sight.
/ Test +#[0-9]+: .*\*\*\*(Failed|Timeout|Exception)/ {
  current = $0
  sub(/.* Test +#[0-9]+: /, "", current)
  sub(/ .*/, "", current)
  attempted[current] = 1
  why[current] = ""
  shown = 0
  keep = 1
  next
}
/^ +Start +[0-9]+:/ || /tests passed, [0-9]+ tests? failed out of/ { keep = 0 }
/The following tests FAILED:/ { listing = 1; next }
listing && /^[ \t]*[0-9]+ - / {
  name = $0
  sub(/^[ \t]*[0-9]+ - /, "", name)
  sub(/ \(.*/, "", name)
  failed[name] = 1
  next
}
/^ +raise / { next }
keep && shown < 8 && /(^(FAIL|ERROR):|Error|Failure|gave up|Expected|Which is|exception)/ {
  why[current] = why[current] "   " $0 "\n"
  shown++
}
END {
  for (name in failed) printf "-- %s\n%s", name, why[name]
  for (name in attempted) if (!(name in failed)) print "-- " name ": failed once, passed when run again"
}
