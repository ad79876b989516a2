#!/usr/bin/env python3
"""Writes the backup benchmark's source tree, about 1 GB: 20,000 small files (0 to 32 KB) in 400
folders, and 8 large files of 80 MB.

Usage: gen_backup_tree.py ROOT

The same ROOT always gets the same names, sizes, contents and last-write times, so that runs on
different days compare. Unlike the analysis tree the data is read and written here, so the
contents are pseudo-random rather than one repeated byte.
"""
import os
import random
import sys

GROUPS = 40
FOLDERS_PER_GROUP = 10
FILES_PER_FOLDER = 50
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


def small_files(root):
    index = 0
    for g in range(GROUPS):
        for d in range(FOLDERS_PER_GROUP):
            folder = os.path.join(root, "group_%02d" % g, "folder_%02d" % d)
            os.makedirs(folder, exist_ok=True)
            for _ in range(FILES_PER_FOLDER):
                size = (index * 2654435761) % SMALL_MAX
                write(os.path.join(folder, "file_%06d.dat" % index), size, index)
                index += 1
    return index


def large_files(root, first_index):
    folder = os.path.join(root, "large")
    os.makedirs(folder, exist_ok=True)
    for k in range(LARGE_FILES):
        write(os.path.join(folder, "large_%d.bin" % k), LARGE_SIZE, first_index + k)
    return LARGE_FILES


def main(root):
    small = small_files(root)
    large = large_files(root, small)
    print("gen_backup_tree: %d small and %d large files under %s" % (small, large, root))


if __name__ == "__main__":
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    main(sys.argv[1])
