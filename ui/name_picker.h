// Name entry without a keyboard: an on-screen table of hiragana, katakana and Latin letters with
// digits that the arrows (a controller's D-pad or stick) move through. Enter types the letter under
// the cursor into the name box as typing would (its length limit holds), Backspace or H takes the
// last letter back, PageUp and PageDown turn to the other tables, Esc or the 決定 cell close it.
// The bottom row holds the actions: the next table, 消す and 決定.
//
// It is a window of its own over the title, so that the title's keys (Esc closes the title) do
// not reach it.
#pragma once

#include <QPoint>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QWidget>
#include <functional>

class QLineEdit;

namespace korvane {

class NamePicker : public QWidget {
 public:
  static constexpr int kColumns = 10;
  static constexpr int kPages = 3;  // hiragana, katakana, Latin letters and digits
  // The actions of the bottom row, left to right.
  enum class Action { NextPage, Erase, Done };

  // Types into `target`; a window over `parent`.
  NamePicker(QLineEdit* target, QWidget* parent = nullptr);

  // The rows of letters of table `page`, kColumns to a row; U+3000 marks an empty cell.
  static const QStringList& Rows(int page);
  int Page() const { return page_; }
  // The cursor: a column and row of the table; the row after the last letters is the actions'.
  QPoint Cursor() const { return cursor_; }
  // The letter under the cursor (empty on the actions' row).
  QString Current() const;

  // The player chose 決定 or pressed Esc; the picker hides itself first.
  std::function<void()> OnDone;

  QSize sizeHint() const override;

 protected:
  void keyPressEvent(QKeyEvent* e) override;
  void mousePressEvent(QMouseEvent* e) override;
  void paintEvent(QPaintEvent* e) override;

 private:
  int ActionsRow() const { return int(Rows(page_).size()); }
  Action ActionAt(int column) const;
  bool Empty(QPoint cell) const;
  void Move(int dx, int dy);
  void Take();
  void TurnPage(int step);
  void Finish();
  QRect CellRect(QPoint cell) const;

  QPointer<QLineEdit> target_;
  int page_ = 0;
  QPoint cursor_{0, 0};
};

}  // namespace korvane
