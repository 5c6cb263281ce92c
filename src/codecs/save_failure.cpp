#include "codecs/save_failure.h"

#include <cctype>
#include <cerrno>
#include <system_error>

namespace vx {
namespace {

std::string quoted(const std::string& path) { return "„" + path + "“"; }

// Why the file could not be written, as a user would say it.
std::string reason(int error, const std::string& path) {
  switch (error) {
    case EACCES:
    case EPERM: return "Keine Schreibberechtigung für " + quoted(path) + ".";
    case EROFS: return "Der Datenträger von " + quoted(path) + " ist schreibgeschützt.";
    case ENOSPC:
    case EDQUOT: return "Auf dem Datenträger ist nicht genug Platz für " + quoted(path) + ".";
    case ENOENT:
    case ENOTDIR: return "Den Ordner für " + quoted(path) + " gibt es nicht.";
    case EISDIR: return quoted(path) + " ist ein Ordner.";
    case ENAMETOOLONG: return "Der Name " + quoted(path) + " ist zu lang.";
    case EIO: return "Der Datenträger meldet einen Fehler beim Schreiben von " + quoted(path) + ".";
    default: return "Fehler beim Schreiben von " + quoted(path) + ".";
  }
}

}  // namespace

UserProblem graphicsavefailure(int error, const std::string& path) {
  return {"Grafik sichern", "Die Grafik konnte nicht gesichert werden: " + reason(error, path),
          "Fehler Nr. " + std::to_string(error) + ": " +
              std::error_code(error, std::generic_category()).message()};
}

std::optional<UserProblem> graphicsavename(const std::string& path) {
  const std::string name = path.substr(path.find_last_of('/') + 1);
  const size_t dot = name.find_last_of('.');
  std::string extension = dot == std::string::npos ? "" : name.substr(dot);
  for (char& c : extension) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  if (extension == ".gr") return std::nullopt;
  return UserProblem{"Grafik sichern",
                     "Die Grafik wurde nicht gesichert: " + quoted(name) +
                         " endet nicht auf „.gr“. Grafiken werden als vxtools-Grafik (.gr) gesichert; "
                         "in PNG wandelt sie „vxtool gr convert“ oder vxview.",
                     path};
}

}  // namespace vx
