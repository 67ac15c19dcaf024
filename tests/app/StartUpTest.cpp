// The start-up: splash, hand-over, the main window's load, and the about window's round trip.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "support/FixtureLexicon.h"
#include "WindowSession.h"
#include "headless/Session.h"
#include "text/Utf8Text.h"
#include "window/MainWindowTexts.h"
#include "window/SplashTexts.h"

namespace ragozo::testing {
namespace {

using window::MousePointer;
using window::Picture;
using window::SplashTimer;
using window::WindowName;

TEST(Splash, OpensCentredTopmostWithTheHourglassAndAnimatesThreeFrames) {
  headless::Session session(storeFixtureLexicon);
  session.program.start();
  window::Splash& splash = *session.program.splash();
  EXPECT_TRUE(session.desktop.shown(WindowName::splash));
  EXPECT_TRUE(session.desktop.topmost(WindowName::splash));
  EXPECT_EQ(session.desktop.pointer(WindowName::splash), MousePointer::hourglass);
  const window::WindowGeometry& place = splash.geometry();
  EXPECT_EQ(place.left + place.width / 2, headless::HeadlessDesktop::kScreen.width / 2);  // centred
  EXPECT_EQ(place.top + place.height / 2, headless::HeadlessDesktop::kScreen.height / 2);
  EXPECT_FALSE(splash.okVisible());
  EXPECT_TRUE(session.desktop.timerEnabled(SplashTimer::handOver));
  EXPECT_TRUE(session.desktop.timerEnabled(SplashTimer::animation));
  EXPECT_EQ(session.program.mainWindow(), nullptr);

  EXPECT_EQ(splash.frame(), Picture::firstFrame);
  const Picture cycle[] = {Picture::secondFrame, Picture::thirdFrame, Picture::firstFrame, Picture::secondFrame};
  for (Picture expected : cycle) {
    splash.nextFrame();
    EXPECT_EQ(splash.frame(), expected);
  }
}

TEST(Splash, HandOverLoadsTheMainWindowMarksTheSplashDoneAndUnloadsIt) {
  headless::Session session(storeFixtureLexicon);
  session.program.start();
  EXPECT_FALSE(session.program.splashDone());
  session.program.splash()->handOver();
  ASSERT_NE(session.program.mainWindow(), nullptr);
  EXPECT_EQ(session.program.splash(), nullptr);
  EXPECT_TRUE(session.program.splashDone());
  EXPECT_TRUE(session.desktop.shown(WindowName::main));
  EXPECT_TRUE(session.desktop.topmost(WindowName::main));
  EXPECT_FALSE(session.desktop.shown(WindowName::splash));
  EXPECT_FALSE(session.desktop.timerEnabled(SplashTimer::handOver));
}

TEST(MainWindowLoad, LeavesTheStartUpState) {
  WindowSession session;
  window::MainWindow& w = session.w();
  const window::WindowState& s = session.s();
  // The short view opens where the tall one, with the derived forms, stands centred.
  const window::WindowGeometry shortView = w.geometry();
  EXPECT_EQ(shortView.left + shortView.width / 2, headless::HeadlessDesktop::kScreen.width / 2);
  w.toggleDerivedForms();
  const window::WindowGeometry tallView = w.geometry();
  EXPECT_GT(tallView.height, shortView.height);
  EXPECT_EQ(tallView.top, shortView.top);
  EXPECT_EQ(tallView.top + tallView.height / 2, headless::HeadlessDesktop::kScreen.height / 2);
  w.toggleDerivedForms();
  // Topmost, and "&OnTop" checked to say so.
  EXPECT_TRUE(session.desktop.topmost(WindowName::main));
  EXPECT_TRUE(w.onTopChecked());
  EXPECT_TRUE(w.entryFocused());
  EXPECT_EQ(w.selectedMood(), presentIndicative);
  EXPECT_EQ(s.mood, presentIndicative);
  EXPECT_FALSE(s.entry.toggles.pressed.imperativeAnyway);
  EXPECT_TRUE(s.entry.inputFresh);
  EXPECT_EQ(s.entry.shown.noticeLine, "Írja be a ragozandó ige szótári alakját a szövegmezőbe! ");
  EXPECT_TRUE(session.formCellsEmpty());
  const char* personHeadings[] = {"Személy", "1", "2", "3", "1   1", "2   2", "3   3", "1 ---> 2"};
  for (int row = 0; row < 8; ++row) EXPECT_EQ(s.entry.shown.table.cell(row, 0), personHeadings[row]) << "row " << row;
  EXPECT_EQ(s.entry.shown.table.cell(0, 1), "Alanyi ragozás");
  EXPECT_EQ(s.entry.shown.table.cell(0, 2), "Tárgyas ragozás");
  EXPECT_EQ(s.entry.text, "");
  // The conjugation of the empty entry during the load offers no toggle: no verb calls for one.
  EXPECT_FALSE(w.objectiveToggle().visible);
  EXPECT_EQ(w.objectiveToggle().caption, "&Tárgyas ragozás is");
  EXPECT_FALSE(w.allPersonsToggle().visible);
  EXPECT_EQ(w.allPersonsToggle().caption, "Mi&nden személy");
  EXPECT_FALSE(w.imperativeToggle().visible);
  EXPECT_FALSE(w.imperativeFormsToggleVisible());
  EXPECT_EQ(w.imperativeFormsToggleCaption(), "2:   &Rövid alakok");
  EXPECT_EQ(w.derivedFormsToggleCaption(), "&Képzett alakok is");
  EXPECT_TRUE(session.dialogs.transcript().empty());
}

TEST(MainWindowLoad, FillsTheLexiconOnceSoThatTheFirstVerbTypedIsFound) {
  int fills = 0;
  headless::Session session([&](Lexicon& lexicon) {
    ++fills;
    storeFixtureLexicon(lexicon);
  });
  session.start();
  session.dialogs.clear();
  EXPECT_EQ(fills, 1);
  session.conjugate("vár");
  EXPECT_EQ(session.main().state().entry.shown.table.cell(1, 1), "  várok");
  EXPECT_EQ(session.main().state().entry.shown.noticeLine, "");  // found, so nothing is presumed
  EXPECT_TRUE(session.dialogs.transcript().empty());
}

TEST(MainWindowLoad, TheFirstKeyAfterStartUpResetsNothing) {
  WindowSession session;
  session.type("v");
  EXPECT_EQ(session.w().allPersonsToggle().caption, "Mi&nden személy");  // the design's, until a reset
  EXPECT_EQ(session.s().entry.text, "v");
}

TEST(AboutWindow, RoundTripReloadsTheMainWindowFromScratch) {
  int fills = 0;
  headless::Session session([&](Lexicon& lexicon) {
    ++fills;
    storeFixtureLexicon(lexicon);
  });
  session.start();
  session.conjugate("vár");
  session.main().toggleOnTop();
  session.desktop.clearCalls();

  session.main().showAbout();
  ASSERT_NE(session.program.splash(), nullptr);
  EXPECT_EQ(session.program.mainWindow(), nullptr);
  window::Splash& about = *session.program.splash();
  EXPECT_TRUE(about.okVisible());
  EXPECT_EQ(session.desktop.pointer(WindowName::splash), MousePointer::normal);
  EXPECT_FALSE(session.desktop.timerEnabled(SplashTimer::handOver));
  EXPECT_TRUE(session.desktop.timerEnabled(SplashTimer::animation));
  about.nextFrame();
  EXPECT_EQ(about.frame(), Picture::secondFrame);

  about.openInformation();
  ASSERT_EQ(session.dialogs.transcript().size(), 1u);
  EXPECT_EQ(session.dialogs.transcript()[0].rfind("information [Igeragozó", 0), 0u);

  about.returnToMain();
  ASSERT_NE(session.program.mainWindow(), nullptr);
  EXPECT_EQ(session.program.splash(), nullptr);
  EXPECT_EQ(fills, 2);
  window::MainWindow& again = session.main();
  EXPECT_TRUE(again.onTopChecked());  // topmost again, and checked to say so
  EXPECT_EQ(again.state().entry.text, "");
  EXPECT_EQ(again.selectedMood(), presentIndicative);
  EXPECT_EQ(again.state().entry.shown.noticeLine, "Írja be a ragozandó ige szótári alakját a szövegmezőbe! ");
  EXPECT_TRUE(session.desktop.topmost(WindowName::main));
}

// The about window's close box does what "&OK" does; the splash's, before any window is there,
// ends the program.
TEST(AboutWindow, TheCloseBoxBringsTheMainWindowBackButTheSplashsEndsTheProgram) {
  WindowSession session;
  session.conjugate("vár");
  session.w().showAbout();
  session.program.splash()->closeFromTitleBar();
  ASSERT_NE(session.program.mainWindow(), nullptr);
  EXPECT_EQ(session.program.splash(), nullptr);
  EXPECT_TRUE(session.desktop.shown(WindowName::main));
  EXPECT_EQ(session.w().state().entry.text, "");
  EXPECT_EQ(session.w().state().entry.shown.noticeLine, "Írja be a ragozandó ige szótári alakját a szövegmezőbe! ");
  EXPECT_FALSE(session.desktop.ended());

  headless::Session starting(storeFixtureLexicon);
  starting.program.start();
  starting.program.splash()->closeFromTitleBar();
  EXPECT_EQ(starting.program.splash(), nullptr);
  EXPECT_EQ(starting.program.mainWindow(), nullptr);
  EXPECT_TRUE(starting.desktop.ended());
}

// A message box wraps a line wider than it shows on a common screen (about 56 characters of its
// font) where it likes; the information message is broken into lines of its own that fit, and
// ends with the indented contact lines.
TEST(AboutWindow, TheInformationMessageShowsTheLinesItWasWrittenIn) {
  constexpr std::size_t kUnwrappedWidth = 56;
  WindowSession session;
  session.w().showAbout();
  session.program.splash()->openInformation();  // a click on the information picture
  ASSERT_EQ(session.dialogs.transcript().size(), 1u);
  const std::string& box = session.dialogs.transcript()[0];
  const std::string title = std::string("information [") + window::texts::kInformationTitle + "]: ";
  ASSERT_TRUE(box.starts_with(title)) << box;
  const std::string text = box.substr(title.size());
  std::vector<std::string> lines;
  for (std::size_t start = 0; start <= text.size();) {
    const std::size_t end = std::min(text.find("\r\n", start), text.size());
    lines.push_back(text.substr(start, end - start));
    start = end + 2;
  }
  for (const std::string& line : lines) {
    EXPECT_LE(charCount(line), kUnwrappedWidth) << "a line the message box would wrap: " << line;
    EXPECT_EQ(line.find('\n'), std::string::npos) << "a line break without its carriage return: " << line;
  }
  // The four contact lines, each indented by six blanks as written.
  constexpr std::size_t kContactIndent = 6;
  ASSERT_GE(lines.size(), 5u);
  for (std::size_t i = lines.size() - 4; i < lines.size(); ++i) {
    EXPECT_EQ(lines[i].find_first_not_of(' '), kContactIndent)
        << "a contact line not indented by " << kContactIndent << " blanks: \"" << lines[i] << "\"";
  }
}

}  // namespace
}  // namespace ragozo::testing
