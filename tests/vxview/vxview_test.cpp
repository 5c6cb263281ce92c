// The viewer as a user meets it: a saved star opens and shows its pixels at
// 1:1 and whole when fitted; files that cannot be read are named with the
// reader's reason and open no window while the others open; the PNG export
// holds the picture's pixels.
#include <gtest/gtest.h>

#include <QApplication>
#include <QMessageBox>
#include <QScrollBar>
#include <QTest>
#include <filesystem>
#include <random>

#include "qt_test_application.h"
#include "support/test_support.h"
#include "viewer.h"

using namespace vx;
using vxview::GraphicWindow;
using vxview::Viewer;
using Bytes = std::vector<uint8_t>;

namespace {

constexpr uint8_t Slot = 1;

// A folder of the test's own for the files it writes.
class ViewerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    vxtest::qtapplication();
    useHeadlessHost();
  }
  QString file(const std::string& name, const Bytes& bytes) { return QString::fromStdString(folder_.write(name, bytes)); }
  QString path(const std::string& name) const { return QString::fromStdString(folder_.file(name)); }

  vxtest::TempFolder folder_{"vxview"};
  vxtest::LogCapture log_;  // the toolkit's lines while windows are made and saved
  Viewer viewer_{{"vxview", "test", ""}};
};

// A star drawn as the star program draws it into a one-bit window of `size`
// pixels, filling its top left `extent` pixels (the whole window unless told).
t_Graphic star(int64_t size, int64_t extent = 0) {
  if (extent <= 0) extent = size;
  t_InitWindow(Slot, 1, false, size, size, 5, 5, t_Font{}, true);
  g_ClearScreen(Slot, 15, -1);
  t_Color(Slot, 0, 15);
  g_DrawVelmorandine(Slot, 0, 0, extent - 1, extent - 1, 36);
  return g_GetScreen(Slot);
}

// A window of `depth` whose picture bytes are noise: colours, and alphas that differ.
t_Graphic noise(int64_t depth, int64_t width, int64_t height, uint32_t seed) {
  t_InitWindow(Slot, depth, false, width, height, 5, 5, t_Font{}, true);
  const t_Window& w = WindowTable[Slot];
  const int64_t rowbytes = (w.Width * w.BitDepth + 7) / 8;
  std::mt19937 rng(seed);
  for (int64_t i = 0; i < rowbytes * w.Height; ++i)
    ToolkitMemory[static_cast<size_t>(w.MemoryStart + i)] = static_cast<uint8_t>(rng());
  return g_GetScreen(Slot);
}

Bytes saved(const t_Graphic& capture) { return graphicfilebytes(g_EncodeGraphic(capture)); }

// The picture the toolkit shows for a capture, alpha included.
QImage asimage(const t_Graphic& capture) {
  const GraphicPixels pixels = graphicpixels(capture);
  const int64_t step = pixels.HasAlpha ? 4 : 3;
  QImage image(int(capture.Width), int(capture.Height), QImage::Format_ARGB32);
  for (int64_t i = 0; i < capture.Size; ++i) {
    const uint8_t* p = pixels.Samples.data() + i * step;
    image.setPixel(int(i % capture.Width), int(i / capture.Width), qRgba(p[0], p[1], p[2], step == 4 ? p[3] : 255));
  }
  return image;
}

// Opens the files; the message box's text and informative text, if one showed.
std::pair<QString, QString> openreporting(Viewer& viewer, const QStringList& paths, int& opened) {
  std::pair<QString, QString> shown;
  vxtest::whenmodalshows<QMessageBox>([&shown](QMessageBox& box) {
    shown = {box.text(), box.informativeText()};
    box.accept();
  });
  opened = viewer.openfiles(paths);
  return shown;
}

void press(GraphicWindow& window, Qt::Key key) {
  QTest::keyClick(&window, key, Qt::ControlModifier | Qt::ShiftModifier);
  QCoreApplication::processEvents();
}

}  // namespace

TEST_F(ViewerTest, ASavedStarShowsItsPixelsAt1To1AndWholeWhenFitted) {
  // Off the middle, so that a part of the picture is told from the whole.
  const t_Graphic capture = star(1024, 700);
  ASSERT_EQ(viewer_.openfiles({file("star.gr", saved(capture))}), 1);
  GraphicWindow& window = *viewer_.windows().front();
  EXPECT_EQ(window.windowTitle(), "star.gr");
  EXPECT_TRUE(window.statustext().startsWith("1024 × 1024 Pixel · 1 Bit · Format 130 (g_FormatLZWRLEPackedBit)"))
      << window.statustext().toStdString();
  vx::qt::PictureView& view = *window.view();
  // Larger than the (offscreen, 800 x 600) screen, the picture opens whole.
  EXPECT_TRUE(view.fitting());
  window.resize(420, 330);
  window.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
  const QImage picture = asimage(capture);

  // 1:1 and scrolled: every pixel in the viewport is the picture's pixel under it.
  press(window, Qt::Key_G);
  ASSERT_EQ(view.zoom(), 1);
  ASSERT_FALSE(view.fitting());
  view.horizontalScrollBar()->setValue(300);
  view.verticalScrollBar()->setValue(450);
  ASSERT_EQ(view.pictureat({0, 0}), QPointF(300, 450));
  const QImage actual = view.viewport()->grab().toImage();
  for (int y = 0; y < actual.height(); ++y)
    for (int x = 0; x < actual.width(); ++x)
      ASSERT_EQ(actual.pixel(x, y), picture.pixel(300 + x, 450 + y)) << x << "," << y;

  // Back to fitted: the whole picture inside the viewport (the averaging is the picture view's own test).
  press(window, Qt::Key_E);
  ASSERT_TRUE(view.fitting());
  const QSize port = view.viewport()->size();
  EXPECT_DOUBLE_EQ(view.zoom(), std::min(port.width() / 1024.0, port.height() / 1024.0));
  EXPECT_TRUE(view.viewport()->rect().contains(view.placement().toAlignedRect()));
}

TEST_F(ViewerTest, AFileThatCannotBeReadIsNamedWithItsReasonAndOpensNoWindow) {
  const Bytes grey = saved(noise(8, 40, 40, 1));
  Bytes identifier = grey;
  identifier[4] = 'n';
  Bytes longer = grey;
  longer.resize(longer.size() + 100'000, 0);  // past what 40 x 40 grey pixels can take
  std::filesystem::create_directories(folder_.path() / "folder.gr");
  // One sound run of 65535 x 65535 pixels at 32 bits: refused from its
  // header, before anything of its 16 GiB is allocated.
  const Bytes huge{16, 'v', 'x', 'g', 'r', 25, 0xFF, 0xFE, 0x00, 0x01, 0xFF, 0xFF, 0xFF, 0xFF, 0x11, 0,
                   0, 0, 0, 0, 241, 0xFF, 0xFE, 0x00, 0x01, 1, 2, 3, 4};
  // The reader's own words for a file it refuses (each kind of refusal is the
  // reader's own test).
  const auto reader = [](const Bytes& b) { return QString::fromStdString(readgraphicrows(b).Message); };
  const struct { QString path, reason; } cases[] = {
      {file("identifier.gr", identifier), reader(identifier)},
      {file("longer.gr", longer), QStringLiteral("Die Datei ist mit %1 Bytes länger").arg(longer.size())},
      {path("missing.gr"), "Die Datei gibt es nicht."},
      {path("folder.gr"), "Das ist keine gewöhnliche Datei."},
      {file("huge.gr", huge), reader(huge)},
  };
  for (const auto& c : cases) {
    int opened = -1;
    const auto [text, reason] = openreporting(viewer_, {c.path}, opened);
    const QString name = QFileInfo(c.path).fileName();
    EXPECT_EQ(opened, 0) << name.toStdString();
    EXPECT_EQ(text, "Die Datei „" + name + "“ kann nicht geöffnet werden.");
    EXPECT_FALSE(c.reason.isEmpty());
    EXPECT_TRUE(reason.startsWith(c.reason)) << reason.toStdString();
    EXPECT_TRUE(viewer_.windows().empty());
  }
  // Among good files, the bad ones are listed; the good ones open.
  int opened = 0;
  const auto [text, reason] = openreporting(
      viewer_, {cases[0].path, file("grey.gr", grey), cases[4].path, file("star.gr", saved(star(64)))}, opened);
  QStringList titles;
  for (const auto& window : viewer_.windows()) titles << window->windowTitle();
  EXPECT_EQ(std::tuple(opened, titles), std::tuple(2, QStringList{"grey.gr", "star.gr"}));
  EXPECT_EQ(text, "2 Dateien können nicht geöffnet werden.");
  EXPECT_EQ(reason, "„identifier.gr“: Identifier \"vxgn\" instead of \"vxgr\".\n\n"
                    "„huge.gr“: Picture of 65535 x 65535 pixels in format 25 takes 17179344900 bytes, more than "
                    "the 16777216 bytes (16 MiB) the toolkit holds.");
}

// The PNG's forms per depth are vxtool's test (both write through the same
// picture files); here the viewer's own path from the opened rows to the file.
TEST_F(ViewerTest, ExportWritesAPngOfThePicturesPixels) {
  for (const int64_t depth : {1, 32}) {
    const t_Graphic capture = depth == 1 ? star(96) : noise(depth, 40, 32, uint32_t(depth));
    const std::string name = "depth" + std::to_string(depth);
    ASSERT_EQ(viewer_.openfiles({file(name + ".gr", saved(capture))}), 1);
    ASSERT_TRUE(viewer_.windows().back()->exportpng(path(name + ".png")));
    EXPECT_TRUE(QImage(path(name + ".png")).convertToFormat(QImage::Format_ARGB32) == asimage(capture)) << depth;
  }
}
