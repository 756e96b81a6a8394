#!/usr/bin/env python3
"""The test counts of scripts/lib/test_counts.py: passes, failures and skips read from ctest's JUnit
and GoogleTest's JSON, and an error, never a zero count, when a run left nothing to count."""
import json
import os
import subprocess
import sys
import tempfile
import unittest

COUNTS = os.path.join(os.path.dirname(__file__), "..", "..", "scripts", "lib", "test_counts.py")

JUNIT = """<?xml version="1.0" encoding="UTF-8"?>
<testsuite name="(empty)" tests="5" failures="2" disabled="1" skipped="0">
  <testcase name="A.Passes" status="run"/>
  <testcase name="A.AlsoPasses" status="run"/>
  <testcase name="A.Fails" status="fail"/>
  <testcase name="A.CouldNotStart" status="notrun"/>
  <testcase name="A.Disabled" status="disabled"/>
</testsuite>
"""


def gtest_json(*cases):
    return json.dumps({"tests": len(cases), "testsuites": [{"name": "S", "testsuite": list(cases)}]})


PASSED = {"name": "P", "status": "RUN", "result": "COMPLETED"}
FAILED = {"name": "F", "status": "RUN", "result": "COMPLETED", "failures": [{"failure": "x"}]}
SKIPPED = {"name": "K", "status": "RUN", "result": "SKIPPED"}


class TestCounts(unittest.TestCase):
    def setUp(self):
        self.dir = tempfile.TemporaryDirectory()

    def tearDown(self):
        self.dir.cleanup()

    def write(self, name, text):
        path = os.path.join(self.dir.name, name)
        with open(path, "w", encoding="utf-8") as file:
            file.write(text)
        return path

    def counts(self, *paths):
        return subprocess.run([sys.executable, COUNTS, *paths], capture_output=True, text=True)

    def test_files_and_folders_are_counted_together(self):
        cases = [
            ("junit: a test that could not start is a failure", [self.write("a.xml", JUNIT)], "2 2"),
            ("gtest: skipped counts neither way",
             [self.write("b.json", gtest_json(PASSED, FAILED, SKIPPED))], "1 1"),
            ("a folder stands for its result files", [self.dir.name], "3 3"),
        ]
        for what, paths, expected in cases:
            with self.subTest(what):
                result = self.counts(*paths)
                self.assertEqual(result.returncode, 0, result.stderr)
                self.assertEqual(result.stdout.strip(), expected)

    def test_a_run_that_left_no_count_is_an_error(self):
        empty = os.path.join(self.dir.name, "empty")
        os.mkdir(empty)
        cases = [
            ("a missing file", [os.path.join(self.dir.name, "missing.xml")]),
            ("a folder without results", [empty]),
            ("a file without tests", [self.write("none.xml", '<testsuite tests="0"/>')]),
            ("a file cut short", [self.write("cut.json", '{"testsuites": [')]),
            ("nothing named", []),
        ]
        for what, paths in cases:
            with self.subTest(what):
                result = self.counts(*paths)
                self.assertNotEqual(result.returncode, 0, result.stdout)
                self.assertEqual(result.stdout, "")


if __name__ == "__main__":
    unittest.main()
