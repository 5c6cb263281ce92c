#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "codecs/file_panels.h"
#include "support/test_support.h"

using namespace vx;

TEST(FilePanels, OpenPanelAsksAsToldAndAnswersAPlainPath) {
  HeadlessHost& h = useHeadlessHost();
  // "é" as e + combining acute, escaped: the path holds the precomposed letter.
  h.scriptopenpanel({"file:///Users/Grafik%20alt/Fe%CC%81e.gr", "file:///second.gr"});
  EXPECT_EQ(t_OpenPanel("Titel", "Nachricht", "gr,font", true, false),
            "/Users/Grafik alt/F\u00E9e.gr");
  const OpenPanelRequest r = *h.lastopenrequest();
  EXPECT_EQ(std::tie(r.title, r.message, r.fileTypes, r.canChooseFiles, r.canChooseDirectories, r.buttonTitle),
            std::make_tuple("Titel", "Nachricht", std::vector<std::string>{"gr", "font"}, true, false, "Öffnen"));

  h.scriptopenpanel({});
  EXPECT_EQ(t_OpenPanel("", "", "", false, true), "");
  EXPECT_EQ(std::tuple(h.lastopenrequest()->fileTypes.empty(), h.lastopenrequest()->buttonTitle), std::tuple(true, "Wählen"));
  EXPECT_EQ(t_OpenPanel("", "", "", true, false), "");  // nothing scripted: cancel
}

TEST(FilePanels, SavePanelProposesTheNameAndAnswersAPlainPath) {
  HeadlessHost& h = useHeadlessHost();
  h.scriptsavepanel("file:///tmp/Stern%2040%25.gr");
  EXPECT_EQ(t_SavePanel("Bild.gr", "Grafik sichern unter", "Nachricht", "gr"),
            "/tmp/Stern 40%.gr");
  const SavePanelRequest r = *h.lastsaverequest();
  EXPECT_EQ(std::tie(r.proposedName, r.title, r.message, r.fileTypes, r.buttonTitle, r.nameFieldLabel),
            std::make_tuple("Bild.gr", "Grafik sichern unter", "Nachricht", std::vector<std::string>{"gr"},
                            "Sichern", "Sichern unter:"));
  h.scriptsavepanel(std::nullopt);
  EXPECT_EQ(t_SavePanel("Bild.gr", "", "", "gr"), "");
}

TEST(FilePanels, UrlsBecomePathsEvenWhenOddlyEscaped) {
  useHeadlessHost();
  for (const auto& [url, path] : {std::pair{"file:///a%2Fb", "/a/b"}, {"/plain/path", "/plain/path"},
                                  {"file:///100%", "/100%"}, {"file:///%zz%4", "/%zz%4"}})
    EXPECT_EQ(fileurltopath(url), path);
}

TEST(FilePanels, AnotherThreadWaitsForThePanelOnTheMainThread) {
  HeadlessHost& h = useHeadlessHost();
  h.scriptsavepanel("file:///tmp/aus%20Faden.gr");
  std::string answer;
  std::atomic<bool> finished{false};
  std::thread caller([&] {
    answer = t_SavePanel("Bild.gr", "Grafik sichern unter", "", "gr");
    finished = true;
  });
  EXPECT_TRUE(vxtest::pumpuntil([&] { return finished.load(); }));
  caller.join();
  EXPECT_EQ(answer, "/tmp/aus Faden.gr");
}

TEST(FilePanels, AWaitingThreadIsReleasedWhenTheHostQuits) {
  HeadlessHost& h = useHeadlessHost();
  h.scriptopenpanel({"file:///never.gr"});
  std::string answer = "unset";
  std::thread caller([&] { answer = t_OpenPanel("", "", "", true, false); });
  h.shutdown();  // the main thread never runs the panel
  caller.join();
  EXPECT_EQ(answer, "");
}
