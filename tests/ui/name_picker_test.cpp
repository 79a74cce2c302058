// The on-screen name picker: keys (as a controller sends them) type a name into a name box.
#include "engine/cp932.h"
#include "ui/name_picker.h"

#include <gtest/gtest.h>

#include <QLineEdit>
#include <QTest>

namespace korvane {
namespace {

TEST(NamePicker, KeysTypeANameIntoTheBox) {
  using K = Qt::Key;
  struct Row {
    const char* what;
    std::vector<K> keys;
    const char* text;
    bool done;
  };
  const Row rows[] = {
      {"the first letter", {K::Key_Return}, "あ", false},
      {"along the row", {K::Key_Right, K::Key_Return, K::Key_Right, K::Key_Return}, "いう", false},
      {"round the left edge", {K::Key_Left, K::Key_Return}, "こ", false},
      {"down a column", {K::Key_Down, K::Key_Down, K::Key_Return}, "な", false},
      // Right of や lies an empty cell: the cursor goes on to ゆ.
      {"over empty cells",
       {K::Key_Down, K::Key_Down, K::Key_Down, K::Key_Right, K::Key_Right, K::Key_Right,
        K::Key_Right, K::Key_Right, K::Key_Right, K::Key_Return},
       "ゆ",
       false},
      {"katakana", {K::Key_PageDown, K::Key_Return}, "ア", false},
      {"Latin letters", {K::Key_PageUp, K::Key_Right, K::Key_Return}, "B", false},
      {"erased", {K::Key_Return, K::Key_Return, K::Key_H}, "あ", false},
      {"the length limit holds", std::vector<K>(12, K::Key_Return), "ああああああああ", false},
      // Up from the first row reaches the actions' row: 次の文字, 消す, 決定.
      {"the next table from the actions",
       {K::Key_Up, K::Key_Return, K::Key_Down, K::Key_Return},
       "ア",
       false},
      {"erase from the actions",
       {K::Key_Return, K::Key_Up, K::Key_Right, K::Key_Return},
       "",
       false},
      {"done", {K::Key_Return, K::Key_Up, K::Key_Left, K::Key_Return}, "あ", true},
      {"Esc closes", {K::Key_Escape}, "", true},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.what);
    QLineEdit box;
    box.setMaxLength(8);
    NamePicker picker(&box);
    bool done = false;
    picker.OnDone = [&done] { done = true; };
    picker.show();
    for (K k : r.keys) QTest::keyClick(&picker, k);
    EXPECT_EQ(box.text(), QString::fromUtf8(r.text));
    EXPECT_EQ(done, r.done);
    EXPECT_EQ(picker.isVisible(), !r.done);
  }
  // Every table is full rows, and every letter is one a saved name can hold.
  for (int page = 0; page < NamePicker::kPages; ++page) {
    for (const QString& row : NamePicker::Rows(page)) {
      EXPECT_EQ(row.size(), NamePicker::kColumns) << row.toStdString();
      EXPECT_TRUE(IsCp932RoundTrip(row.toStdString())) << row.toStdString();
    }
  }
}

}  // namespace
}  // namespace korvane
