#!/usr/bin/env python3
"""Which tests kill which mutants, from the logs of a mutation run.

Run the mutation check with a test command that does not stop at the first failure and keep
its copy, for example

  ../shared/tools/mutants tests/mutants.txt --keep /tmp/mutants --test 'TINTSPOT_NO_E2E=1 scripts/test'
  tools/kill_matrix.py /tmp/mutants/build/mutants-logs

Prints each test with the mutants it failed on, then the mutants that only one test
catches (that test must stay) and the tests that catch no mutant (candidates to cut or to
give a mutant of their own).
"""
import collections
import os
import re
import sys

FAILED = re.compile(r"^\s*\d+ - (.+?) \((?:Failed|Timeout|SEGFAULT|Subprocess aborted)\)$", re.M)


def main(log_dir):
    killers = collections.defaultdict(set)  # test -> mutants
    tests = set()
    for name in sorted(os.listdir(log_dir)):
        if not name.endswith(".log") or name.endswith(".build.log"):
            continue
        text = open(os.path.join(log_dir, name), errors="replace").read()
        tests.update(re.findall(r"Test +#\d+: (.+?) \.{2,}", text))
        for test in FAILED.findall(text):
            if name != "baseline.log":
                killers[test].add(name[:-4])
    by_mutant = collections.defaultdict(set)
    for test, mutants in sorted(killers.items()):
        print(f"{test}: {', '.join(sorted(mutants))}")
        for mutant in mutants:
            by_mutant[mutant].add(test)
    print("\nmutants only one test catches:")
    for mutant, caught_by in sorted(by_mutant.items()):
        if len(caught_by) == 1:
            print(f"  {mutant}: {next(iter(caught_by))}")
    print("\ntests that catch no mutant:")
    for test in sorted(tests - killers.keys()):
        print(f"  {test}")


if __name__ == "__main__":
    sys.exit(main(sys.argv[1]))
