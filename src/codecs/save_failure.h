#pragma once
// What the user is told when a file could not be written: the reason in
// German words, naming the file, rather than the system's error number.
#include <optional>
#include <string>

#include "host/host.h"

namespace vx {

// "Die Grafik konnte nicht gesichert werden: Keine Schreibberechtigung für
// „/a/b.gr“." for the system error number `error` met while writing `path`;
// the details hold the error number and the system's own description.
UserProblem graphicsavefailure(int error, const std::string& path);

// A name the user chose with another extension than ".gr" (the save command
// writes only the toolkit's own format): refused with the reason, so that no
// ".gr" bytes end up under a name that promises another format. Nothing when
// the name ends in ".gr" (in any case of letters).
std::optional<UserProblem> graphicsavename(const std::string& path);

}  // namespace vx
