#!/usr/bin/env python3
"""Counts the tests that passed and failed in the result files of a run: ctest's JUnit files
(ctest --output-junit, *.xml) and GoogleTest's JSON files (--gtest_output=json:FILE, *.json).

    python3 scripts/lib/test_counts.py PATH...    prints "PASSED FAILED"

A PATH that is a folder stands for every result file in it.

A missing or unreadable file, or one that holds no test, is an error (exit status 1): a run that
left no count behind must never read as a run in which nothing failed. A test that was disabled
or skipped counts neither way.
"""
import json
import os
import sys
import xml.etree.ElementTree as ElementTree


def junit_counts(path):
    cases = ElementTree.parse(path).getroot().iter("testcase")
    statuses = [case.get("status") for case in cases]
    # ctest marks a test "notrun" when it could not start it (a missing program, say): a failure.
    return statuses.count("run"), statuses.count("fail") + statuses.count("notrun")


def gtest_counts(path):
    with open(path, encoding="utf-8") as file:
        report = json.load(file)
    passed = failed = 0
    for suite in report["testsuites"]:
        for case in suite["testsuite"]:
            if case.get("failures"):
                failed += 1
            elif case.get("status") == "RUN" and case.get("result") == "COMPLETED":
                passed += 1
    return passed, failed


def counts(path):
    return gtest_counts(path) if path.endswith(".json") else junit_counts(path)


def result_files(paths):
    for path in paths:
        if os.path.isdir(path):
            names = sorted(n for n in os.listdir(path) if n.endswith((".xml", ".json")))
            if not names:
                sys.exit(f"test_counts: no result file in {path}")
            yield from (os.path.join(path, name) for name in names)
        else:
            yield path


def main(paths):
    if not paths:
        sys.exit("usage: test_counts.py PATH...")
    passed = failed = 0
    for path in result_files(paths):
        try:
            file_passed, file_failed = counts(path)
        except (OSError, ValueError, KeyError, ElementTree.ParseError) as error:
            sys.exit(f"test_counts: no count in {path}: {error}")
        if file_passed + file_failed == 0:
            sys.exit(f"test_counts: {path} holds no test")
        passed += file_passed
        failed += file_failed
    print(passed, failed)


if __name__ == "__main__":
    main(sys.argv[1:])
