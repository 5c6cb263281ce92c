#pragma once
/// \file
/// Whole files as byte arrays, and names taken from paths.
#include <cstdint>
#include <string>
#include <vector>

namespace vx {

/// The whole file, or an empty array and one "getbinaryfromfile: Error #" line.
std::vector<uint8_t> getbinaryfromfile(const std::string& path);
/// Replaces the file with `bytes`: 0 on success, else the system's error number
/// after one "setbinarytofile: Error #" line. The bytes go to a temporary file
/// beside the target that is renamed over it only once it is complete, so a
/// failed write (a full disk) leaves the old file as it was.
int64_t setbinarytofile(const std::string& path, const std::vector<uint8_t>& bytes);

/// The text after the last "/" ("/a/b/c.font" gives "c.font").
std::string filenameofpath(const std::string& path);
/// The last component without its extension ("/a/b/c.font" gives "c"; a dot in
/// a folder name does not count: "/a/b.d/c" gives "c").
std::string basenameofpath(const std::string& path);

}  // namespace vx
