// Reading and writing whole files with the system's file calls, whose error
// numbers serve as the host's error codes.
#include "codecs/file_access.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <system_error>

#include "runtime/log.h"

namespace vx {
namespace {

// "2: No such file or directory"
std::string errordescription(int code) {
  return std::to_string(code) + ": " + std::error_code(code, std::generic_category()).message();
}

class FileDescriptor {
 public:
  explicit FileDescriptor(int fd) : fd_(fd) {}
  FileDescriptor(const FileDescriptor&) = delete;
  FileDescriptor& operator=(const FileDescriptor&) = delete;
  ~FileDescriptor() {
    if (fd_ >= 0) ::close(fd_);
  }
  int get() const { return fd_; }
  // Closes now, so that a late write error is seen; answers errno or 0.
  int close() {
    const int result = ::close(fd_);
    fd_ = -1;
    return result == 0 ? 0 : errno;
  }

 private:
  int fd_;
};

// Reads until the end rather than trusting the size, which some files lack.
// Devices and pipes are refused: /dev/zero has no end, and a pipe nobody
// writes would wait for ever.
int readall(int fd, std::vector<uint8_t>& out) {
  struct stat info {};
  if (::fstat(fd, &info) != 0) return errno;
  if (S_ISDIR(info.st_mode)) return EISDIR;
  if (!S_ISREG(info.st_mode)) return ENOTSUP;
  if (info.st_size > 0) out.reserve(static_cast<size_t>(info.st_size));
  uint8_t buffer[1 << 16];
  for (;;) {
    const ssize_t got = ::read(fd, buffer, sizeof buffer);
    if (got == 0) return 0;
    if (got < 0) {
      if (errno == EINTR) continue;
      return errno;
    }
    out.insert(out.end(), buffer, buffer + got);
  }
}

int writeall(int fd, const std::vector<uint8_t>& bytes) {
  size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t put = ::write(fd, bytes.data() + done, bytes.size() - done);
    if (put < 0) {
      if (errno == EINTR) continue;
      return errno;
    }
    done += static_cast<size_t>(put);
  }
  return 0;
}

std::string folderof(const std::string& path) {
  const size_t slash = path.rfind('/');
  if (slash == std::string::npos) return ".";
  return slash == 0 ? "/" : path.substr(0, slash);
}

// The file a path names, through symbolic links, so that replacing it keeps
// the link; a dangling link or a missing file leaves the path as it is.
std::string replacedfile(const std::string& path) {
  struct stat info {};
  if (::lstat(path.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) return path;
  char* resolved = ::realpath(path.c_str(), nullptr);
  if (resolved == nullptr) return path;
  std::string target(resolved);
  ::free(resolved);
  return target;
}

// A new, empty file beside `target`, created with the usual permissions.
int createtemporary(const std::string& target, std::string& name) {
  static std::atomic<uint64_t> counter{0};
  const std::string folder = folderof(target);
  // Cut long names so that the suffix still fits the system's name limit.
  const std::string stem =
      (folder == "/" ? "" : folder) + "/." + filenameofpath(target).substr(0, 200);
  for (int attempt = 0; attempt < 100; ++attempt) {
    name = stem + ".tmp" + std::to_string(::getpid()) + "-" + std::to_string(counter++);
    const int fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd >= 0 || errno != EEXIST) return fd;
  }
  return -1;
}

// Devices and pipes are written where they are (renaming a file over them
// would replace them), and so are files whose folder takes no new file.
int writeinplace(const std::string& target, const std::vector<uint8_t>& bytes) {
  FileDescriptor file(::open(target.c_str(), O_WRONLY | O_TRUNC | O_CLOEXEC));
  if (file.get() < 0) return errno;
  const int error = writeall(file.get(), bytes);
  const int closeerror = file.close();
  return error != 0 ? error : closeerror;
}

// Writes a temporary file completely and renames it over the target.
int replacefile(const std::string& path, const std::vector<uint8_t>& bytes) {
  if (path.empty()) return ENOENT;
  if (path.back() == '/') return EISDIR;
  const std::string target = replacedfile(path);
  struct stat old {};
  const bool exists = ::stat(target.c_str(), &old) == 0;
  if (exists && S_ISDIR(old.st_mode)) return EISDIR;
  if (exists && !S_ISREG(old.st_mode)) return writeinplace(target, bytes);
  std::string temporary;
  FileDescriptor file(createtemporary(target, temporary));
  if (file.get() < 0) {
    // A folder the user may not write still holds files the user may: such a
    // file is written where it is, as it was before saving became safe.
    const int error = errno;
    return exists ? writeinplace(target, bytes) : error;
  }
  int error = 0;
  if (exists && ::fchmod(file.get(), old.st_mode & 07777) != 0) error = errno;
  if (error == 0) error = writeall(file.get(), bytes);
  if (error == 0 && ::fsync(file.get()) != 0) error = errno;
  const int closeerror = file.close();
  if (error == 0) error = closeerror;
  if (error == 0 && ::rename(temporary.c_str(), target.c_str()) != 0) error = errno;
  if (error != 0) ::unlink(temporary.c_str());
  return error;
}

}  // namespace

std::vector<uint8_t> getbinaryfromfile(const std::string& path) {
  std::vector<uint8_t> bytes;
  // Not blocking, so that opening a pipe nobody writes does not wait.
  FileDescriptor file(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
  const int error = file.get() < 0 ? errno : readall(file.get(), bytes);
  if (error == 0) return bytes;
  log("getbinaryfromfile: Error #" + errordescription(error));
  return {};
}

int64_t setbinarytofile(const std::string& path, const std::vector<uint8_t>& bytes) {
  const int error = replacefile(path, bytes);
  if (error != 0) log("setbinarytofile: Error #" + errordescription(error));
  return error;
}

RegularFile::RegularFile(const std::string& path) {
  // Not blocking, so that opening a pipe nobody writes does not wait.
  fd_ = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
  struct stat info {};
  if (fd_ < 0 || ::fstat(fd_, &info) != 0) {
    problem_ = std::error_code(errno, std::generic_category()).message();
  } else if (S_ISDIR(info.st_mode)) {
    problem_ = "it is a folder";
  } else if (!S_ISREG(info.st_mode)) {
    problem_ = "it is not a regular file (a device or a pipe has no size to read up to)";
  } else {
    size_ = info.st_size;
  }
}

RegularFile::~RegularFile() {
  if (fd_ >= 0) ::close(fd_);
}

bool RegularFile::read(int64_t count, std::vector<uint8_t>& bytes) {
  if (!ok()) return false;
  count = std::clamp<int64_t>(count, 0, size_ - position_);
  const size_t start = bytes.size();
  bytes.resize(start + static_cast<size_t>(count));
  size_t done = 0;
  while (done < static_cast<size_t>(count)) {
    const ssize_t got = ::read(fd_, bytes.data() + start + done, static_cast<size_t>(count) - done);
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) {
      problem_ = std::error_code(errno, std::generic_category()).message();
      bytes.resize(start + done);
      return false;
    }
    if (got == 0) break;  // the file got shorter since it was opened
    done += static_cast<size_t>(got);
  }
  bytes.resize(start + done);
  position_ += static_cast<int64_t>(done);
  return true;
}

bool readregularfile(const std::string& path, int64_t limit, std::vector<uint8_t>& bytes, std::string& problem,
                     bool& toolarge) {
  bytes.clear();
  toolarge = false;
  RegularFile file(path);
  if (!file.ok()) {
    problem = file.problem();
    return false;
  }
  if (file.size() > limit) {
    toolarge = true;
    problem = "it holds " + std::to_string(file.size()) + " bytes, more than the " + std::to_string(limit) +
              " bytes such a file can hold";
    return false;
  }
  if (!file.read(file.size(), bytes)) {
    problem = file.problem();
    return false;
  }
  return true;
}

std::string filenameofpath(const std::string& path) {
  const size_t slash = path.rfind('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string basenameofpath(const std::string& path) {
  const std::string name = filenameofpath(path);
  const size_t dot = name.rfind('.');
  return dot == std::string::npos ? name : name.substr(0, dot);
}

}  // namespace vx
