#!/usr/bin/env python3
"""Writes the benchmark's source tree: 100 project folders of 99 sections each (10,000 folders
with the projects) and 10 small files in every folder (100,000 files).

Usage: gen_tree.py ROOT [--projects N]

--projects changes the number of project folders, and with it the tree's size in steps of
1,000 files: 1000 makes 1,000,000 files in 100,000 folders.

The same ROOT always gets the same names, sizes, contents and last-write times, so that runs on
different days compare. Sizes are 0 to 4095 bytes: the analysis never reads file data, so only
the number of entries and the lengths of their names matter.
"""
import argparse
import os
import sys

PROJECTS = 100
SECTIONS = 99
FILES_PER_FOLDER = 10
BASE_TIME = 1_394_010_422


def write_files(folder, first_index):
    os.makedirs(folder, exist_ok=True)
    for k in range(FILES_PER_FOLDER):
        index = first_index + k
        size = (index * 2654435761) % 4096
        path = os.path.join(folder, "document_%06d.txt" % index)
        with open(path, "wb") as f:
            f.write(bytes([97 + index % 26]) * size)
        stamp = BASE_TIME + index
        os.utime(path, (stamp, stamp))
    return first_index + FILES_PER_FOLDER


def parse(argv):
    parser = argparse.ArgumentParser(
        description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("root")
    parser.add_argument("--projects", type=int, default=PROJECTS)
    args = parser.parse_args(argv)
    if args.projects < 1:
        parser.error("--projects must be at least 1")
    return args


def main(argv):
    args = parse(argv)
    index = 0
    for p in range(args.projects):
        project = os.path.join(args.root, "project_%03d" % p)
        index = write_files(project, index)
        for s in range(SECTIONS):
            index = write_files(os.path.join(project, "section_%02d" % s), index)
    print("gen_tree: %d files in %d folders under %s"
          % (index, args.projects * (SECTIONS + 1), args.root))


if __name__ == "__main__":
    main(sys.argv[1:])
