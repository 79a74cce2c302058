// The cursor interpreter of the place scripts: finds the entry of a place's step, walks its
// clauses and performs their actions with one switch over the action kinds.
#include <QCoreApplication>
#include <QStringLiteral>

#include "adventure/story/conditions.h"
#include "adventure/story/ending.h"
#include "adventure/story/player_name.h"
#include "adventure/story/script_host.h"
#include "adventure/story/script_table.h"
#include "engine/types.h"
#include "state/language.h"

namespace korvane {

namespace story {

namespace {

const std::vector<PlaceScript>& AllScripts() {
  static const std::vector<PlaceScript> all = {
      TakaharaScript(), ShindoScript(),   KazamiScript(),    YokotaScript(),
      TakamineScript(), OldHouseScript(), FairyTreeScript(), SquareScript(),
  };
  return all;
}

int16_t& CounterOf(GameState& g, int place) {
  int16_t* c = g.StepCounter(place);
  if (c == nullptr) throw std::logic_error("script names a place without a counter");
  return *c;
}

void Perform(const Action& a, ScriptHost& host) {
  GameState& g = host.State();
  switch (a.op) {
    case Op::kSpeech:
      host.ShowSpeech(ShownText(a.text, g));
      break;
    case Op::kMessage:
      host.ShowMessage(ShownText(a.text, g));
      break;
    case Op::kNotice:
      host.ShowNotice(ShownText(a.text, g));
      break;
    case Op::kChoices:
      host.ShowChoices(ShownText(a.text, g), ShownText(a.text2, g));
      break;
    case Op::kDuel:
      host.StartDuel();
      break;
    case Op::kMap:
      host.ShowTownMap();
      break;
    case Op::kResult:
      host.ShowNotice(ResultLine(g));
      break;
    case Op::kSetStep:
      CounterOf(g, a.a) = a.b;
      break;
    case Op::kRaiseStep:
      if (CounterOf(g, a.a) < a.b) CounterOf(g, a.a) = a.b;
      break;
    case Op::kSetCard:
      g.Collections.at(a.a).at(a.b) = a.c;
      break;
    case Op::kAddCard:
      AddTo(g.Collections.at(a.a).at(a.b), a.c);
      break;
    case Op::kSetFlag:
      g.PlaceUnlocked.at(a.a) = -1;
      break;
    case Op::kShowPortrait:
      host.ShowPortrait(a.a);
      break;
    case Op::kHidePortrait:
      host.HidePortrait(a.b != 0);
      break;
    case Op::kHidePlayerFrame:
      host.HidePlayerFrame();
      break;
    case Op::kShowHotSpot:
      host.ShowHotSpot(a.a);
      break;
    case Op::kSetCurrentPlace:
      host.SetCurrentPlace(a.a);
      break;
    case Op::kEnterPlace:
      host.EnterPlace(a.a);
      break;
    case Op::kSaveOldHouse:
      // A save that cannot be written is reported by the host; the duel goes on, the player
      // loses nothing but the checkpoint.
      host.SaveGameOldHouse();
      break;
    case Op::kMusicStop:
      host.MusicStop();
      break;
    case Op::kMusicResume:
      host.MusicResume();
      break;
    case Op::kPlayMusic:
      host.PlayMusicFile(QString::fromUtf8(a.text));
      break;
    case Op::kTimer:
      host.SetTimerInterval(a.a);
      break;
    case Op::kFillLightGrey:
      host.FillLightGrey();
      break;
    case Op::kDrawText:
      host.DrawTextAt(a.a, a.b, ShownText(a.text, g));
      break;
    case Op::kMissingCards:
      ShowMissingCards(host);
      break;
    case Op::kMasterMark:
      // A name too long for the save with the mark is shortened, so that saving still works.
      if (AddMasterMark(g)) {
        host.TellPlayer(QCoreApplication::translate("Messages", "名前"),
                        QCoreApplication::translate(
                            "Messages",
                            "名前が長すぎて、マスターマーク※を付けるとセーブできなくなる"
                            "ため、名前を「%1」に縮めました。")
                            .arg(g.PlayerName));
      }
      break;
  }
}

// The counter is set one short of the next step: the engine adds 1 after every step.
void ApplyNext(const Next& next, int16_t& counter, const GameState& g) {
  switch (next.kind) {
    case NextKind::kGoto:
      counter = CheckedAdd(next.m[0], -1);
      break;
    case NextKind::kResult: {
      int16_t m = g.SeriesWins > g.SeriesLosses   ? next.m[0]
                  : g.SeriesWins < g.SeriesLosses ? next.m[1]
                                                  : next.m[2];
      counter = CheckedAdd(m, -1);
      break;
    }
    case NextKind::kChoice:     // the answer moves the counter
    case NextKind::kAfterDuel:  // StartDuel moved it
    case NextKind::kFallThrough:
      break;
  }
}

// Clauses are tried in order; an unguarded or true clause performs its actions.
// A clause that only adds actions lets the next one decide; any other ends the entry.
void RunEntry(const Entry& e, int place, ScriptHost& host) {
  GameState& g = host.State();
  for (const Clause& c : e.clauses) {
    if (c.when != nullptr && !c.when(g)) continue;
    for (const Action& a : c.actions) Perform(a, host);
    if (c.next.kind == NextKind::kFallThrough) continue;
    ApplyNext(c.next, CounterOf(g, place), g);
    return;
  }
}

}  // namespace

const PlaceScript* ScriptOf(int place) {
  for (const PlaceScript& s : AllScripts()) {
    if (s.place == place) return &s;
  }
  return nullptr;
}

const Entry* FindEntry(const PlaceScript& script, int step) {
  for (const Entry& e : script.entries) {
    if (e.step == step) return &e;
  }
  return nullptr;
}

std::vector<int> ScriptedPlaces() { return {0, 1, 2, 3, 4, 5, 7, 8}; }

QString ShownText(const char* source, const GameState& g) {
  return ExpandText(QCoreApplication::translate("Story", source), g);
}

QString ExpandText(const char* utf8Template, const GameState& g) {
  return ExpandText(QString::fromUtf8(utf8Template), g);
}

QString ExpandText(const QString& t, const GameState& g) {
  QString out;
  out.reserve(t.size() + g.PlayerName.size());
  // One pass over the template: a name that itself contains "{name}" stays as typed.
  for (qsizetype i = 0; i < t.size();) {
    if (t.at(i) == u'{') {
      const qsizetype close = t.indexOf(u'}', i);
      const QString key = close < 0 ? QString() : t.mid(i + 1, close - i - 1);
      const bool known = key == u"name" || key == u"bare" || key == u"pronoun";
      if (known) {
        out += key == u"name" ? NameInText(g) : key == u"bare" ? BareName(g) : Pronoun(g);
        i = close + 1;
        continue;
      }
    }
    out += t.at(i);
    ++i;
  }
  return out;
}

QString NameInText(const GameState& g) {
  if (!EnglishEdition()) return g.PlayerName;
  // Only the honorific the profile added for this sex is taken off.
  const QString honorific = g.PlayerSex == 0 ? QStringLiteral("君") : QStringLiteral("さん");
  if (g.PlayerName.endsWith(honorific) && g.PlayerName.size() > honorific.size()) {
    return g.PlayerName.chopped(honorific.size());
  }
  return g.PlayerName;
}

QString ResultLine(const GameState& g) {
  return QCoreApplication::translate("Story", "今回の戦績は%1勝%2敗%3引き分けだった。")
      .arg(QString::number(g.SeriesWins), QString::number(g.SeriesLosses),
           QString::number(g.SeriesDraws));
}

QString NoticeText(const QString& text) {
  //: The brackets around a notice (blue: results, cards received or lost).
  return QCoreApplication::translate("Story", "『%1』").arg(text);
}

QString PlayerHouseQuestion() {
  return QCoreApplication::translate("Story", "終わりにしようかな？");
}
QString QuitChoice() { return QCoreApplication::translate("Story", "終わる"); }
QString NotYetChoice() { return QCoreApplication::translate("Story", "まだまだ"); }

}  // namespace story

bool RunPlaceStep(int place, ScriptHost& host) {
  const story::PlaceScript* script = story::ScriptOf(place);
  const int16_t* counter = host.State().StepCounter(place);
  if (script == nullptr || counter == nullptr) return false;
  const story::Entry* e = story::FindEntry(*script, *counter);
  if (e == nullptr) return false;
  story::RunEntry(*e, place, host);
  return true;
}

}  // namespace korvane
