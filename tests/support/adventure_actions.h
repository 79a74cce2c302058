// Named actions on the adventure's logic: its timer ticks, a message typed out, a click to go on,
// a choice answered, a new game started from the title.
#pragma once

#include <QString>

#include "adventure/adv_korvane.h"

namespace korvane::test {

inline void Tick(ADVKorvane& adv, int n = 1) {
  for (int i = 0; i < n; ++i) adv.Timer1_Timer();
}
// Ticks until the message is typed out (at most `limit` ticks).
inline void TypeOut(ADVKorvane& adv, int limit = 500) {
  for (int i = 0; i < limit && adv.MessageLabelCaption() != adv.MessageText(); ++i) Tick(adv);
}
// The message read to its end, a click on the picture, and the tick that goes on.
inline void GoOn(ADVKorvane& adv) {
  TypeOut(adv);
  adv.Picture1_Click();
  Tick(adv);
}
// The left (0) or the right (1) answer of a choice.
inline void Answer(ADVKorvane& adv, int choice) { adv.Choiser_Click(choice); }
// "ニューゲーム", the profile, "始める".
inline void StartNewGame(ADVKorvane& adv, const QString& name = QStringLiteral("太郎"),
                         const QString& sex = QStringLiteral("男")) {
  adv.Form_Load();
  adv.Command1_Click();
  adv.SetText1(name);
  adv.SetCombo1(sex);
  adv.Command2_Click();
}

}  // namespace korvane::test
