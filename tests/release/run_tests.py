"""Runs the release tests (the downloads, then the installer under Wine) and ends with
"N passed, N failed" for tools/run-tests.sh; the exit code is non-zero when any failed."""

import sys
import unittest

suite = unittest.defaultTestLoader.loadTestsFromNames(["package_test", "installer_test"])
result = unittest.TextTestRunner(verbosity=2, stream=sys.stdout).run(suite)
# A test with several failing sub-cases counts once; a failed class set-up counts too.
failed = len({str(test) for test, _ in result.failures + result.errors})
print(f"release tests: {result.testsRun - failed} passed, {failed} failed")
sys.exit(1 if failed or not result.testsRun else 0)
