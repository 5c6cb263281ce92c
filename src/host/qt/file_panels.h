#pragma once
// The open and save panels on Qt's own file dialog (the same on every desktop
// and on the offscreen platform). Both answer file URLs, percent-escaped.
#include <optional>
#include <string>
#include <vector>

#include "host/host.h"

class QString;
class QWidget;

namespace vx::qt {

std::vector<std::string> runopenpanel(const OpenPanelRequest& request, QWidget* parent);
std::optional<std::string> runsavepanel(const SavePanelRequest& request, QWidget* parent);
std::string fileurl(const QString& path);

}  // namespace vx::qt
