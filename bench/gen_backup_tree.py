#!/usr/bin/env python3
"""Writes the backup benchmark's source tree, about 1 GB: 20,000 small files (0 to 32 KB) in 400
folders, and 8 large files of 80 MB.

Usage: gen_backup_tree.py ROOT [--small N] [--folders N] [--large N]

The options change the shape (small files, the folders they are spread over, large files); the
folders still come ten to a group, and without options the tree is the one described above.

The same ROOT always gets the same names, sizes, contents and last-write times, so that runs on
different days compare. Unlike the analysis tree the data is read and written here, so the
contents are pseudo-random rather than one repeated byte.
"""
import argparse
import os
import random
import sys

SMALL_FILES = 20_000
FOLDERS = 400
FOLDERS_PER_GROUP = 10
SMALL_MAX = 32 * 1024
LARGE_FILES = 8
LARGE_SIZE = 80 * 1024 * 1024
BASE_TIME = 1_394_010_422
BLOCK = random.Random(20140305).randbytes(1024 * 1024)


def write(path, size, index):
    with open(path, "wb") as f:
        offset = (index * 7919) % len(BLOCK)
        while size > 0:
            piece = BLOCK[offset:offset + size]
            f.write(piece)
            size -= len(piece)
            offset = 0
    os.utime(path, (BASE_TIME + index, BASE_TIME + index))


def small_files(root, count, folders):
    per_folder = -(-count // folders)
    index = 0
    for f in range(folders):
        group, member = divmod(f, FOLDERS_PER_GROUP)
        folder = os.path.join(root, "group_%02d" % group, "folder_%02d" % member)
        os.makedirs(folder, exist_ok=True)
        for _ in range(min(per_folder, count - index)):
            size = (index * 2654435761) % SMALL_MAX
            write(os.path.join(folder, "file_%06d.dat" % index), size, index)
            index += 1
    return index


def large_files(root, first_index, count):
    if count == 0:
        return 0
    folder = os.path.join(root, "large")
    os.makedirs(folder, exist_ok=True)
    for k in range(count):
        write(os.path.join(folder, "large_%d.bin" % k), LARGE_SIZE, first_index + k)
    return count


def parse(argv):
    parser = argparse.ArgumentParser(
        description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("root")
    parser.add_argument("--small", type=int, default=SMALL_FILES)
    parser.add_argument("--folders", type=int, default=FOLDERS)
    parser.add_argument("--large", type=int, default=LARGE_FILES)
    args = parser.parse_args(argv)
    if args.small < 0 or args.folders < 1 or args.large < 0:
        parser.error("--small and --large must not be negative, --folders must be at least 1")
    return args


def main(argv):
    args = parse(argv)
    small = small_files(args.root, args.small, args.folders)
    large = large_files(args.root, small, args.large)
    print("gen_backup_tree: %d small and %d large files under %s" % (small, large, args.root))


if __name__ == "__main__":
    main(sys.argv[1:])
