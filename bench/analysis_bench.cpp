// analysis_bench SOURCE TARGETFOLDER [--sync]
// Runs the analysis of one folder item against its copy under TARGETFOLDER on the real file
// system, as a backup run would, and prints what it cost: time, reads, job nodes and memory.
// Not a test: the figures depend on the machine, and nothing is checked.
#include <windows.h>

#include <cstdio>
#include <string>

#include "bench/CountingFileSystem.h"
#include "bench/ProcessMemory.h"
#include "bench/TreeMeasure.h"
#include "client/engine/BackupEngine.h"
#include "client/engine/Clock.h"
#include "client/engine/ProgressView.h"
#include "client/engine/TextProvider.h"
#include "client/model/Source.h"
#include "client/platform/FileSystemWin32.h"

namespace {

using vl::bench::MemorySample;

struct BenchArgs {
  vl::String source;
  vl::String targetFolder;
  bool synchronize = false;
};

bool ParseArgs(int argc, wchar_t** argv, BenchArgs& args) {
  if (argc < 3 || argc > 4) return false;
  args.source = argv[1];
  args.targetFolder = argv[2];
  if (argc == 4) {
    if (std::wstring(argv[3]) != L"--sync") return false;
    args.synchronize = true;
  }
  return true;
}

double Seconds(const LARGE_INTEGER& from, const LARGE_INTEGER& to) {
  LARGE_INTEGER frequency;
  ::QueryPerformanceFrequency(&frequency);
  return static_cast<double>(to.QuadPart - from.QuadPart) / static_cast<double>(frequency.QuadPart);
}

void Line(const char* name, double value) { std::printf("%-22s %.3f\n", name, value); }
void Line(const char* name, uint64_t value) {
  std::printf("%-22s %llu\n", name, static_cast<unsigned long long>(value));
}

void Report(double seconds, const vl::bench::ReadCounts& reads, const vl::RunStats& stats,
            const vl::bench::TreeSize& tree, const MemorySample& before,
            const MemorySample& after) {
  const uint64_t grown = after.privateBytes > before.privateBytes
                             ? after.privateBytes - before.privateBytes : 0;
  const double perNode = tree.nodes ? static_cast<double>(grown) / tree.nodes : 0.0;
  const double counted = static_cast<double>(tree.nodeBytes + tree.textBytes + tree.listBytes);
  Line("wall_seconds", seconds);
  Line("source_files", reads.sourceFiles);
  Line("files_per_second", seconds > 0 ? reads.sourceFiles / seconds : 0.0);
  Line("listings", reads.listings);
  Line("status_queries", reads.statusQueries);
  Line("volume_queries", reads.volumeQueries);
  Line("job_nodes", tree.nodes);
  Line("folder_jobs", static_cast<uint64_t>(stats.folderCount));
  Line("file_jobs", static_cast<uint64_t>(stats.fileCount));
  Line("total_bytes", static_cast<uint64_t>(stats.totalBytes));
  Line("private_before_mb", before.privateBytes / 1048576.0);
  Line("private_after_mb", after.privateBytes / 1048576.0);
  Line("peak_pagefile_mb", after.peakPagefile / 1048576.0);
  Line("peak_working_set_mb", after.peakWorkingSet / 1048576.0);
  Line("heap_bytes_per_node", perNode);
  Line("counted_bytes_per_node", tree.nodes ? counted / tree.nodes : 0.0);
  Line("record_bytes", static_cast<uint64_t>(sizeof(vl::CSyncItem)));
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  BenchArgs args;
  if (!ParseArgs(argc, argv, args)) {
    std::fputs("usage: analysis_bench SOURCE TARGETFOLDER [--sync]\n", stderr);
    return 2;
  }
  vl::platform::FileSystemWin32 real;
  vl::bench::CountingFileSystem fs(real, args.source);
  vl::EnglishTexts texts;
  vl::NullProgressView view;
  vl::SystemClock clock;
  vl::CBackupEngine engine(fs, texts, view, clock);

  vl::CSource item;
  item.path = args.source;
  item.targetFolder = args.targetFolder;
  engine.ProbeItem(item);
  if (!item.sourceExists) {
    std::fputs("analysis_bench: the source does not exist\n", stderr);
    return 1;
  }
  item.mirror = args.synchronize ? 1 : 0;

  const MemorySample before = vl::bench::SampleMemory();
  LARGE_INTEGER start, end;
  ::QueryPerformanceCounter(&start);
  engine.AnalyseItem(item, item.path, item.GetItemName(), item.MakeTargetPath());
  ::QueryPerformanceCounter(&end);
  const MemorySample after = vl::bench::SampleMemory();
  Report(Seconds(start, end), fs.Counts(), engine.State().stats,
         vl::bench::MeasureTree(engine.State().jobList), before, after);
  return 0;
}
