#include "listfile/write_whole_file.h"

#include <cstdio>
#include <memory>

#include "core/errors.h"
#include "entries/path_kind.h"
#include "platform/error_codes.h"
#include "platform/files.h"

namespace {

using platform::kErrorFileExists;
using platform::kErrorFileNotFound;

// The file that will take the place of the chosen one: created new beside it, removed on
// every way out unless it went in its place.
class NewFile {
 public:
  explicit NewFile(const std::string& target) {
    const std::string folder = PathDirectory(target);
    for (int n = 0; n <= 0xFFFF; ++n) {
      char name[16];
      std::snprintf(name, sizeof name, "~hdx%04X.tmp", n);
      path_ = folder + name;
      handle_ = platform::FileHandle::Open(path_, platform::kGenericWrite, 0, platform::kCreateNew,
                                           platform::kFlagNormal);
      if (handle_.Valid()) return;
      if (handle_.OpenError() != kErrorFileExists) break;
    }
    throw EFCreateError(target);
  }
  ~NewFile() {
    handle_ = platform::FileHandle();
    if (!moved_) platform::RemoveFile(path_);
  }
  NewFile(const NewFile&) = delete;
  NewFile& operator=(const NewFile&) = delete;

  void Write(const std::string& text) {
    uint32_t written = 0;
    if (!handle_.Write(text.data(), static_cast<uint32_t>(text.size()), written) ||
        written != text.size() || !handle_.Flush())
      throw EWriteError();
    handle_ = platform::FileHandle();  // closed: only a closed file can move
  }

  void MoveTo(const std::string& target) {
    uint32_t error = 0;
    if (!platform::MoveFileReplacing(path_, target, error)) throw EFCreateError(target);
    moved_ = true;
  }

 private:
  std::string path_;
  platform::FileHandle handle_;
  bool moved_ = false;
};

// The chosen file, when it exists, must be one this program could open for writing alone,
// as writing it directly needs: a read-only file, or one that another program holds open,
// is left alone.
void CheckReplaceable(const std::string& path) {
  const platform::FileHandle probe =
      platform::FileHandle::Open(path, platform::kGenericRead | platform::kGenericWrite, 0,
                                 platform::kOpenExisting, platform::kFlagNormal);
  if (!probe.Valid() && probe.OpenError() != kErrorFileNotFound) throw EFCreateError(path);
}

}  // namespace

void WriteWholeFile(const std::string& path, const std::string& text) {
  CheckReplaceable(path);
  NewFile file(path);
  file.Write(text);
  file.MoveTo(path);
}

void WriteWholeFiles(const std::vector<std::pair<std::string, std::string>>& files,
                     size_t& replaced) {
  replaced = 0;
  std::vector<std::unique_ptr<NewFile>> written;
  for (const auto& [path, text] : files) {
    CheckReplaceable(path);
    written.push_back(std::make_unique<NewFile>(path));
    written.back()->Write(text);
  }
  for (size_t i = 0; i < files.size(); ++i) {
    written[i]->MoveTo(files[i].first);
    replaced = i + 1;
  }
}
