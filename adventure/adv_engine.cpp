// The script engine: the 10-ms timer that types messages and runs the places' steps, the three
// message kinds, the choices, the click rules and StartDuel.
#include <QCoreApplication>
#include <QPainter>

#include "adventure/adv_korvane.h"
#include "adventure/message_lines.h"
#include "adventure/story/script_table.h"
#include "state/game_state.h"
#include "state/language.h"
#include "state/save_files.h"
#include "ui/fonts.h"

namespace korvane {
void ADVKorvane::Timer1_Timer() {
  // Still on the title screen.
  if (picture5_.visible) return;
  // The duel window is showing (or the program is ending).
  if (!windowVisible_ || ended_) return;
  // A tick let in while a place is being entered waits for the entry to finish.
  if (enteringPlace_) return;
  // Type, wait for the click, or run the next step.
  if (!messageText_.isEmpty()) {
    if (messageCaption_ != messageText_ && !MessageWaitsForPage()) TypeOneCharacter();
  } else if (currentPlace_ >= 0 && currentPlace_ <= 8) {
    RunOneStep(currentPlace_);
  }
  // The switches are offered only in the player's own house.
  if (!windowVisible_ || ended_) return;
  commands_[3].visible = currentPlace_ == 6;
  commands_[4].visible = currentPlace_ == 6;
}

void ADVKorvane::TypeOneCharacter() {
  AddTo(messageCursor_, 1);
  if (sound_.Switches().EffectsOn()) sound_.PlayEffect(QStringLiteral("co.wav"));
  messageCaption_ = messageText_.left(messageCursor_);
  DrawMessageLines();
}

// Japanese: three lines of 22 characters; anything after the 66th character is typed but not
// drawn. English: the lines of the current page, broken between words. The box is restored
// before the lines are drawn again, so every tick gives the same pixels.
void ADVKorvane::DrawMessageLines() {
  const QRect box = messageRect_.Pixels();
  ++pictureRevision_;
  QPainter p(&Canvas());
  if (!boxBackground_.isNull()) p.drawImage(boxRect_.topLeft(), boxBackground_);
  p.setClipRect(box);
  MessageLines lines{box, textColor_, {}};
  const int shown = std::min<int>(messageCursor_, messageCaption_.size());
  const std::vector<TextSpan>* wrapped = EnglishEdition() ? &WrappedMessage() : nullptr;
  for (int line = 0; line < 3; ++line) {
    int first = line * kLineLength;
    int end = first + kLineLength;
    if (wrapped) {
      const size_t k = size_t(pageFirstLine_) + line;
      if (k >= wrapped->size()) break;
      first = (*wrapped)[k].start;
      end = (*wrapped)[k].end;
    }
    if (shown <= first) break;
    const int count = std::min(shown, end) - first;
    const QPoint at(box.left(), (messageRect_.top + kLineOffsetTwips[line]) / kTwipsPerPixel);
    lines.lines.push_back({at, messageCaption_.mid(first, count)});
    DrawPictureText(p, at.x(), at.y(), lines.lines.back().second, textColor_);
  }
  pictureLog_.SetLines(std::move(lines));
}

const std::vector<TextSpan>& ADVKorvane::WrappedMessage() {
  const int width = messageRect_.Pixels().width();
  if (wrappedText_ != messageText_ || wrappedWidth_ != width) {
    wrapped_ = WrapWords(messageText_, MessageMetrics(), MessageLineWidth(width));
    wrappedText_ = messageText_;
    wrappedWidth_ = width;
  }
  return wrapped_;
}

bool ADVKorvane::MessageWaitsForPage() {
  if (messageText_.isEmpty() || !EnglishEdition()) return false;
  const std::vector<TextSpan>& lines = WrappedMessage();
  const size_t last = size_t(pageFirstLine_) + 2;
  return last + 1 < lines.size() && messageCursor_ >= lines[last].end;
}

// The next page of a long English message: the box is emptied and typing goes on with the
// page's first line.
bool ADVKorvane::TurnPage() {
  if (!MessageWaitsForPage()) return false;
  AddTo(pageFirstLine_, 3);
  messageCursor_ = int16_t(WrappedMessage()[pageFirstLine_].start);
  messageCaption_ = messageText_.left(messageCursor_);
  Form_Paint();
  return true;
}

void ADVKorvane::RunOneStep(int place) {
  // The player's own house has no counter: it always asks whether to stop playing.
  if (place == 6) {
    ShowMessage(story::PlayerHouseQuestion());
    ShowChoices(story::QuitChoice(), story::NotYetChoice());
    return;
  }
  int16_t* counter = state_.StepCounter(place);
  if (!counter) return;
  // The entry under the counter's value, if there is one.
  runner_(place, *this);
  // The counter moves on whatever the entry did.
  AddTo(*counter, 1);
}

void ADVKorvane::SetMessage(const QString& text, QColor colour) {
  Form_Paint();
  messageCursor_ = 0;
  pageFirstLine_ = 0;
  messageText_ = text;
  messageCaption_.clear();
  textColor_ = colour;
}

void ADVKorvane::ShowMessage(const QString& text) { SetMessage(text, QColor(0, 0, 0)); }

void ADVKorvane::ShowSpeech(const QString& text) { SetMessage(text, QColor(255, 0, 0)); }

void ADVKorvane::ShowNotice(const QString& text) {
  SetMessage(story::NoticeText(text), QColor(0, 0, 255));
}

void ADVKorvane::ShowChoices(const QString& first, const QString& second) {
  choiser_[0] = {true, first};
  choiser_[1] = {true, second};
}

// A finished message is dismissed by a click; a click while it types or while the choices are
// up does nothing. A long English message waiting at the end of a page goes on to the next.
void ADVKorvane::Picture1_Click() {
  if (!PlayShowing()) return;
  if (TurnPage()) return;
  if (!choiser_[1].visible && messageCaption_ == messageText_) messageText_.clear();
}

void ADVKorvane::Picture2_Click() {
  if (!PlayShowing()) return;
  if (TurnPage()) return;
  if (!choiser_[0].visible && messageCaption_ == messageText_) messageText_.clear();
}

void ADVKorvane::Choiser_Click(int index) {
  if (!PlayShowing() || index < 0 || index > 1 || !choiser_[index].visible) return;
  const QString caption = choiser_[index].caption;
  // Save and end. A save that fails is told and the game goes on, so nothing is lost.
  if (caption == story::QuitChoice()) {
    const FileResult saved = files_.SaveGame(state_, false);
    if (!saved) {
      platform_.ShowOk(
          QCoreApplication::translate("Messages", "セーブ失敗"),
          QCoreApplication::translate("Messages", "セーブできませんでした。ゲームを続けます。\n") +
              saved.error);
      return;
    }
    SaveSettingsOrTell();
    ended_ = true;
    host_.Quit();
    return;
  }
  if (caption == story::NotYetChoice()) ShowTownMap();
  // The second choice skips one step.
  if (int16_t* counter = state_.StepCounter(currentPlace_)) AddTo(*counter, index);
  choiser_[0].visible = false;
  choiser_[1].visible = false;
  messageText_.clear();
}

void ADVKorvane::StartDuel() {
  state_.SeriesWins = 0;
  state_.SeriesLosses = 0;
  state_.SeriesDraws = 0;
  // The adventure music stops; the window is hidden before the device reports.
  music_->Close();
  // The opponent by place, and the counter moved to where the result is read.
  // Places 0..5 are the six characters' own; 高峰 waits at the fairy tree (7) and 横田 at the
  // square (8); the player's own house (6) has nobody to duel.
  static constexpr int kOpponents[9] = {kTakahara, kShindo,    kKazami,   kYokota, kTakamine,
                                        kHayami,   kThePlayer, kTakamine, kYokota};
  if (currentPlace_ >= 0 && currentPlace_ <= 8 && kOpponents[currentPlace_] != kThePlayer) {
    state_.OpponentName = PersonName(kOpponents[currentPlace_]);
    int16_t* counter = state_.StepCounter(currentPlace_);
    if (*counter <= 10) *counter = 11;
    if (*counter > 30) *counter = 35;
  }
  windowVisible_ = false;
  host_.OpenDuelWindow(false);
}

}  // namespace korvane
