#include "codecs/save_failure.h"

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

}  // namespace vx
