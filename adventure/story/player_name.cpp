#include "adventure/story/player_name.h"

#include <algorithm>

#include "adventure/adv_layout.h"
#include "adventure/story/script_table.h"
#include "state/save_image.h"

namespace korvane::story {
namespace {

constexpr int kLongestHonorific = 2;  // "さん"
constexpr int kMasterMark = 1;        // "※"

bool HoldsName(const char* text) {
  const QString t = QString::fromUtf8(text);
  return t.contains(QStringLiteral("{name}")) || t.contains(QStringLiteral("{bare}"));
}

}  // namespace

std::vector<NameText> TextsWithName() {
  std::vector<NameText> found;
  for (int place : ScriptedPlaces()) {
    for (const Entry& e : ScriptOf(place)->entries) {
      for (const Clause& c : e.clauses) {
        for (const Action& a : c.actions) {
          const bool message = a.op == Op::kSpeech || a.op == Op::kMessage || a.op == Op::kNotice;
          if (!message || !a.text || !HoldsName(a.text)) continue;
          found.push_back({place, e.step, QString::fromUtf8(a.text), a.op == Op::kNotice});
        }
      }
    }
  }
  return found;
}

int ShownLength(const NameText& t, const GameState& g) {
  const int brackets = t.notice ? 2 : 0;
  return static_cast<int>(ExpandText(t.text.toUtf8().constData(), g).size()) + brackets;
}

int NameLengthLimit() {
  static const int limit = [] {
    int best = kShownCharacters;
    GameState empty;  // no name at all: what is left is the text around it
    empty.PlayerSex = 1;
    for (const NameText& t : TextsWithName()) {
      const int around = ShownLength(t, empty);
      const int names = static_cast<int>(t.text.count(QStringLiteral("{name}")));
      const int bares = static_cast<int>(t.text.count(QStringLiteral("{bare}")));
      // Each {name} shows mark + name + honorific, each {bare} mark + name.
      const int room = kShownCharacters - around - names * (kMasterMark + kLongestHonorific) -
                       bares * kMasterMark;
      best = std::min(best, room / (names + bares));
    }
    return best;
  }();
  return limit;
}

bool AddMasterMark(GameState& g) {
  const QString mark = QStringLiteral("※");
  bool shortened = false;
  // The honorific ("君" or "さん") stays: the ending reads the bare name by its length.
  const qsizetype honorific = g.PlayerSex == 1 ? 2 : 1;
  while (!CheckPlayerName(mark + g.PlayerName).isEmpty() && g.PlayerName.size() > honorific) {
    qsizetype cut = g.PlayerName.size() - honorific - 1;
    if (cut > 0 && g.PlayerName.at(cut).isLowSurrogate()) --cut;
    const qsizetype width = g.PlayerName.at(cut).isHighSurrogate() ? 2 : 1;
    g.PlayerName.remove(cut, width);
    shortened = true;
  }
  g.PlayerName = mark + g.PlayerName;
  return shortened;
}

}  // namespace korvane::story
