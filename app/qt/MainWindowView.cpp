// The main window's widgets, bound to its logic.
#include "qt/MainWindowView.h"

#include <QCloseEvent>
#include <QHeaderView>
#include <QMenuBar>
#include <QShortcut>
#include <algorithm>

#include "qt/QtDesktop.h"
#include "qt/Twips.h"
#include "window/MainWindowTexts.h"

namespace ragozo::view {
namespace {

namespace texts = window::texts;

// The title bar is part of the window's height in twips but not of the widget's.
constexpr int kTitleBar = 345;

constexpr int kTableLeft = 120;
constexpr int kTableTop = 360;
constexpr int kTableHeight = 2550;
constexpr int kButtonsLeft = 7755;
constexpr int kButtonsWidth = 2700;
constexpr int kEntryTop = 3015;
constexpr int kDerivedTop = 3540;
constexpr int kRowPitch = 345;

QString toQString(const std::string& text) { return QString::fromStdString(text); }

}  // namespace

MainWindowView::MainWindowView(window::MainWindow& window, QtDesktop& desktop)
    : QMainWindow(nullptr), window_(&window), desktop_(desktop) {
  // The window's size is fixed, so its title bar offers no maximise button.
  setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                 Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
  setWindowTitle(QString::fromUtf8(texts::kWindowCaption));
  auto* central = new QWidget(this);
  setCentralWidget(central);
  buildMenus();

  noticeLine_ = new QLabel(central);
  noticeLine_->setGeometry(pxRect(kTableLeft, 60, window::MainWindow::kDesignWidth - 240, 270));
  QFont noticeFont = noticeLine_->font();
  noticeFont.setBold(true);
  noticeLine_->setFont(noticeFont);
  noticeLine_->setStyleSheet(QStringLiteral("color: #8b1a1a;"));

  buildTable(central);
  buildButtons(central);
  buildDerivedBoxes(central);

  // Enter anywhere in the window runs the default button.
  for (int key : {Qt::Key_Return, Qt::Key_Enter}) {
    auto* shortcut = new QShortcut(QKeySequence(key), this);
    connect(shortcut, &QShortcut::activated, &bindings_, [this] { forward(&window::MainWindow::conjugate); });
  }
}

void MainWindowView::forward(void (window::MainWindow::*handler)()) {
  if (!window_) return;
  window::MainWindow* target = window_;
  desktop_.dispatch([target, handler] { (target->*handler)(); });
}

void MainWindowView::buildMenus() {
  QMenu* file = menuBar()->addMenu(QString::fromUtf8(texts::kFileMenu));
  onTopItem_ = file->addAction(QString::fromUtf8(texts::kOnTopItem));
  onTopItem_->setCheckable(true);
  connect(onTopItem_, &QAction::triggered, &bindings_, [this] { forward(&window::MainWindow::toggleOnTop); });
  QAction* close = file->addAction(QString::fromUtf8(texts::kCloseItem));
  connect(close, &QAction::triggered, &bindings_, [this] { forward(&window::MainWindow::closeProgram); });
  QMenu* help = menuBar()->addMenu(QString::fromUtf8(texts::kHelpMenu));
  QAction* about = help->addAction(QString::fromUtf8(texts::kAboutItem));
  connect(about, &QAction::triggered, &bindings_, [this] { forward(&window::MainWindow::showAbout); });
}

void MainWindowView::buildTable(QWidget* parent) {
  table_ = new QTableWidget(ConjugationTable::kRows, ConjugationTable::kColumns, parent);
  table_->setGeometry(pxRect(kTableLeft, kTableTop, ConjugationTable::kDesignWidth, kTableHeight));
  table_->horizontalHeader()->hide();
  table_->verticalHeader()->hide();
  table_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  table_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  // The user selects nothing by pressing: the one cell that shows selected is the one copied.
  table_->setSelectionMode(QAbstractItemView::NoSelection);
  // A click copies a cell and leaves the keyboard to the entry, so the next key starts a new entry.
  table_->setFocusPolicy(Qt::NoFocus);
  table_->setStyleSheet(QStringLiteral("QTableWidget { selection-background-color: #d6e4f5; selection-color: black; }"));
  const int rowHeight = (px(kTableHeight) - 2) / ConjugationTable::kRows;
  for (int row = 0; row < ConjugationTable::kRows; ++row) {
    table_->setRowHeight(row, rowHeight);
    for (int column = 0; column < ConjugationTable::kColumns; ++column) {
      auto* item = new QTableWidgetItem;
      if (row == kHeadingRow || column == kHeadingColumn) item->setBackground(palette().button());
      table_->setItem(row, column, item);
    }
  }
  connect(table_, &QTableWidget::cellClicked, &bindings_, [this](int row, int column) {
    if (!window_) return;
    window::MainWindow* target = window_;
    desktop_.dispatch([target, row, column] { target->copyCell(row, column); });
  });
}

void MainWindowView::buildButtons(QWidget* parent) {
  entry_ = new EntryLineEdit(parent);
  entry_->setGeometry(pxRect(kTableLeft, kEntryTop, 3960, 330));
  connect(entry_, &EntryLineEdit::textComing, &bindings_, [this] { forward(&window::MainWindow::keyPressed); });
  connect(entry_, &EntryLineEdit::doubleClicked, &bindings_,
          [this] { forward(&window::MainWindow::pasteIntoEntry); });
  connect(entry_, &EntryLineEdit::focusGained, &bindings_, [this] { forward(&window::MainWindow::entryGotFocus); });
  connect(entry_, &EntryLineEdit::focusLost, &bindings_, [this] {
    if (window_) window_->entryLostFocus();
  });
  connect(entry_, &QLineEdit::textEdited, &bindings_, [this](const QString& text) {
    if (!window_) return;
    window::MainWindow* target = window_;
    // The caret moves after the text changes; keep it where the typing left it.
    target->setCaret(entry_->cursorPosition());
    const std::string typed = text.toStdString();
    desktop_.dispatch([target, typed] { target->entryEdited(typed); });
  });
  connect(entry_, &QLineEdit::cursorPositionChanged, &bindings_, [this](int, int position) {
    if (window_) window_->setCaret(position);
  });

  conjugateButton_ = new QPushButton(QString::fromUtf8(texts::kConjugate), parent);
  conjugateButton_->setGeometry(pxRect(4200, kEntryTop - 15, 1560, 360));
  conjugateButton_->setDefault(true);
  connect(conjugateButton_, &QPushButton::clicked, &bindings_, [this] { forward(&window::MainWindow::conjugate); });

  moodGroup_ = new QButtonGroup(this);
  for (std::size_t i = 0; i < texts::kMoodOptions.size(); ++i) {
    const Mood mood = texts::kMoodOptions[i].mood;
    QRadioButton* button = new QRadioButton(QString::fromUtf8(texts::kMoodOptions[i].caption), parent);
    button->setGeometry(pxRect(kButtonsLeft, kTableTop + static_cast<int>(i) * 285, kButtonsWidth, 285));
    moodGroup_->addButton(button, mood);
    connect(button, &QRadioButton::clicked, &bindings_, [this, mood] {
      if (!window_) return;
      window::MainWindow* target = window_;
      desktop_.dispatch([target, mood] { target->chooseMood(mood); });
    });
    moodButtons_[i] = button;
  }

  // Made in the order the focus goes through them.
  allPersonsToggle_ =
      addToggle(parent, pxRect(kButtonsLeft, 1560, kButtonsWidth, 345), &window::MainWindow::toggleAllPersons);
  objectiveToggle_ =
      addToggle(parent, pxRect(kButtonsLeft, 1935, kButtonsWidth, 345), &window::MainWindow::toggleObjective);
  imperativeToggle_ =
      addToggle(parent, pxRect(kButtonsLeft, 2310, kButtonsWidth, 345), &window::MainWindow::toggleImperative);
  derivedFormsToggle_ =
      addToggle(parent, pxRect(5880, kEntryTop - 15, 1695, 360), &window::MainWindow::toggleDerivedForms);
  imperativeFormsToggle_ =
      addToggle(parent, pxRect(kButtonsLeft, 2685, kButtonsWidth, 345), &window::MainWindow::toggleImperativeForms);
}

QPushButton* MainWindowView::addToggle(QWidget* parent, const QRect& place, void (window::MainWindow::*handler)()) {
  auto* toggle = new QPushButton(parent);
  toggle->setGeometry(place);
  connect(toggle, &QPushButton::clicked, &bindings_, [this, handler] { forward(handler); });
  return toggle;
}

QRadioButton* MainWindowView::moodButton(Mood mood) {
  const auto at = std::find(kMoods.begin(), kMoods.end(), mood);
  return at == kMoods.end() ? nullptr : moodButtons_[static_cast<std::size_t>(at - kMoods.begin())];
}

void MainWindowView::buildDerivedBoxes(QWidget* parent) {
  // Left: infinitive, adverbial participle, action noun, potential, causative;
  // right: the three participles under their heading.
  struct Place {
    int labelLeft, boxLeft, top;
  };
  const std::array<Place, kDerivedBoxCount> places{Place{120, 2280, 0},
                                    Place{120, 2280, kRowPitch},
                                    Place{5400, 6960, kRowPitch},
                                    Place{5400, 6960, 2 * kRowPitch},
                                    Place{5400, 6960, 3 * kRowPitch},
                                    Place{120, 2280, 2 * kRowPitch},
                                    Place{120, 2280, 3 * kRowPitch},
                                    Place{120, 2280, 4 * kRowPitch}};
  derivedPanel_ = new QWidget(parent);
  derivedPanel_->setGeometry(pxRect(0, kDerivedTop, window::MainWindow::kDesignWidth, 5 * kRowPitch));
  parent = derivedPanel_;
  auto* heading = new QLabel(QString::fromUtf8(texts::kParticiplesHeading), parent);
  heading->setGeometry(pxRect(5400, 0, 3000, 300));
  QFont bold = heading->font();
  bold.setBold(true);
  heading->setFont(bold);
  for (std::size_t i = 0; i < derivedBoxes_.size(); ++i) {
    auto* caption = new QLabel(QString::fromUtf8(texts::kDerivedLabels[i]), parent);
    caption->setGeometry(pxRect(places[i].labelLeft, places[i].top, 2100, 300));
    derivedBoxes_[i] = new QLineEdit(parent);
    derivedBoxes_[i]->setGeometry(pxRect(places[i].boxLeft, places[i].top, 2880, 300));
    derivedBoxes_[i]->setReadOnly(true);
    derivedBoxes_[i]->setFocusPolicy(Qt::NoFocus);  // as the table: a copy leaves the keys to the entry
    derivedBoxes_[i]->installEventFilter(this);
  }
}

bool MainWindowView::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::MouseButtonRelease && window_) {
    const auto box = std::find(derivedBoxes_.begin(), derivedBoxes_.end(), watched);
    if (box != derivedBoxes_.end()) {
      const int index = static_cast<int>(box - derivedBoxes_.begin());
      window::MainWindow* target = window_;
      desktop_.dispatch([target, index] { target->copyDerivedBox(static_cast<DerivedBox>(index)); });
    }
  }
  return QMainWindow::eventFilter(watched, event);
}

void MainWindowView::closeEvent(QCloseEvent* event) {
  // Closing the main window from its title bar ends the program, as "&Close" does.
  event->ignore();
  forward(&window::MainWindow::closeProgram);
}

void MainWindowView::applyGeometry() {
  const window::WindowGeometry& g = window_->geometry();
  if (g.left != applied_.left || g.top != applied_.top) move(px(g.left), px(g.top));
  if (g.width != applied_.width || g.height != applied_.height) setFixedSize(px(g.width), px(g.height - kTitleBar));
  applied_ = g;
  // The derived forms belong to the tall view alone.
  derivedPanel_->setVisible(g.height >= window::MainWindow::kTallHeight);
}

void MainWindowView::refresh() {
  if (!window_) return;
  const window::MainWindow& w = *window_;
  const window::WindowState& s = w.state();
  applyGeometry();

  const QString entryText = toQString(s.entry.text);
  if (entry_->text() != entryText) entry_->setText(entryText);
  const int caret = std::min(w.caret(), static_cast<int>(entryText.size()));
  if (entry_->cursorPosition() != caret) entry_->setCursorPosition(caret);
  if (w.entryFocused() && !entry_->hasFocus() && isActiveWindow()) entry_->setFocus(Qt::OtherFocusReason);

  const window::ShownResult& shown = s.entry.shown;
  noticeLine_->setText(toQString(shown.noticeLine));

  const QSignalBlocker blockTable(table_);
  for (int row = 0; row < ConjugationTable::kRows; ++row) {
    for (int column = 0; column < ConjugationTable::kColumns; ++column) {
      QTableWidgetItem* item = table_->item(row, column);
      const QString text = toQString(shown.table.cell(row, column));
      if (item->text() != text) item->setText(text);
      if (shown.table.columnAlignment(column) == ColumnAlignment::centred) {
        item->setTextAlignment(Qt::AlignCenter);
      }
    }
  }
  for (int column = 0; column < ConjugationTable::kColumns; ++column) {
    table_->setColumnWidth(column, px(shown.table.columnWidth(column)));
  }
  // Only the cell just copied shows selected; a table drawn anew selects none.
  table_->clearSelection();
  if (shown.copiedCell) {
    table_->selectionModel()->select(table_->model()->index(shown.copiedCell->row, shown.copiedCell->column),
                                     QItemSelectionModel::Select);
  }

  conjugateButton_->setText(toQString(w.conjugateButton().caption));
  const auto showToggle = [](QPushButton* toggle, const window::CommandButton& shown) {
    toggle->setText(toQString(shown.caption));
    toggle->setVisible(shown.visible);
  };
  showToggle(allPersonsToggle_, w.allPersonsToggle());
  showToggle(objectiveToggle_, w.objectiveToggle());
  showToggle(imperativeToggle_, w.imperativeToggle());
  derivedFormsToggle_->setText(toQString(w.derivedFormsToggleCaption()));
  imperativeFormsToggle_->setText(toQString(w.imperativeFormsToggleCaption()));
  imperativeFormsToggle_->setVisible(w.imperativeFormsToggleVisible());

  moodGroup_->setExclusive(false);
  for (std::size_t i = 0; i < kMoods.size(); ++i) moodButtons_[i]->setChecked(w.selectedMood() == kMoods[i]);
  moodGroup_->setExclusive(true);

  for (std::size_t i = 0; i < derivedBoxes_.size(); ++i) {
    const QString text = toQString(shown.derivedBoxes[i]);
    if (derivedBoxes_[i]->text() != text) derivedBoxes_[i]->setText(text);
  }

  const QSignalBlocker blockOnTop(onTopItem_);
  onTopItem_->setChecked(w.onTopChecked());
}

}  // namespace ragozo::view
