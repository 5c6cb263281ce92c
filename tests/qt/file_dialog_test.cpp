// The file dialogs as a user meets them: in German, opening where the last
// file was chosen, and adding the offered extension to a bare name.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QTreeView>
#include <filesystem>

#include "hosts/qt/file_panels.h"
#include "hosts/qt/translations.h"
#include "qt_test_application.h"
#include "support/test_support.h"

using namespace vx;

namespace {

// A home folder of the test's own, so that the dialogs' first folder is known.
class FileDialogs : public ::testing::Test {
 protected:
  void SetUp() override {
    qputenv("HOME", QByteArray::fromStdString(home_.path().string()));
    qputenv("XDG_CONFIG_HOME", QByteArray::fromStdString((home_.path() / "config").string()));
    vxtest::qtapplication();
  }
  QString folder(const std::string& name) {
    std::filesystem::create_directories(home_.path() / name);
    return QString::fromStdString(home_.file(name));
  }
  vxtest::TempFolder home_{"dialogs"};
};

// Types `typed` into the save dialog's name field and accepts, as Return
// would; answers the chosen file and where the dialog opened.
std::string savepanel(QString* shownin, const QString& typed) {
  SavePanelRequest request;
  request.proposedName = "Velmorandine-Grafik.gr";
  request.fileTypes = {"gr"};
  vxtest::whenmodalshows<QFileDialog>([=](QFileDialog& dialog) {
    *shownin = dialog.directory().absolutePath();
    dialog.findChild<QLineEdit*>("fileNameEdit")->setText(typed);
    QMetaObject::invokeMethod(&dialog, "accept");
  });
  return qt::runsavepanel(request, nullptr).value_or("");
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
  vxtest::whenmodalshows<QFileDialog>([&](QFileDialog& dialog) {
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
}

// The desktop session sees the first dialog open in the pictures folder and
// add ".gr"; here the home without one, the remembered folder and cancelling.
TEST_F(FileDialogs, TheFirstOpensInThePicturesFolderThenWhereTheLastFileWasChosen) {
  EXPECT_EQ(qt::firstpanelfolder(), QDir::homePath());  // no pictures folder yet
  const QString pictures = folder("Pictures");
  const QString elsewhere = folder("anderswo");
  EXPECT_EQ(qt::firstpanelfolder(), pictures);
  QString shownin;
  EXPECT_EQ(savepanel(&shownin, elsewhere + "/eins"), qt::fileurl(elsewhere + "/eins.gr"));
  EXPECT_EQ(shownin, pictures);
  EXPECT_EQ(savepanel(&shownin, "zwei"), qt::fileurl(elsewhere + "/zwei.gr"));
  EXPECT_EQ(shownin, elsewhere);
  // Another extension than the offered one stays (the desktop session saves a bare name).
  EXPECT_EQ(savepanel(&shownin, "zwei.txt"), qt::fileurl(elsewhere + "/zwei.txt"));
  // A cancelled dialog leaves the folder as it was.
  vxtest::whenmodalshows<QFileDialog>([](QFileDialog& dialog) { dialog.reject(); });
  EXPECT_FALSE(qt::runsavepanel({}, nullptr).has_value());
  EXPECT_EQ(qt::panelfolder(), elsewhere);
}
