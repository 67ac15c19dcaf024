// The main window's widgets, bound to its logic.
//
// Every signal of a widget is forwarded to the logic's method for that user action
// through the desktop's dispatch; `refresh` then shows the logic's state:
// entry, table, notice line, captions and visibility, the derived boxes and
// the window's height. Positions are the design's, in twips.
#pragma once

#include <QAction>
#include <QButtonGroup>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <array>

#include "qt/EntryLineEdit.h"
#include "window/MainWindow.h"

namespace ragozo::view {

class QtDesktop;

class MainWindowView : public QMainWindow {
  Q_OBJECT

 public:
  MainWindowView(window::MainWindow& window, QtDesktop& desktop);

  void refresh();
  // The logic is gone: forward nothing more.
  void detach() { window_ = nullptr; }

  EntryLineEdit* entry() { return entry_; }
  QTableWidget* table() { return table_; }
  QPushButton* conjugateButton() { return conjugateButton_; }
  QRadioButton* moodButton(Mood mood);  // null for `noMood`
  QLabel* noticeLine() { return noticeLine_; }
  QLineEdit* derivedBox(DerivedBox box) { return derivedBoxes_[box]; }
  QAction* onTopItem() { return onTopItem_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void buildMenus();
  void buildTable(QWidget* parent);
  void buildButtons(QWidget* parent);
  void buildDerivedBoxes(QWidget* parent);
  QPushButton* addToggle(QWidget* parent, const QRect& place, void (window::MainWindow::*handler)());
  void forward(void (window::MainWindow::*handler)());
  void applyGeometry();

  window::MainWindow* window_;
  QtDesktop& desktop_;
  // The context of every handler connected to a widget. As a member it goes
  // before QWidget's destructor hides the window and moves the focus, so no
  // handler can run on a view that is half destroyed.
  QObject bindings_;
  EntryLineEdit* entry_ = nullptr;
  QTableWidget* table_ = nullptr;
  QLabel* noticeLine_ = nullptr;
  QPushButton* conjugateButton_ = nullptr;
  QPushButton* allPersonsToggle_ = nullptr;
  QPushButton* objectiveToggle_ = nullptr;
  QPushButton* imperativeToggle_ = nullptr;
  QPushButton* derivedFormsToggle_ = nullptr;
  QPushButton* imperativeFormsToggle_ = nullptr;  // short or long second-person imperative
  std::array<QRadioButton*, kMoods.size()> moodButtons_{};  // in the order of `kMoods`
  QButtonGroup* moodGroup_ = nullptr;
  QWidget* derivedPanel_ = nullptr;
  std::array<QLineEdit*, kDerivedBoxCount> derivedBoxes_{};
  QAction* onTopItem_ = nullptr;
  window::WindowGeometry applied_{-1, -1, -1, -1};
};

}  // namespace ragozo::view
