#pragma once
/// \file
/// The host's modal open and save panels. They run on the main thread; a caller
/// on another thread waits for the answer. The answer is a plain path, or empty
/// when the user cancelled (or the application quit meanwhile).
#include <string>

namespace vx {

/// Asks the user for a file to open with the open panel, titled `title` with
/// `message` above the files; answers the chosen path, empty when cancelled.
/// `filetypes`: extensions without the dot, separated by "," ("gr"); empty
/// allows every type. `filesselectable` and `choosedirectories` say whether
/// files and folders can be chosen.
std::string t_OpenPanel(const std::string& title, const std::string& message,
                        const std::string& filetypes, bool filesselectable,
                        bool choosedirectories);
/// Asks the user for a file to save with the save panel: `proposedname` in
/// the name field, `filetypes` as t_OpenPanel takes them (other types stay
/// allowed). Answers the chosen path, empty when cancelled.
std::string t_SavePanel(const std::string& proposedname, const std::string& title,
                        const std::string& message, const std::string& filetypes);

/// A file URL as the panels answer it, as a path: percent escapes decoded,
/// composed characters precomposed, a leading "file://" dropped.
std::string fileurltopath(const std::string& url);

}  // namespace vx
