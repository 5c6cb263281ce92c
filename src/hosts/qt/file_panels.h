#pragma once
// The open and save panels on Qt's own file dialog (the same on every desktop
// and on the offscreen platform). Both answer file URLs, percent-escaped.
// A panel opens in the folder of the last file chosen in one; the first opens
// in the user's pictures folder, or the home folder when there is none. The
// save panel adds the first offered extension to a name typed without one.
#include <optional>
#include <string>
#include <vector>

#include "host/host.h"

class QString;
class QWidget;

namespace vx::qt {

// `several`: more than one file may be chosen (the toolkit's panel takes one).
std::vector<std::string> runopenpanel(const OpenPanelRequest& request, QWidget* parent, bool several = false);
std::optional<std::string> runsavepanel(const SavePanelRequest& request, QWidget* parent);
std::string fileurl(const QString& path);

// The folder the next panel opens in, and the one the first panel opens in.
QString panelfolder();
QString firstpanelfolder();
// Makes the next panel open in `folder`, as if a file there had been chosen
// (a program that opened a file named on its command line).
void setpanelfolder(const QString& folder);

}  // namespace vx::qt
