// The real Qt window, offscreen: start-up through the splash, a verb typed and conjugated, cells read back.
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QInputMethodEvent>
#include <QLabel>
#include <QKeyEvent>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>
#include <memory>

#include "support/FixtureLexicon.h"
#include "headless/ScriptedDialogs.h"
#include "qt/QtDesktop.h"
#include "qt/QtServices.h"
#include "qt/QtTranslation.h"
#include "qt/SplashView.h"
#include "window/Program.h"

namespace ragozo::testing {
namespace {

// How long a wait for the window system may last before it counts as hung. Each wait ends as soon as
// what it waits for holds, so a busy machine only makes it longer, never failed.
constexpr int kPatienceMs = 60'000;

// Types text into a widget key by key; accented letters included, which QTest's key clicks do not take.
void typeInto(QWidget* widget, const QString& text) {
  for (const QChar character : text) {
    QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(character));
    QApplication::sendEvent(widget, &press);
    QKeyEvent release(QEvent::KeyRelease, 0, Qt::NoModifier, QString(character));
    QApplication::sendEvent(widget, &release);
  }
}

class QtWindow : public ::testing::Test {
 protected:
  QtWindow() : program(desktop, dialogs, clipboard, storeFixtureLexicon) {}

  // Starts the program and waits for the splash's own timer to hand over.
  view::MainWindowView& startAndWaitForMainWindow() {
    desktop.dispatch([this] { program.start(); });
    EXPECT_NE(desktop.splashView(), nullptr);
    EXPECT_TRUE(QTest::qWaitFor([this] { return desktop.mainView() != nullptr; }, kPatienceMs));
    return *desktop.mainView();
  }

  // The same, and the main window active, as it must be for its Enter to reach the default button.
  view::MainWindowView& startAndWaitForActiveMainWindow() {
    view::MainWindowView& view = startAndWaitForMainWindow();
    view.activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(&view, kPatienceMs));
    return view;
  }

  view::QtDesktop desktop;
  headless::ScriptedDialogs dialogs;
  view::QtClipboard clipboard;
  window::Program program;
};

TEST_F(QtWindow, ConjugatesATypedVerbThroughTheWidgets) {
  view::MainWindowView& view = startAndWaitForMainWindow();
  EXPECT_TRUE(QTest::qWaitFor([this] { return desktop.splashView() == nullptr; }, kPatienceMs));
  EXPECT_TRUE(view.isVisible());
  EXPECT_TRUE(view.moodButton(presentIndicative)->isChecked());
  EXPECT_EQ(view.noticeLine()->text(), QStringLiteral("Írja be a ragozandó ige szótári alakját a szövegmezőbe! "));
  EXPECT_EQ(view.table()->item(0, 1)->text(), QStringLiteral("Alanyi ragozás"));

  typeInto(view.entry(), QStringLiteral("vár"));
  EXPECT_EQ(view.entry()->text(), QStringLiteral("vár"));
  QTest::mouseClick(view.conjugateButton(), Qt::LeftButton);
  EXPECT_EQ(view.table()->item(1, 1)->text(), QStringLiteral("  várok"));
  EXPECT_EQ(view.table()->item(3, 1)->text(), QStringLiteral("  vár"));
  EXPECT_EQ(view.table()->item(5, 2)->text(), QStringLiteral("  várjátok"));
  EXPECT_EQ(view.table()->item(7, 2)->text(), QStringLiteral("  várlak"));
  // Every cell centred, and none shown selected before one is clicked.
  for (int row = 0; row < view.table()->rowCount(); ++row) {
    for (int column = 0; column < view.table()->columnCount(); ++column) {
      EXPECT_EQ(view.table()->item(row, column)->textAlignment(), Qt::AlignCenter) << row << "," << column;
    }
  }
  EXPECT_TRUE(view.table()->selectedItems().isEmpty());
  EXPECT_EQ(view.derivedBox(infinitiveBox)->text(), QStringLiteral("várni"));
  EXPECT_FALSE(view.derivedBox(infinitiveBox)->isVisible());  // the short view

  // Topmost from the start, and checked to say so.
  EXPECT_TRUE(view.onTopItem()->isChecked());
  EXPECT_TRUE(view.windowFlags() & Qt::WindowStaysOnTopHint);
  view.onTopItem()->trigger();
  EXPECT_FALSE(view.onTopItem()->isChecked());
  EXPECT_FALSE(view.windowFlags() & Qt::WindowStaysOnTopHint);
  view.onTopItem()->trigger();
  EXPECT_TRUE(view.onTopItem()->isChecked());
  EXPECT_TRUE(view.windowFlags() & Qt::WindowStaysOnTopHint);

  // The past through its button, then a cell copied by a click.
  QTest::mouseClick(view.moodButton(pastIndicative), Qt::LeftButton);
  EXPECT_EQ(view.table()->item(1, 1)->text(), QStringLiteral("  vártam"));
  const QRect cell = view.table()->visualItemRect(view.table()->item(3, 2));
  QTest::mouseClick(view.table()->viewport(), Qt::LeftButton, {}, cell.center());
  EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("  várta"));
  EXPECT_EQ(view.table()->selectedItems(), QList<QTableWidgetItem*>{view.table()->item(3, 2)});

  // Enter runs the default button from the entry.
  view.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&view, kPatienceMs));
  typeInto(view.entry(), QStringLiteral("kér"));
  QTest::keyClick(view.entry(), Qt::Key_Return);
  EXPECT_EQ(view.table()->item(1, 1)->text(), QStringLiteral("  kértem"));
  EXPECT_TRUE(view.table()->selectedItems().isEmpty()) << "a new table keeps the cell copied before";

  // A press on one cell and a release on another copies nothing, and selects nothing.
  QTest::mousePress(view.table()->viewport(), Qt::LeftButton, {},
                    view.table()->visualItemRect(view.table()->item(1, 1)).center());
  QTest::mouseRelease(view.table()->viewport(), Qt::LeftButton, {},
                      view.table()->visualItemRect(view.table()->item(2, 1)).center());
  EXPECT_TRUE(view.table()->selectedItems().isEmpty());

  // The first key after a result starts a new entry.
  typeInto(view.entry(), QStringLiteral("k"));
  EXPECT_EQ(view.entry()->text(), QStringLiteral("k"));
  EXPECT_TRUE(view.table()->item(1, 1)->text().isEmpty());
  EXPECT_TRUE(dialogs.transcript().empty());
}

// A window of fixed size offers no maximise button.
TEST_F(QtWindow, TheMainWindowOffersNoMaximiseButton) {
  const Qt::WindowFlags flags = startAndWaitForMainWindow().windowFlags();
  EXPECT_TRUE(flags & Qt::CustomizeWindowHint) << "without it the window manager puts its own buttons, maximise among them";
  EXPECT_FALSE(flags & Qt::WindowMaximizeButtonHint);
  EXPECT_TRUE(flags & Qt::WindowMinimizeButtonHint);
  EXPECT_TRUE(flags & Qt::WindowCloseButtonHint);
  EXPECT_TRUE(flags & Qt::WindowTitleHint);
}

// The shortcuts of the entry's menu do there what the menu says, and keep the result shown.
TEST_F(QtWindow, AShortcutThatLeavesTheTextAsItIsKeepsTheResult) {
  view::MainWindowView& view = startAndWaitForActiveMainWindow();
  typeInto(view.entry(), QStringLiteral("ad"));
  QTest::keyClick(view.entry(), Qt::Key_Return);
  ASSERT_EQ(view.table()->item(1, 1)->text(), QStringLiteral("  adok"));
  const auto expectResultKept = [&](const char* what) {
    EXPECT_EQ(view.entry()->text(), QStringLiteral("ad")) << what;
    EXPECT_EQ(view.table()->item(1, 1)->text(), QStringLiteral("  adok")) << what;
    EXPECT_EQ(view.noticeLine()->text(), program.mainWindow()->state().entry.shown.noticeLine.c_str()) << what;
    EXPECT_EQ(program.mainWindow()->state().entry.text, "ad") << what;
  };

  QApplication::clipboard()->setText(QStringLiteral("régi"));
  QTest::keyClick(view.entry(), Qt::Key_A, Qt::ControlModifier);
  expectResultKept("Ctrl+A");
  EXPECT_EQ(view.entry()->selectedText(), QStringLiteral("ad"));
  QTest::keyClick(view.entry(), Qt::Key_C, Qt::ControlModifier);
  expectResultKept("Ctrl+C");
  EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("ad"));

  QApplication::clipboard()->setText(QStringLiteral("régi"));
  QTest::keyClick(view.entry(), Qt::Key_End);
  QTest::keyClick(view.entry(), Qt::Key_Home, Qt::ShiftModifier);
  QTest::keyClick(view.entry(), Qt::Key_Insert, Qt::ControlModifier);
  expectResultKept("Shift+Home, Ctrl+Insert");
  EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("ad"));
}

// A paste or a cut after a result starts a new entry, as a typed key does.
TEST_F(QtWindow, APasteOrACutAfterAResultStartsANewEntry) {
  view::MainWindowView& view = startAndWaitForActiveMainWindow();
  typeInto(view.entry(), QStringLiteral("ad"));
  QTest::keyClick(view.entry(), Qt::Key_Return);
  ASSERT_EQ(view.table()->item(1, 1)->text(), QStringLiteral("  adok"));

  // Ctrl+V and Shift+Insert; with nothing to paste, nothing comes in and the result stays.
  QApplication::clipboard()->setText(QStringLiteral("kér"));
  QTest::keyClick(view.entry(), Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(view.entry()->text(), QStringLiteral("kér"));
  EXPECT_TRUE(view.table()->item(1, 1)->text().isEmpty());
  QTest::keyClick(view.entry(), Qt::Key_Return);
  EXPECT_EQ(view.table()->item(1, 1)->text(), QStringLiteral("  kérek"));
  QApplication::clipboard()->setText(QStringLiteral("vár"));
  QTest::keyClick(view.entry(), Qt::Key_Insert, Qt::ShiftModifier);
  EXPECT_EQ(view.entry()->text(), QStringLiteral("vár"));
  QTest::keyClick(view.entry(), Qt::Key_Return);
  EXPECT_EQ(view.table()->item(1, 1)->text(), QStringLiteral("  várok"));
  QApplication::clipboard()->clear();
  QTest::keyClick(view.entry(), Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(view.entry()->text(), QStringLiteral("vár"));
  EXPECT_EQ(view.table()->item(1, 1)->text(), QStringLiteral("  várok"));

  // The context menu's paste, as Ctrl+V.
  QApplication::clipboard()->setText(QStringLiteral("kér"));
  QContextMenuEvent menuEvent(QContextMenuEvent::Mouse, QPoint(5, 5), view.entry()->mapToGlobal(QPoint(5, 5)));
  QApplication::sendEvent(view.entry(), &menuEvent);
  auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
  ASSERT_NE(menu, nullptr);
  QAction* paste = nullptr;
  for (QAction* action : menu->actions()) {
    if (action->text().endsWith(QKeySequence(QKeySequence::Paste).toString(QKeySequence::NativeText))) paste = action;
  }
  ASSERT_NE(paste, nullptr);
  paste->trigger();
  menu->close();
  EXPECT_EQ(view.entry()->text(), QStringLiteral("kér"));
  QTest::keyClick(view.entry(), Qt::Key_Return);
  EXPECT_EQ(view.table()->item(1, 1)->text(), QStringLiteral("  kérek"));

  QApplication::clipboard()->setText(QStringLiteral("régi"));
  QTest::keyClick(view.entry(), Qt::Key_A, Qt::ControlModifier);
  QTest::keyClick(view.entry(), Qt::Key_X, Qt::ControlModifier);
  EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("kér"));
  EXPECT_EQ(view.entry()->text(), QString());
  EXPECT_TRUE(view.table()->item(1, 1)->text().isEmpty());
  typeInto(view.entry(), QStringLiteral("ad"));
  QTest::keyClick(view.entry(), Qt::Key_Return);
  EXPECT_EQ(view.table()->item(1, 1)->text(), QStringLiteral("  adok"));
}

// Whatever key types a character after a result, the character is the new entry.
TEST_F(QtWindow, EveryKeyThatTypesACharacterStartsANewEntry) {
  view::MainWindowView& view = startAndWaitForActiveMainWindow();
  struct Key {
    const char* name;
    Qt::KeyboardModifiers modifiers;
    QString text;
    QString entry;  // what the entry holds after the key
  };
  const Key keys[] = {
      {"a letter", Qt::NoModifier, QStringLiteral("v"), QStringLiteral("v")},
      {"a capital", Qt::ShiftModifier, QStringLiteral("É"), QStringLiteral("É")},
      {"AltGr, reported as Ctrl+Alt", Qt::ControlModifier | Qt::AltModifier, QStringLiteral("@"), QStringLiteral("@")},
      {"a character beyond 16 bits", Qt::NoModifier, QString::fromUtf8("\U0001F600"), QString::fromUtf8("\U0001F600")},
  };
  for (const Key& key : keys) {
    SCOPED_TRACE(key.name);
    typeInto(view.entry(), QStringLiteral("ad"));
    QTest::keyClick(view.entry(), Qt::Key_Return);
    ASSERT_EQ(view.table()->item(1, 1)->text(), QStringLiteral("  adok"));
    QKeyEvent press(QEvent::KeyPress, 0, key.modifiers, key.text);
    QApplication::sendEvent(view.entry(), &press);
    EXPECT_EQ(view.entry()->text(), key.entry);
    EXPECT_TRUE(view.table()->item(1, 1)->text().isEmpty());
    QTest::keyClick(view.entry(), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(view.entry(), Qt::Key_Delete);
  }
}

TEST_F(QtWindow, ALetterFromAnInputMethodStartsANewEntryAsATypedKeyDoes) {
  view::MainWindowView& view = startAndWaitForMainWindow();
  typeInto(view.entry(), QStringLiteral("vár"));
  QTest::mouseClick(view.conjugateButton(), Qt::LeftButton);
  ASSERT_EQ(view.table()->item(1, 1)->text(), QStringLiteral("  várok"));

  // A composed accented letter arrives as committed text, not as a key press.
  QInputMethodEvent commit;
  commit.setCommitString(QStringLiteral("á"));
  QApplication::sendEvent(view.entry(), &commit);
  EXPECT_EQ(view.entry()->text(), QStringLiteral("á"));
  EXPECT_EQ(program.mainWindow()->state().entry.text, "á");
  EXPECT_TRUE(view.table()->item(1, 1)->text().isEmpty());
}

TEST_F(QtWindow, KeysTypedAfterACopyReachTheEntry) {
  view::MainWindowView& view = startAndWaitForActiveMainWindow();
  typeInto(QApplication::focusWidget(), QStringLiteral("vár"));
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
  ASSERT_EQ(view.table()->item(1, 1)->text(), QStringLiteral("  várok"));

  // A cell copied by a click, then a verb typed and Enter, wherever the keyboard went.
  const QRect cell = view.table()->visualItemRect(view.table()->item(3, 2));
  QTest::mouseClick(view.table()->viewport(), Qt::LeftButton, {}, cell.center());
  ASSERT_EQ(QApplication::clipboard()->text(), QStringLiteral("  várja"));
  typeInto(QApplication::focusWidget(), QStringLiteral("ad"));
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
  EXPECT_EQ(view.entry()->text(), QStringLiteral("ad"));
  EXPECT_EQ(view.table()->item(1, 1)->text(), QStringLiteral("  adok"));

  // The same after a derived box copied in the tall view.
  program.mainWindow()->toggleDerivedForms();
  desktop.refreshAll();
  QTest::mouseClick(view.derivedBox(infinitiveBox), Qt::LeftButton);
  ASSERT_EQ(QApplication::clipboard()->text(), QStringLiteral("adni"));
  typeInto(QApplication::focusWidget(), QStringLiteral("vár"));
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
  EXPECT_EQ(view.table()->item(1, 1)->text(), QStringLiteral("  várok"));
}

TEST_F(QtWindow, AboutItemOpensTheAboutWindowAndOkBringsTheMainWindowBack) {
  view::MainWindowView& view = startAndWaitForMainWindow();
  EXPECT_TRUE(QTest::qWaitFor([this] { return desktop.splashView() == nullptr; }, kPatienceMs));
  desktop.dispatch([this] { program.mainWindow()->showAbout(); });
  QApplication::processEvents();
  ASSERT_NE(desktop.splashView(), nullptr);
  EXPECT_EQ(desktop.mainView(), nullptr);
  view::SplashView& about = *desktop.splashView();
  EXPECT_EQ(about.windowTitle(), QStringLiteral("Igeragozó"));
  QStringList labels;
  for (const QLabel* label : about.findChildren<QLabel*>()) labels << label->text();
  for (const char* text : {"Magyar igék ragozása számítógéppel", "(Javított változat)",
                           "Ha többet szeretne tudni a programról, kattintson ide:"}) {
    EXPECT_TRUE(labels.contains(QString::fromUtf8(text))) << text;
  }
  EXPECT_EQ(about.okButton()->text(), QStringLiteral("&OK"));
  EXPECT_TRUE(about.okButton()->isVisible());
  EXPECT_FALSE(about.timerActive(window::SplashTimer::handOver));
  EXPECT_TRUE(about.timerActive(window::SplashTimer::animation));
  QTest::mouseClick(about.okButton(), Qt::LeftButton);
  ASSERT_NE(desktop.mainView(), nullptr);
  EXPECT_NE(desktop.mainView(), &view);
  EXPECT_EQ(desktop.splashView(), nullptr);
}

// The about window's close box, Escape and Return all do what "&OK" does.
TEST_F(QtWindow, TheAboutWindowsCloseBoxAndKeysBringTheMainWindowBack) {
  startAndWaitForMainWindow();
  EXPECT_TRUE(QTest::qWaitFor([this] { return desktop.splashView() == nullptr; }, kPatienceMs));
  const std::pair<const char*, std::function<void(view::SplashView&)>> ways[] = {
      {"the close box", [](view::SplashView& about) { about.close(); }},
      {"Escape", [](view::SplashView& about) { QTest::keyClick(&about, Qt::Key_Escape); }},
      {"Return", [](view::SplashView& about) { QTest::keyClick(&about, Qt::Key_Return); }},
  };
  for (const auto& [way, closeAbout] : ways) {
    SCOPED_TRACE(way);
    typeInto(desktop.mainView()->entry(), QStringLiteral("vár"));
    desktop.dispatch([this] { program.mainWindow()->showAbout(); });
    ASSERT_NE(desktop.splashView(), nullptr);
    closeAbout(*desktop.splashView());
    ASSERT_NE(desktop.mainView(), nullptr);
    EXPECT_EQ(desktop.splashView(), nullptr);
    EXPECT_TRUE(desktop.mainView()->isVisible());
    EXPECT_EQ(desktop.mainView()->noticeLine()->text(),
              QStringLiteral("Írja be a ragozandó ige szótári alakját a szövegmezőbe! "));
    EXPECT_EQ(desktop.mainView()->entry()->text(), QString());
  }
}

// The message box that `show` opens, as `inspect` finds it once it shows; `inspect` closes it.
template <typename Show>
void whileAMessageBoxShows(Show show, const std::function<void(QMessageBox&)>& inspect) {
  bool inspected = false;
  QTimer timer;
  timer.setInterval(10);
  QObject::connect(&timer, &QTimer::timeout, [&] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (box == nullptr || !box->isVisible()) return;
    timer.stop();
    inspected = true;
    inspect(*box);
  });
  timer.start();
  show();
  EXPECT_TRUE(inspected) << "no message box showed";
}

QString withoutAccessKey(QString text) { return text.remove(QLatin1Char('&')); }

// Qt's own texts speak Hungarian as the program's do: the meaning question's buttons, the entry's menu.
TEST(QtTexts, TheMeaningQuestionsButtonsAndTheEntrysMenuAreHungarian) {
  view::QtDialogs dialogs;
  bool answer = true;
  whileAMessageBoxShows([&] { answer = dialogs.askYesNo("Jelentésválasztás", "--> Igen\r\n--> Nem"); },
                        [](QMessageBox& box) {
                          EXPECT_EQ(withoutAccessKey(box.button(QMessageBox::Yes)->text()), QStringLiteral("Igen"));
                          EXPECT_EQ(withoutAccessKey(box.button(QMessageBox::No)->text()), QStringLiteral("Nem"));
                          box.button(QMessageBox::No)->click();
                        });
  EXPECT_FALSE(answer);

  view::EntryLineEdit entry;
  const std::unique_ptr<QMenu> menu(entry.createStandardContextMenu());
  QStringList captions;
  for (const QAction* action : menu->actions()) {
    if (!action->isSeparator()) captions << withoutAccessKey(action->text()).section(QLatin1Char('\t'), 0, 0);
  }
  for (const char* english : {"Undo", "Cut", "Copy", "Paste"}) {
    EXPECT_FALSE(captions.contains(QString::fromUtf8(english))) << english << " in " << captions.join(", ").toStdString();
  }
}

// The window manager writes the title across the top of a box: a short message must not cut it off.
TEST(QtTexts, AMessageBoxIsWideEnoughForItsTitle) {
  view::QtDialogs dialogs;
  whileAMessageBoxShows([&] { dialogs.showMessage("Nincs ilyen ige."); },
                        [](QMessageBox& box) {
                          EXPECT_EQ(box.windowTitle(), QStringLiteral("Igeragozó"));
                          // The title, and beside it the title bar's three buttons at about 30 pixels each.
                          EXPECT_GE(box.width(), box.fontMetrics().horizontalAdvance(box.windowTitle()) + 3 * 30);
                          box.button(QMessageBox::Ok)->click();
                        });
}

}  // namespace
}  // namespace ragozo::testing

int main(int argc, char* argv[]) {
  // No display is needed, also when the tests are listed at build time.
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  // As the program does.
  if (!ragozo::view::installHungarianTranslation(application)) return 1;
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
