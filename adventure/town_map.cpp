// The town map: hot spots and their hover texts, entering a place with the zoom and the
// portraits, the return to the map, and the light message box.
#include <QCoreApplication>
#include <QPainter>

#include "adventure/adv_korvane.h"
#include "adventure/story/worth_visit.h"
#include "state/game_state.h"

namespace korvane {

QString WhereToGo() { return QCoreApplication::translate("Map", "どこに行こうかな？"); }

QString ADVKorvane::PlaceText(int place) const {
  static const char* const kPlaces[9] = {
      QT_TRANSLATE_NOOP("Map", "高原さんの家"),
      QT_TRANSLATE_NOOP("Map", "真道くんの家"),
      QT_TRANSLATE_NOOP("Map", "風見くんの家"),
      QT_TRANSLATE_NOOP("Map", "横田さんの家"),
      QT_TRANSLATE_NOOP("Map", "高峰さんの家"),
      QT_TRANSLATE_NOOP("Map", "古くからの大きな家"),
      nullptr,
      QT_TRANSLATE_NOOP("Map", "妖精の樹があるところ"),
      QT_TRANSLATE_NOOP("Map", "コルヴァーン スクウェア"),
  };
  if (place == 6) {
    if (state_.PlayerSex == 0) return QCoreApplication::translate("Map", "ここは僕の家");
    if (state_.PlayerSex == 1) return QCoreApplication::translate("Map", "ここは私の家");
    return {};
  }
  if (place < 0 || place > 8) return {};
  return QCoreApplication::translate("Map", kPlaces[place]);
}

bool ADVKorvane::HotSpotCondition(int place) const { return story::OnTheMap(state_, place); }

bool ADVKorvane::OnTownMap() const {
  return MapShowing() && !enteringPlace_ && !choiser_[0].visible && !choiser_[1].visible;
}

int ADVKorvane::ShownOppPic() const {
  if (!picture4Visible_) return -1;
  for (int i = 0; i < 6; ++i) {
    if (oppPicVisible_[i]) return i;
  }
  return -1;
}

// Pointing at a place names it, unless that name is already shown or was just dismissed.
void ADVKorvane::Clicker_MouseMove(int i) {
  if (!MapShowing() || i < 0 || i > 8 || !clickerVisible_[i]) return;
  const QString text = PlaceText(i);
  if (text.isEmpty()) return;
  if (messageText_ != text && messageCaption_ != text) ShowMessage(text);
}

void ADVKorvane::Picture1_MouseMove() {
  if (!MapShowing()) return;
  const QString text = WhereToGo();
  if (messageText_ != text && messageCaption_ != text) ShowMessage(text);
}

void ADVKorvane::EnterPlace(int place) {
  if (place < 0 || place > 8) return;
  currentPlace_ = place;
  clickerVisible_.fill(false);
  // Let the screen catch up; a tick that slips in here does nothing.
  enteringPlace_ = true;
  platform_.ProcessEvents();
  enteringPlace_ = false;
  // The player's frame moves down to the bottom left.
  picture2Top_ = kAreaHeightTwips - kFrameTwips - 300;
  // Zoom into the place.
  {
    ++pictureRevision_;
    QPainter p(&Canvas());
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.drawImage(picture1_.rect(), pictures_.Town(), kClickerRects[place].Pixels());
    pictureLog_.ZoomIn(place, kClickerRects[place].Pixels());
  }
  // The larger message box of the places.
  messageRect_ = {kMessageLabelStart.left, picture2Top_ + 100, kMessageLabelPlaceWidth,
                  kMessageLabelPlaceHeight};
  messageCaption_.clear();
  Form_Paint();
  // The person who lives here, unless nobody opens yet or the house is empty.
  if (place < 5) {
    oppPicVisible_[place] = true;
    picture4Visible_ = true;
    if (place == 3 && state_.YokotaStep == 0) picture4Visible_ = false;
    if (place == 4 && (state_.TakamineStep == 0 || state_.TakamineStep >= 100)) {
      picture4Visible_ = false;
    }
  }
  // The place's script begins on the next tick.
  messageText_.clear();
}

void ADVKorvane::ShowTownMap() {
  currentPlace_ = -1;
  picture4Visible_ = false;
  oppPicVisible_.fill(false);
  picture2Top_ = 0;
  messageRect_ = kMessageLabelMap;
  messageCaption_.clear();
  // The plain town picture erases the zoom and every drawn text.
  picture1_ = pictures_.Town().copy();
  pictureLog_.ClearToArt(ArtKind::Town);
  ++pictureRevision_;
  Form_Paint();
  // Every place whose time has come.
  for (int place : {6, 1, 0, 2, 7, 3, 8, 4, 5}) {
    if (HotSpotCondition(place)) clickerVisible_[place] = true;
  }
}

void ADVKorvane::ShowHotSpot(int place) {
  if (place >= 0 && place <= 8) clickerVisible_[place] = true;
}

void ADVKorvane::ShowPortrait(int oppPic) {
  if (oppPic < 0 || oppPic > 5) return;
  oppPicVisible_[oppPic] = true;
  picture4Visible_ = true;
}

void ADVKorvane::HidePortrait(bool alsoFrame) {
  oppPicVisible_.fill(false);
  if (alsoFrame) picture4Visible_ = false;
}

// The empty message box: the unzoomed map under the box, brightened by OR-ing the light tile.
void ADVKorvane::Form_Paint() {
  const QRect box = messageRect_.Pixels().intersected(Canvas().rect());
  if (box.isEmpty()) return;
  {
    ++pictureRevision_;
    QPainter p(&picture1_);
    p.drawImage(box.topLeft(), pictures_.Town(), box);
    p.setCompositionMode(QPainter::RasterOp_SourceOrDestination);
    p.drawImage(box, pictures_.LightTile());
    pictureLog_.Box(box);
  }
  boxRect_ = box;
  boxBackground_ = picture1_.copy(box);
}

}  // namespace korvane
