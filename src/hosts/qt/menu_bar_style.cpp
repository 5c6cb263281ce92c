#include "hosts/qt/menu_bar_style.h"

#include <QProxyStyle>

namespace vx::qt {

namespace {

class MenuBarStyle : public QProxyStyle {
 public:
  int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                QStyleHintReturn* answer) const override {
    if (hint == SH_MenuBar_AltKeyNavigation) return 0;
    return QProxyStyle::styleHint(hint, option, widget, answer);
  }
};

}  // namespace

QStyle* menubarstyle() {
  static QStyle* style = new MenuBarStyle;
  return style;
}

}  // namespace vx::qt
