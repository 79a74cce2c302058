// Where the adventure window's controls sit. Rectangles are in twips (15 twips to a pixel at
// 96 dots per inch), as the window was laid out; Pixels() turns them into screen pixels.
#pragma once

#include <QRect>
#include <QString>
#include <array>

namespace korvane {

constexpr int kTwipsPerPixel = 15;

struct TwipRect {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
  QRect Pixels() const {
    return QRect(left / kTwipsPerPixel, top / kTwipsPerPixel, width / kTwipsPerPixel,
                 height / kTwipsPerPixel);
  }
  bool operator==(const TwipRect&) const = default;
};

// The whole window and the picture area (the map and scene surface) share this size.
constexpr int kAreaWidthTwips = 8700;
constexpr int kAreaHeightTwips = 6150;
// The town picture itself.
constexpr int kPictureWidth = 576;
constexpr int kPictureHeight = 406;

// Title layer.
constexpr TwipRect kPicture5Rect{2040, 1560, 4530, 2835};  // the title logo
constexpr TwipRect kCommand1Rect{1920, 5280, 1335, 495};   // "ニューゲーム"
constexpr TwipRect kCommand2Rect{3720, 5280, 1335, 495};   // "続きから" / "始める"
constexpr TwipRect kCommand3Rect{5520, 5280, 1335, 495};   // "ゲーム説明"
constexpr TwipRect kCommand4Rect{3720, 360, 1215, 375};    // music switch
constexpr TwipRect kCommand5Rect{3720, 720, 1215, 375};    // effect switch
constexpr TwipRect kFrame1Rect{2640, 4560, 3615, 615};     // "自分のプロフィール"
constexpr TwipRect kLabel1Rect{120, 270, 735, 255};        // inside Frame1
constexpr TwipRect kText1Rect{600, 240, 1575, 270};
constexpr TwipRect kLabel2Rect{2400, 270, 615, 255};
constexpr TwipRect kCombo1Rect{2880, 240, 615, 300};
// Our own switch of editions (English / 日本語), in pixels: the title's top right corner, clear
// of the described controls.
constexpr QRect kLanguageRect{506, 8, 66, 22};
constexpr QRect kPracticeRect{436, 8, 66, 22};

// Script engine.
constexpr TwipRect kMessageLabelStart{1680, 120, 4335, 975};
constexpr TwipRect kMessageLabelMap{1680, 120, 4095, 975};
constexpr int kMessageLabelPlaceHeight = 1250;
constexpr int kMessageLabelPlaceWidth = 6500;
constexpr std::array<TwipRect, 2> kChoiserRects{{{840, 2520, 2175, 735}, {5520, 2400, 2175, 735}}};
// Offsets of the three message lines below the top of the box, and their length.
constexpr std::array<int, 3> kLineOffsetTwips{30, 400, 770};
constexpr int kLineLength = 22;
constexpr int kShownCharacters = 66;

// Portrait frames: 1650 twips square, the 100 x 100 portrait inside at 80, 80.
constexpr int kFrameTwips = 1650;
constexpr TwipRect kPortraitInFrame{80, 80, 1500, 1500};
constexpr int kPlayerFrameLeft = 0;
// The other person stands at the top right of the scene, clear of the message box.
constexpr TwipRect kPicture4Rect{6750, 600, kFrameTwips, kFrameTwips};

// Town map hot spots, Clicker(0..8).
constexpr std::array<TwipRect, 9> kClickerRects{{
    {360, 4320, 1695, 1695},   // 0 高原さんの家
    {2040, 3480, 1455, 1335},  // 1 真道くんの家
    {3600, 4680, 1935, 1215},  // 2 風見くんの家
    {5880, 4440, 1815, 1575},  // 3 横田さんの家
    {4560, 2400, 1215, 975},   // 4 高峰さんの家
    {6000, 0, 1575, 1455},     // 5 古くからの大きな家
    {240, 3240, 1455, 975},    // 6 the player's own house
    {1800, 1200, 1095, 1095},  // 7 妖精の樹があるところ
    {6480, 2640, 1815, 1455},  // 8 コルヴァーン スクウェア
}};

// The title's three large buttons (the faces and the message sizes are in ui/fonts.h).
constexpr double kTitleButtonPointSize = 9.0;

}  // namespace korvane
