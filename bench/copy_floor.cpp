// copy_floor copy SRC DST [--threads N]
// copy_floor list A B
// The least any Win32 program must spend on a backup under the same Wine, as the yardstick for
// `vlbackup run`: `copy` lists SRC, makes DST's folders on the way and copies each file with one
// CopyFileExW on N threads (2 unless told), nothing else per file; `list` lists two trees, all
// an unchanged rerun cannot do without. Win32 and the standard library only, so that no cost of
// the product's own layers hides in the floor. Not a test: the figures depend on the machine.
#include <windows.h>

#include <condition_variable>
#include <cstdint>
#include <cstdio>
#include <cwchar>
#include <deque>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <utility>
#include <vector>

namespace {

constexpr unsigned kDefaultThreads = 2;
constexpr unsigned kMostThreads = 64;

struct Tally {
  uint64_t files = 0;
  uint64_t folders = 0;
  uint64_t bytes = 0;
  uint64_t errors = 0;

  void Add(const Tally& other) {
    files += other.files;
    folders += other.folders;
    bytes += other.bytes;
    errors += other.errors;
  }
};

// Each failure is one line with the system's code, so a run with errors says where and why.
void Complain(const wchar_t* what, const std::wstring& path, DWORD code) {
  std::fwprintf(stderr, L"copy_floor: %ls %ls: error %lu\n", what, path.c_str(),
                static_cast<unsigned long>(code));
}

class FindHandle {
 public:
  FindHandle(const std::wstring& folder, WIN32_FIND_DATAW& entry)
      : handle_(::FindFirstFileW((folder + L"\\*").c_str(), &entry)) {}
  ~FindHandle() {
    if (Valid()) ::FindClose(handle_);
  }
  FindHandle(const FindHandle&) = delete;
  FindHandle& operator=(const FindHandle&) = delete;

  bool Valid() const { return handle_ != INVALID_HANDLE_VALUE; }
  bool Next(WIN32_FIND_DATAW& entry) const { return ::FindNextFileW(handle_, &entry) != FALSE; }

 private:
  HANDLE handle_;
};

bool IsDots(const wchar_t* name) {
  return name[0] == L'.' && (name[1] == 0 || (name[1] == L'.' && name[2] == 0));
}

bool IsFolder(const WIN32_FIND_DATAW& entry) {
  return (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

uint64_t SizeOf(const WIN32_FIND_DATAW& entry) {
  return (static_cast<uint64_t>(entry.nFileSizeHigh) << 32) | entry.nFileSizeLow;
}

// Called with each entry's path below the root ("a\b.txt"); returns false to leave a folder's
// contents out.
using Visit = std::function<bool(const std::wstring& relative, const WIN32_FIND_DATAW& entry)>;

// Lists one folder, leaving the subfolders to enter in `folders`; false when it could not.
bool ListFolder(const std::wstring& root, const std::wstring& relative, const Visit& visit,
                std::vector<std::wstring>& folders) {
  const std::wstring path = relative.empty() ? root : root + L"\\" + relative;
  WIN32_FIND_DATAW entry;
  const FindHandle find(path, entry);
  if (!find.Valid()) {
    Complain(L"list", path, ::GetLastError());
    return false;
  }
  do {
    if (IsDots(entry.cFileName)) continue;
    std::wstring child = relative.empty() ? entry.cFileName : relative + L"\\" + entry.cFileName;
    if (visit(child, entry) && IsFolder(entry)) folders.push_back(std::move(child));
  } while (find.Next(entry));
  const DWORD code = ::GetLastError();
  if (code == ERROR_NO_MORE_FILES) return true;
  Complain(L"list", path, code);
  return false;
}

// Depth first, one folder's handle open at a time; returns the folders it could not list.
uint64_t Walk(const std::wstring& root, const Visit& visit) {
  uint64_t errors = 0;
  std::vector<std::wstring> pending{std::wstring()};
  while (!pending.empty()) {
    const std::wstring relative = std::move(pending.back());
    pending.pop_back();
    std::vector<std::wstring> folders;
    if (!ListFolder(root, relative, visit, folders)) ++errors;
    pending.insert(pending.end(), folders.rbegin(), folders.rend());
  }
  return errors;
}

struct CopyJob {
  std::wstring from;
  std::wstring to;
  uint64_t size = 0;
};

// The lister pushes, the copiers pop; Pop fails once the queue is closed and empty.
class JobQueue {
 public:
  void Push(CopyJob job) {
    {
      const std::lock_guard<std::mutex> lock(mutex_);
      jobs_.push_back(std::move(job));
    }
    ready_.notify_one();
  }

  void Close() {
    {
      const std::lock_guard<std::mutex> lock(mutex_);
      closed_ = true;
    }
    ready_.notify_all();
  }

  bool Pop(CopyJob& job) {
    std::unique_lock<std::mutex> lock(mutex_);
    ready_.wait(lock, [this] { return closed_ || !jobs_.empty(); });
    if (jobs_.empty()) return false;
    job = std::move(jobs_.front());
    jobs_.pop_front();
    return true;
  }

 private:
  std::mutex mutex_;
  std::condition_variable ready_;
  std::deque<CopyJob> jobs_;
  bool closed_ = false;
};

void CopyJobs(JobQueue& queue, Tally& tally) {
  CopyJob job;
  while (queue.Pop(job)) {
    if (::CopyFileExW(job.from.c_str(), job.to.c_str(), nullptr, nullptr, nullptr,
                      COPY_FILE_FAIL_IF_EXISTS)) {
      ++tally.files;
      tally.bytes += job.size;
    } else {
      Complain(L"copy", job.from, ::GetLastError());
      ++tally.errors;
    }
  }
}

bool MakeFolder(const std::wstring& path, Tally& tally) {
  if (::CreateDirectoryW(path.c_str(), nullptr)) return true;
  Complain(L"create", path, ::GetLastError());
  ++tally.errors;
  return false;
}

// The target's root may exist already (empty, as a fresh target is); every folder below it is
// made anew, so there an existing one is an error like any other.
bool MakeRoot(const std::wstring& path, Tally& tally) {
  if (::CreateDirectoryW(path.c_str(), nullptr)) return true;
  const DWORD code = ::GetLastError();
  if (code == ERROR_ALREADY_EXISTS) return true;
  Complain(L"create", path, code);
  ++tally.errors;
  return false;
}

Tally CopyTree(const std::wstring& source, const std::wstring& target, unsigned threads) {
  Tally lister;
  if (!MakeRoot(target, lister)) return lister;
  JobQueue queue;
  std::vector<Tally> copied(threads);
  std::vector<std::thread> copiers;
  for (unsigned i = 0; i < threads; ++i) {
    copiers.emplace_back(CopyJobs, std::ref(queue), std::ref(copied[i]));
  }
  lister.errors += Walk(source, [&](const std::wstring& relative, const WIN32_FIND_DATAW& entry) {
    const std::wstring to = target + L"\\" + relative;
    if (IsFolder(entry)) {
      if (!MakeFolder(to, lister)) return false;
      ++lister.folders;
      return true;
    }
    queue.Push({source + L"\\" + relative, to, SizeOf(entry)});
    return true;
  });
  queue.Close();
  for (std::thread& copier : copiers) copier.join();
  for (const Tally& tally : copied) lister.Add(tally);
  return lister;
}

Tally CountTree(const std::wstring& root) {
  Tally tally;
  tally.errors = Walk(root, [&tally](const std::wstring&, const WIN32_FIND_DATAW& entry) {
    if (IsFolder(entry)) {
      ++tally.folders;
    } else {
      ++tally.files;
      tally.bytes += SizeOf(entry);
    }
    return true;
  });
  return tally;
}

void PrintCount(const char* name, uint64_t value) {
  std::printf("%s %llu\n", name, static_cast<unsigned long long>(value));
}

void PrintTally(const Tally& tally) {
  PrintCount("files", tally.files);
  PrintCount("folders", tally.folders);
  PrintCount("bytes", tally.bytes);
  PrintCount("errors", tally.errors);
}

bool ParseThreads(const wchar_t* text, unsigned& threads) {
  wchar_t* end = nullptr;
  const unsigned long value = std::wcstoul(text, &end, 10);
  if (end == text || *end != 0 || value < 1 || value > kMostThreads) return false;
  threads = static_cast<unsigned>(value);
  return true;
}

int Usage() {
  std::fputs("usage: copy_floor copy SRC DST [--threads N]   (N from 1 to 64, default 2)\n"
             "       copy_floor list A B\n",
             stderr);
  return 2;
}

int RunCopy(int argc, wchar_t** argv) {
  unsigned threads = kDefaultThreads;
  if (argc == 6 && std::wstring(argv[4]) == L"--threads") {
    if (!ParseThreads(argv[5], threads)) return Usage();
  } else if (argc != 4) {
    return Usage();
  }
  const Tally tally = CopyTree(argv[2], argv[3], threads);
  PrintTally(tally);
  return tally.errors == 0 ? 0 : 1;
}

// One line a tree: "files N folders N bytes N errors N PATH".
int RunList(int argc, wchar_t** argv) {
  if (argc != 4) return Usage();
  uint64_t errors = 0;
  for (int i = 2; i < 4; ++i) {
    const Tally tally = CountTree(argv[i]);
    std::printf("files %llu folders %llu bytes %llu errors %llu %ls\n",
                static_cast<unsigned long long>(tally.files),
                static_cast<unsigned long long>(tally.folders),
                static_cast<unsigned long long>(tally.bytes),
                static_cast<unsigned long long>(tally.errors), argv[i]);
    errors += tally.errors;
  }
  return errors == 0 ? 0 : 1;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc >= 2 && std::wstring(argv[1]) == L"copy") return RunCopy(argc, argv);
  if (argc >= 2 && std::wstring(argv[1]) == L"list") return RunList(argc, argv);
  return Usage();
}
