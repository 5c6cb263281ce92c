#pragma once
/// \file
/// The About box of the application menu: the program's name and version, the
/// notice line of its header, and the toolkit it runs on.
#include <string>

#include "vxtools_desktop.h"

class QString;
class QWidget;

namespace vx {
namespace qt {

/// The box's text, one line for each part (rich text, escaped).
QString abouttext(const AboutText& about);
/// A modal box titled `title` (the menu item's own title).
void showaboutbox(const std::string& title, const AboutText& about, QWidget* parent);

}  // namespace qt
}  // namespace vx
