// ADVKorvaneWindow: the thin Qt view of the adventure window. It mirrors ADVKorvane onto real
// widgets, forwards clicks and pointer moves, and owns Timer1.
#pragma once

#include <QPointer>
#include <QRect>
#include <QTimer>
#include <QWidget>
#include <array>
#include <functional>
#include <map>
#include <optional>

#include "adventure/adv_korvane.h"
#include "ui/window_links.h"

class QComboBox;
class QFrame;
class QPainter;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace korvane {

class PictureView;
class SharpArt;
class ViewZoom;
class ZoomStage;

class ADVKorvaneWindow : public QWidget {
 public:
  // `zoom` and `art` as for UseZoom, taken before the window first shows itself.
  explicit ADVKorvaneWindow(ADVKorvane& logic, ViewZoom* zoom = nullptr,
                            const SharpArt* art = nullptr, QWidget* parent = nullptr);

  // Mirror the logic's state onto the widgets.
  void Sync();
  // Starts Timer1 (the logic says the interval).
  void StartTimer();
  // Follows `zoom` (Ctrl+Plus, Ctrl+Minus, Ctrl+0, F11) and paints the picture, the portraits and
  // the logo from `art`, with the close-ups of the places (either may be null).
  void UseZoom(ViewZoom* zoom, const SharpArt* art);
  double Zoom() const;
  ADVKorvane& Logic() { return logic_; }
  // Runs once the window has accepted its close (the program ends then).
  std::function<void()> OnClosed;
  // The title's language switch: asks the program for the edition "ja" or "en" and returns
  // whether it is in use now. Without it the title offers no switch.
  std::function<bool(const QString& language)> ChooseLanguage;
  // Practice duels from the title (a small button beside the edition's, and F4).
  std::function<void(QWidget* over)> OnPractice;
  // The puzzles (詰めKORVANE) from the title: a small button beside that, and F5.
  std::function<void(QWidget* over)> OnPuzzles;
  // The on-screen letters for the name box (F6 in the profile; opened by itself when a
  // controller is attached as the profile appears).
  void OpenNamePicker();
  // The other edition, as the title's switch and its key (F3) choose it.
  void SwitchLanguage();
  // The album, by its button or the A key, while the town map waits for the player.
  AlbumOpener OnAlbum;
  void OpenAlbum();
  // The album's small button on the map, at 1x inside Picture1: the top right corner, clear of
  // the places and the message box.
  static constexpr QRect kAlbumButton{512, 4, 60, 22};

  // The marks on the map over the places where something happens now (story::PlacesWorthAVisit),
  // a help of the view that the player can switch off with M; the choice is told to
  // OnMapMarksChosen to be remembered.
  void SetMapMarks(bool on);
  bool MapMarks() const { return mapMarks_; }
  std::function<void(bool on)> OnMapMarksChosen;
  // The places marked now: none unless the map waits for the player and the marks are on.
  std::array<bool, 9> MarkedPlaces() const;
  // The line under the map's message box that tells a new player how to go in: shown on the map
  // until the first place has been entered.
  bool FirstTimeLineShown() const;

 protected:
  void closeEvent(QCloseEvent* event) override;
  // The keyboard (adventure/adv_keys.cpp): keys for this window are looked at before the
  // control with the focus sees them.
  bool eventFilter(QObject* watched, QEvent* event) override;
  // A new translation: the title's texts are written again at once.
  void changeEvent(QEvent* event) override;

 private:
  void SetUpKeys();
  bool HandleKey(int key, Qt::KeyboardModifiers modifiers);
  bool MapKey(int key);
  bool ChoiceKey(int key);
  void PaintHotSpot(QPainter& p, int place, QSize size) const;
  void PaintMapCursor(QPainter& p, int place, QSize size) const;
  void SetMapCursor(int place);
  // adventure/adv_map_marks.cpp: the marks and the first-time line follow the logic.
  void SyncMapHelp();
  void PaintFirstTimeLine(QPainter& p) const;
  // A new question starts with no answer selected, whatever had the keyboard's focus before.
  void SyncChoiceSelection();
  void BuildTitle();
  // What a screen reader reads and hears (adventure/adv_window_access.cpp).
  void BuildAccess();
  void SyncAccess();
  void Retranslate();
  void BuildPicture();
  void PaintPicture1(QPainter& p);
  void PaintPortrait(QPainter& p, const QImage* portrait, const QString& name);
  void ShowLogo();
  static QString LogoFile();
  void Tick();
  // After a change of the zoom or the end of a full screen: the window centred where it stood
  // before the change, inside the screen, not left at the corner the full screen had it in.
  void KeepCentre();
  // Runs a handler of the logic, then mirrors it. A fault of the game's arithmetic ends the
  // program with a report.
  void Forward(const std::function<void()>& handler);

  ADVKorvane& logic_;
  ZoomStage* zoom_ = nullptr;
  const SharpArt* sharpArt_ = nullptr;
  QFrame* border_ = nullptr;
  PictureView* picture1_ = nullptr;
  QLabel* picture5_ = nullptr;
  std::array<QPushButton*, 5> commands_{};
  QGroupBox* frame1_ = nullptr;
  QLabel* label1_ = nullptr;
  QLineEdit* text1_ = nullptr;
  QLabel* label2_ = nullptr;
  QComboBox* combo1_ = nullptr;
  QPushButton* language_ = nullptr;
  QPushButton* practice_ = nullptr;
  QPushButton* puzzles_ = nullptr;
  QPointer<QWidget> picker_;  // the on-screen name picker, while it is open
  std::array<PictureView*, 9> clickers_{};
  std::array<QPushButton*, 2> choisers_{};
  QPushButton* albumButton_ = nullptr;
  QPointer<QWidget> album_;
  PictureView* picture2_ = nullptr;
  PictureView* picture4_ = nullptr;
  QTimer timer1_;
  int shownRevision_ = -1;              // the Picture1 revision on screen
  uint64_t shownSteps_ = ~uint64_t(0);  // the picture log's revision on screen
  QImage sharp_;                        // Picture1's steps at the zoom
  struct PortraitCache {
    const QImage* from = nullptr;
    QImage image;
  };
  std::map<QString, PortraitCache> portraits_;  // the portraits at the zoom
  uint64_t sharpSteps_ = ~uint64_t(0);
  double sharpScale_ = 0;
  // Until the window has its zoom (the end of its construction) there is no logo to show yet.
  bool zoomed_ = false;
  std::array<int, 2> shownPortraits_{-2, -2};  // the player's and the other portrait painted
  int mapCursor_ = -1;                         // the place chosen on the map by key
  bool mapMarks_ = true;
  std::array<bool, 9> worth_{};  // the places worth a visit, as the map was last arrived at
  bool wasOnMap_ = false;
  bool enteredOnce_ = false;  // a place has been entered in this run
  bool asking_ = false;       // the choices were up at the last Sync
  QPointer<ViewZoom> zoomSource_;
  std::optional<QPoint> centre_;  // the window's centre before the last change of the zoom
  bool shownFull_ = false;        // the window was last laid out for a full screen
  QString spokenMessage_;         // the message said last to a screen reader
  bool spokenChoices_ = false;    // the question up now has been said
  int spokenMapCursor_ = -1;
};

}  // namespace korvane
