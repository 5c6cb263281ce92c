#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>

#include "support/test_support.h"

using namespace vx;

namespace {

class GraphicExport : public ::testing::Test {
 protected:
  void SetUp() override {
    host_ = &useHeadlessHost();
    host_->setbundlepath("/Programme/Velmorandine.app");
    t_InitMemory();
  }

  // A graphic window of the given depth, brought to the front. (The font is
  // made once: GCC 12 at -O3 took the font's type code, copied in place into
  // a temporary, for uninitialised.)
  void openwindow(int64_t depth, int64_t width, int64_t height) {
    static const t_Font nofont;
    t_InitWindow(1, depth, false, width, height, 5, 5, nofont, true);
    t_WindowFront(1);
    log_.take();
  }

  // Saves through the menu's procedure with a scripted panel answer and
  // answers the file's bytes.
  std::vector<uint8_t> save(const std::string& name) {
    host_->scriptsavepanel("file://" + folder_.file(name));
    g_SaveGraphic();
    return folder_.read(name);
  }

  HeadlessHost* host_ = nullptr;
  vxtest::TempFolder folder_{"export"};
  vxtest::LogCapture log_;
};

}  // namespace

TEST_F(GraphicExport, FormatsFollowTheWindowsDepthAndItsAlphas) {
  for (const auto& [depth, format] : {std::pair{1, 130}, {4, 131}, {8, 122}, {16, 134}, {24, 123}, {32, 135}}) {
    openwindow(depth, 64, 32);
    EXPECT_EQ(g_CompressLZW(g_CompressRLE(g_Pack(g_GetScreen(1)))).Format, format) << "depth " << depth;
  }
  // Every pixel opaque: the common alpha is found, packed, then coded in runs.
  openwindow(32, 64, 32);
  g_ClearScreen(1, 15, -1);
  t_Graphic argb = g_GetScreen(1);
  log_.take();
  g_CompressRLE(g_Pack(argb));
  const std::string log = log_.take();
  const size_t rle = log.find("g_CompressRLE: Transparency = FF\n"),
               done = log.find("g_CompressRLE: g_FormatPackedARGBColor --> g_FormatRLEPackedARGBColor\n");
  EXPECT_EQ(log.rfind("g_Pack: Transparency = FF\n", 0), 0u) << log;
  EXPECT_TRUE(rle < done && done != std::string::npos) << log;
  argb.Data[4] = 0x80;  // a second alpha: nothing to pack
  EXPECT_EQ(g_CompressLZW(g_CompressRLE(g_Pack(argb))).Format, 125);
  const t_Graphic agrey{.Format = g_FormatAGrey, .Size = 3, .Width = 3, .Height = 1, .Data = {255, 10, 255, 20, 254, 30}};
  EXPECT_EQ(g_CompressLZW(g_CompressRLE(g_Pack(agrey))).Format, 124);
}

// The common alpha byte goes in front; data too short to encode stays as it
// was after that byte; an empty picture keeps no data.
TEST_F(GraphicExport, PackedAlphaKeepsTheCommonByteInFront) {
  const t_Graphic argb{.Format = g_FormatARGBColor, .Size = 2, .Width = 2, .Height = 1,
                       .Data = {7, 1, 2, 3, 7, 4, 5, 6}};
  const t_Graphic packed = g_Pack(argb), rle = g_CompressRLE(packed);
  EXPECT_EQ(std::tie(packed.Format, packed.Data), std::make_tuple(15, std::vector<uint8_t>{7, 1, 2, 3, 4, 5, 6}));
  EXPECT_EQ(std::tie(rle.Format, rle.Data), std::make_tuple(int64_t{35}, packed.Data));
  const t_Graphic empty{.Format = g_FormatAGrey, .Size = 0, .Width = 2, .Height = 1, .Data = {}};
  EXPECT_EQ(g_Pack(empty).Format, 0);
  const t_Graphic saved = g_CompressLZW(g_CompressRLE(g_Pack(empty)));
  EXPECT_EQ(std::tuple(saved.Format, saved.Data.empty()), std::tuple(120, true));
}

// The busy sign shows while the picture is encoded and written, never over
// the panel; a cancelled panel writes nothing.
// The panel proposes the window's title (after the bundle, or without its
// extension) with the graphic extension; a cancelled panel writes nothing.
TEST_F(GraphicExport, ProposedNamesDropTheTitlesExtensionAndTheBusySignSkipsThePanel) {
  openwindow(8, 32, 32);
  host_->scriptsavepanel(std::nullopt);
  g_SaveGraphic();
  const SavePanelRequest untitled = *host_->lastsaverequest();
  EXPECT_EQ(std::tie(untitled.proposedName, untitled.title), std::tie("Velmorandine-Grafik.gr", "Grafik sichern unter"));
  t_WindowTitle(1, "Bild.alt");
  g_SaveGraphic();
  EXPECT_EQ(host_->lastsaverequest()->proposedName, "Bild.gr");
  EXPECT_EQ(folder_.entries(), 0u);
  EXPECT_EQ(std::tuple(host_->busyshown(), host_->busyatlastpanel(), host_->busy()), std::tuple(2, false, false));
  // Saved, the file reads back as the window's picture.
  const GraphicReading read = readgraphicfile(save("bild.gr"));
  EXPECT_EQ(read.Graphic, g_GetScreen(1)) << read.Message;
  EXPECT_EQ(std::tuple(host_->busyshown(), host_->busyatlastpanel(), host_->busy()), std::tuple(4, false, false));
}

TEST_F(GraphicExport, AFrontWindowThatIsNoGraphicSavesAnEmptyGraphic) {
  t_WindowFront(SystemConsoleWindowNumber);
  log_.take();
  const std::vector<uint8_t> file = save("leer.gr");
  ASSERT_EQ(file.size(), 16u);
  EXPECT_EQ(file[5], 130);
  EXPECT_EQ(std::vector<uint8_t>(file.begin() + 6, file.begin() + 10), std::vector<uint8_t>(4, 0));
}

// A write that fails is told to the user with its reason in German (the
// diagnostic line stays as it was); the file that was there stays intact.
TEST_F(GraphicExport, AFailedSaveTellsTheUserWhyAndKeepsWhatWasThere) {
  openwindow(1, 64, 64);
  const std::string folderpath = folder_.file("ordner.gr");
  std::filesystem::create_directory(folderpath);
  const std::string missing = folder_.file("fehlt/stern.gr");
  host_->scriptsavepanel("file://" + missing);
  g_SaveGraphic();
  host_->scriptsavepanel("file://" + folderpath);
  g_SaveGraphic();
  ASSERT_EQ(host_->problems().size(), 2u);
  const UserProblem first = host_->problems()[0], second = host_->problems()[1];
  EXPECT_EQ(std::tie(first.title, first.text, first.details),
            std::make_tuple("Grafik sichern",
                            "Die Grafik konnte nicht gesichert werden: Den Ordner für „" + missing + "“ gibt es nicht.",
                            "Fehler Nr. 2: No such file or directory"));
  EXPECT_EQ(second.text, "Die Grafik konnte nicht gesichert werden: „" + folderpath + "“ ist ein Ordner.");
  EXPECT_EQ(vxtest::occurrences(log_.take(), "setbinarytofile: Error #"), 2u);
  EXPECT_TRUE(std::filesystem::is_directory(folderpath));
  save("gut.GR");
  EXPECT_EQ(host_->problems().size(), 2u);  // a save that works says nothing

  // A name that promises another format gets no ".gr" bytes, and says why.
  const std::string png = folder_.file("bild.png");
  host_->scriptsavepanel("file://" + png);
  g_SaveGraphic();
  ASSERT_EQ(host_->problems().size(), 3u);
  EXPECT_EQ(host_->problems()[2].text.rfind("Die Grafik wurde nicht gesichert: „bild.png“ endet nicht auf „.gr“.", 0), 0u)
      << host_->problems()[2].text;
  EXPECT_FALSE(std::filesystem::exists(png));
}

// The reasons a user meets: no right to write, a full disk, and the rest.
TEST(GraphicSaveFailure, NamesTheReasonInWordsAndKeepsTheSystemsInTheDetails) {
  const std::string lead = "Die Grafik konnte nicht gesichert werden: ";
  const std::pair<int, std::string> cases[] = {
      {EACCES, "Keine Schreibberechtigung für „/a/b.gr“."},
      {EPERM, "Keine Schreibberechtigung für „/a/b.gr“."},
      {EROFS, "Der Datenträger von „/a/b.gr“ ist schreibgeschützt."},
      {ENOSPC, "Auf dem Datenträger ist nicht genug Platz für „/a/b.gr“."},
      {EDQUOT, "Auf dem Datenträger ist nicht genug Platz für „/a/b.gr“."},
      {ENAMETOOLONG, "Der Name „/a/b.gr“ ist zu lang."},
      {EMFILE, "Fehler beim Schreiben von „/a/b.gr“."},
  };
  for (const auto& [error, reason] : cases) {
    const UserProblem problem = graphicsavefailure(error, "/a/b.gr");
    EXPECT_EQ(problem.text, lead + reason) << error;
    EXPECT_EQ(problem.details.rfind("Fehler Nr. " + std::to_string(error) + ": ", 0), 0u) << problem.details;
  }
}
