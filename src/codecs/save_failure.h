#pragma once
// What the user is told when a file could not be written: the reason in
// German words, naming the file, rather than the system's error number.
#include <string>

#include "host/host.h"

namespace vx {

// "Die Grafik konnte nicht gesichert werden: Keine Schreibberechtigung für
// „/a/b.gr“." for the system error number `error` met while writing `path`;
// the details hold the error number and the system's own description.
UserProblem graphicsavefailure(int error, const std::string& path);

}  // namespace vx
