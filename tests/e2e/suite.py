"""Runs the end-to-end tests: every test_*.py here, or the unittest names given.

A skipped or expected-to-fail test counts as failed: the suite claims what it checks.
"""

import sys
import unittest
from pathlib import Path

# The work tree stays as checked out: no __pycache__ beside the tests.
sys.dont_write_bytecode = True

HERE = Path(__file__).resolve().parent


def main(names):
    sys.path.insert(0, str(HERE))
    loader = unittest.TestLoader()
    if names:
        tests = loader.loadTestsFromNames(names)
    else:
        tests = loader.discover(str(HERE), pattern="test_*.py", top_level_dir=str(HERE))
    result = unittest.TextTestRunner(verbosity=2).run(tests)

    def case_of(test):  # a failed subTest stands for its test
        return getattr(test, "test_case", test).id()

    bad = {case_of(test) for test, _ in
           result.failures + result.errors + result.skipped + result.expectedFailures}
    bad |= {case_of(test) for test in result.unexpectedSuccesses}
    print(f"e2e: {result.testsRun - len(bad)} passed, {len(bad)} failed")
    return 0 if not bad and result.testsRun > 0 else 1


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
