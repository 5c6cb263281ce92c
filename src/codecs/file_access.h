#pragma once
/// \file
/// Whole files as byte arrays, and names taken from paths.
#include <cstdint>
#include <string>
#include <vector>

namespace vx {

/// The whole file, or an empty array and one "getbinaryfromfile: Error #" line.
/// Only regular files are read; a device or pipe gives "Error #95: Operation
/// not supported".
std::vector<uint8_t> getbinaryfromfile(const std::string& path);
/// Replaces the file with `bytes`: 0 on success, else the system's error number
/// after one "setbinarytofile: Error #" line. The bytes go to a temporary file
/// beside the target that is renamed over it only once it is complete, so a
/// failed write (a full disk) leaves the old file as it was.
int64_t setbinarytofile(const std::string& path, const std::vector<uint8_t>& bytes);

/// A regular file read in bounded pieces, for readers that check a header
/// before they read on and take no more than it allows. Folders, devices and
/// pipes are refused when opened: they have no size to bound a reading by, and
/// reading one (a pipe nobody writes, /dev/zero) would wait or grow for ever.
/// Nothing is logged; the caller reports the problem in its own words.
class RegularFile {
 public:
  /// Opens `path` for reading, or records why it cannot be read.
  explicit RegularFile(const std::string& path);
  ~RegularFile();  ///< Closes the file.
  RegularFile(const RegularFile&) = delete;
  RegularFile& operator=(const RegularFile&) = delete;

  bool ok() const { return problem_.empty(); }  ///< whether the file can be read
  /// Why the file cannot be read ("No such file or directory", "it is a
  /// folder", "it is not a regular file"); empty when it can.
  const std::string& problem() const { return problem_; }
  /// The size the file had when opened.
  int64_t size() const { return size_; }
  /// Reads up to `count` more bytes onto the end of `bytes`, never past the
  /// size the file had when opened; false after setting problem().
  bool read(int64_t count, std::vector<uint8_t>& bytes);

 private:
  int fd_ = -1;
  int64_t size_ = 0;
  int64_t position_ = 0;
  std::string problem_;
};

/// The whole of a regular file of at most `limit` bytes, checked with
/// RegularFile; a larger file is refused with `toolarge` set and nothing read.
/// False with `problem` set when it cannot be read.
bool readregularfile(const std::string& path, int64_t limit, std::vector<uint8_t>& bytes, std::string& problem,
                     bool& toolarge);

/// The text after the last "/" ("/a/b/c.font" gives "c.font").
std::string filenameofpath(const std::string& path);
/// The last component without its extension ("/a/b/c.font" gives "c"; a dot in
/// a folder name does not count: "/a/b.d/c" gives "c").
std::string basenameofpath(const std::string& path);

}  // namespace vx
