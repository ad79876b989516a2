#!/usr/bin/env python3
"""Writes the backup benchmark's source tree, about 1 GB: 20,000 small files (0 to 32 KB) in 400
folders, and 8 large files of 80 MB.

Usage: gen_backup_tree.py ROOT [--small N] [--folders N] [--large N] [--large-mb N] [--levels N]

The options change the shape (small files, the folders they are spread over, large files and
their size in MB, how deep the folders holding the small files lie below ROOT); the folders
still come ten to a group at every level below the first, and without options the tree is the
one described above, two levels deep.

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
LARGE_MB = 80
LEVELS = 2
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


def folder_path(root, f, levels):
    """group_G/section_S/.../folder_F: one decimal digit of f per level below the first."""
    names = ["folder_%02d" % (f % FOLDERS_PER_GROUP)]
    f //= FOLDERS_PER_GROUP
    for _ in range(levels - 2):
        names.append("section_%d" % (f % FOLDERS_PER_GROUP))
        f //= FOLDERS_PER_GROUP
    names.append("group_%02d" % f)
    return os.path.join(root, *reversed(names))


def small_files(root, count, folders, levels):
    per_folder = -(-count // folders)
    index = 0
    for f in range(folders):
        folder = folder_path(root, f, levels)
        os.makedirs(folder, exist_ok=True)
        for _ in range(min(per_folder, count - index)):
            size = (index * 2654435761) % SMALL_MAX
            write(os.path.join(folder, "file_%06d.dat" % index), size, index)
            index += 1
    return index


def large_files(root, first_index, count, megabytes):
    if count == 0:
        return 0
    folder = os.path.join(root, "large")
    os.makedirs(folder, exist_ok=True)
    for k in range(count):
        write(os.path.join(folder, "large_%d.bin" % k), megabytes * 1024 * 1024, first_index + k)
    return count


def parse(argv):
    parser = argparse.ArgumentParser(
        description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("root")
    parser.add_argument("--small", type=int, default=SMALL_FILES)
    parser.add_argument("--folders", type=int, default=FOLDERS)
    parser.add_argument("--large", type=int, default=LARGE_FILES)
    parser.add_argument("--large-mb", type=int, default=LARGE_MB)
    parser.add_argument("--levels", type=int, default=LEVELS)
    args = parser.parse_args(argv)
    if args.small < 0 or args.folders < 1 or args.large < 0 or args.large_mb < 0:
        parser.error("--small, --large and --large-mb must not be negative, "
                     "--folders must be at least 1")
    if args.levels < 2:
        parser.error("--levels must be at least 2")
    return args


def main(argv):
    args = parse(argv)
    small = small_files(args.root, args.small, args.folders, args.levels)
    large = large_files(args.root, small, args.large, args.large_mb)
    print("gen_backup_tree: %d small and %d large files under %s" % (small, large, args.root))


if __name__ == "__main__":
    main(sys.argv[1:])
