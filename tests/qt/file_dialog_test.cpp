// The file dialogs as a user meets them: in German.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QFileDialog>
#include <QLabel>
#include <QTimer>
#include <QTreeView>

#include "host/qt/file_panels.h"
#include "host/qt/translations.h"
#include "qt_test_application.h"

using namespace vx;

namespace {

class FileDialogs : public ::testing::Test {
 protected:
  void SetUp() override { vxtest::qtapplication(); }
};

// Runs `answer` on the file dialog once it shows, from the dialog's own loop.
void whenshown(std::function<void(QFileDialog&)> answer) {
  auto* timer = new QTimer(qApp);
  QObject::connect(timer, &QTimer::timeout, [timer, answer = std::move(answer)] {
    if (auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget())) {
      timer->deleteLater();
      timer->stop();
      answer(*dialog);
    }
  });
  timer->start(5);
}

// Every text the dialog shows: labels, buttons and the file list's columns.
QStringList shownwords(QFileDialog& dialog) {
  QStringList texts;
  for (const QLabel* label : dialog.findChildren<QLabel*>()) texts << label->text();
  for (const QAbstractButton* button : dialog.findChildren<QAbstractButton*>()) texts << button->text();
  if (const auto* list = dialog.findChild<QTreeView*>()) {
    for (int column = 0; column < list->model()->columnCount(); ++column)
      texts << list->model()->headerData(column, Qt::Horizontal).toString();
  }
  return texts;
}

}  // namespace

TEST_F(FileDialogs, TheSaveDialogSpeaksGerman) {
  ASSERT_TRUE(qt::loadqttranslations()) << "the package qt6-translations-l10n is missing";
  QStringList texts;
  whenshown([&](QFileDialog& dialog) {
    texts = shownwords(dialog);
    dialog.reject();
  });
  SavePanelRequest request;
  request.fileTypes = {"gr"};
  request.buttonTitle = "Sichern";
  request.nameFieldLabel = "Sichern unter:";
  EXPECT_FALSE(qt::runsavepanel(request, nullptr).has_value());
  for (const char* german : {"Suchen in:", "Dateien des Typs:", "Abbrechen", "Größe", "Sichern"})
    EXPECT_TRUE(texts.contains(QString::fromUtf8(german))) << german;
  for (const char* english : {"Look in:", "Files of type:", "Cancel", "Size", "Date Modified"})
    EXPECT_FALSE(texts.contains(english)) << english;
}
