#include "album/album_window.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <algorithm>
#include <cmath>

#include "album/album.h"
#include "ui/card_pictures.h"
#include "ui/fonts.h"
#include "ui/rules_page.h"
#include "ui/sharp_art.h"
#include "ui/view_zoom.h"

namespace korvane {
namespace {

// The game's colours: light grey windows, the black deck list with pale cyan captions.
const QColor kGrey(192, 192, 192);
const QColor kCaption(192, 255, 255);
const QColor kLacking(255, 192, 128);
const QColor kMasterMark(255, 200, 0);
const QColor kEndingMark(208, 32, 32);

constexpr int kMargin = 8;
constexpr int kColumns = 3;
constexpr int kCellHeight = 92;
constexpr int kPicture = 80;
constexpr int kGridTop = 56;
constexpr int kGridHeight = 300;
constexpr int kRecordTop = 364;

// A small filled square with one character, the marks of the album: black on the light gold of
// the master's mark, white on the red of the ending's.
void DrawMark(QPainter& p, int x, int y, const QColor& colour, const QString& text) {
  p.fillRect(x, y, 15, 15, colour);
  p.setPen(colour == kMasterMark ? Qt::black : Qt::white);
  p.setFont(GothicFont(12, true));
  p.drawText(QRect(x, y, 15, 15), Qt::AlignCenter, text);
}

// The forty cards, painted on black like the deck list. Painted in 1x pixels, scaled by the
// zoom; `width` is the grid's width on the screen.
class CardGrid : public QWidget {
 public:
  CardGrid(const Album& album, const CardPictures& pictures, int width, double zoom,
           const SharpArt* art)
      : album_(album), pictures_(pictures), zoom_(zoom), art_(art) {
    const int rows = (kCardKinds + kColumns - 1) / kColumns;
    setFixedSize(width, int(std::ceil(rows * kCellHeight * zoom)));
    setAttribute(Qt::WA_OpaquePaintEvent);
  }

 protected:
  void paintEvent(QPaintEvent* e) override {
    QPainter p(this);
    p.fillRect(e->rect(), Qt::black);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.scale(zoom_, zoom_);
    const QRectF dirty(e->rect().x() / zoom_, e->rect().y() / zoom_, e->rect().width() / zoom_,
                       e->rect().height() / zoom_);
    const int cellWidth = int(width() / zoom_) / kColumns;
    for (const AlbumCard& card : album_.Cards()) {
      const QRect cell((card.Id % kColumns) * cellWidth, (card.Id / kColumns) * kCellHeight,
                       cellWidth, kCellHeight);
      if (dirty.intersects(cell)) PaintCell(p, cell, card);
    }
  }

 private:
  // The card's picture: the sharp one when the album is drawn large enough to need it.
  const QImage& Picture(int id) const {
    const double scale = zoom_ * devicePixelRatioF();
    if (art_ && scale >= 1.5) return art_->Get({ArtKind::Card, id}, SharpArt::ArtScaleFor(scale));
    return pictures_.Card(id);
  }

  void PaintCell(QPainter& p, const QRect& cell, const AlbumCard& card) {
    const int x = cell.x() + 6, y = cell.y() + 6;
    // A card the player lacks is shown dimmed.
    p.setOpacity(card.Owned > 0 ? 1.0 : 0.4);
    p.drawImage(QRect(x, y, kPicture, kPicture), Picture(card.Id));
    p.setOpacity(1.0);
    const int tx = x + kPicture + 6, tw = cell.right() - tx - 2;
    p.setPen(kCaption);
    p.setFont(GothicFont(13, true));
    p.drawText(QRect(tx, y, tw, 16), Qt::AlignLeft | Qt::AlignVCenter,
               QFontMetrics(p.font()).elidedText(card.Name, Qt::ElideRight, tw));
    p.setFont(GothicFont(12));
    p.drawText(
        QRect(tx, y + 17, tw, 15), Qt::AlignLeft | Qt::AlignVCenter,
        QCoreApplication::translate("Album", "#%1　%2").arg(card.Id).arg(Album::SidesText(card)));
    int markX = tx;
    if (card.Owned > 0) {
      p.setPen(Qt::white);
      const QString owned = QCoreApplication::translate("Album", "持っている %1枚").arg(card.Owned);
      p.drawText(QRect(tx, y + 33, tw, 15), Qt::AlignLeft | Qt::AlignVCenter, owned);
      markX += QFontMetrics(p.font()).horizontalAdvance(owned) + 6;
    } else {
      p.setPen(kLacking);
      const QString lacking = QCoreApplication::translate("Album", "持っていない");
      p.drawText(QRect(tx, y + 33, tw, 15), Qt::AlignLeft | Qt::AlignVCenter, lacking);
      markX += QFontMetrics(p.font()).horizontalAdvance(lacking) + 6;
      p.setPen(kCaption);
      p.setFont(GothicFont(11));
      p.drawText(QRect(tx, y + 49, tw, 30), Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap,
                 Album::HoldersText(card));
    }
    if (card.MasterOnly) {
      DrawMark(p, markX, y + 33, kMasterMark, QStringLiteral("※"));
      markX += 18;
    }
    if (card.EndingMissing())
      DrawMark(p, markX, y + 33, kEndingMark, QCoreApplication::translate("Album", "未"));
  }

  const Album& album_;
  const CardPictures& pictures_;
  double zoom_;
  const SharpArt* art_;
};

const char* const kRecordHeads[] = {
    QT_TRANSLATE_NOOP("Album", "対戦"),   QT_TRANSLATE_NOOP("Album", "勝ち"),
    QT_TRANSLATE_NOOP("Album", "負け"),   QT_TRANSLATE_NOOP("Album", "引分"),
    QT_TRANSLATE_NOOP("Album", "完勝"),   QT_TRANSLATE_NOOP("Album", "完敗"),
    QT_TRANSLATE_NOOP("Album", "獲得"),   QT_TRANSLATE_NOOP("Album", "喪失"),
    QT_TRANSLATE_NOOP("Album", "ヒント"), QT_TRANSLATE_NOOP("Album", "正確さ"),
    QT_TRANSLATE_NOOP("Album", "悪手"),   QT_TRANSLATE_NOOP("Album", "大悪手")};
constexpr int kRecordColumns = sizeof(kRecordHeads) / sizeof(kRecordHeads[0]);

}  // namespace

class AlbumPage : public QWidget {
 public:
  AlbumPage(const GameState& game, const Statistics* statistics, const CardTable& cards,
            double zoom, QWidget* parent)
      : QWidget(parent), album(game, cards, statistics), statistics_(statistics), zoom_(zoom) {}
  Album album;

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter p(this);
    p.fillRect(rect(), kGrey);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.scale(zoom_, zoom_);
    p.setPen(Qt::black);
    p.setFont(GothicFont(18, true));
    p.drawText(QRect(kMargin, 6, 300, 24), Qt::AlignLeft | Qt::AlignVCenter,
               album.Master() ? QCoreApplication::translate("Album", "カードアルバム　※マスター")
                              : QCoreApplication::translate("Album", "カードアルバム"));
    p.setFont(GothicFont(14, true));
    p.drawText(QRect(kMargin, 6, AlbumWindow::kWidth - 2 * kMargin, 24),
               Qt::AlignRight | Qt::AlignVCenter, album.TotalsText());
    // The legend, with the marks as they appear on the cards.
    p.setFont(GothicFont(12));
    int x = kMargin;
    auto legend = [&](const QColor* mark, const QString& markText, const QString& text) {
      if (mark) {
        DrawMark(p, x, 34, *mark, markText);
        x += 18;
      }
      p.setPen(Qt::black);
      p.setFont(GothicFont(12));
      p.drawText(QRect(x, 34, 400, 15), Qt::AlignLeft | Qt::AlignVCenter, text);
      x += QFontMetrics(p.font()).horizontalAdvance(text) + 14;
    };
    legend(&kMasterMark, QStringLiteral("※"),
           QCoreApplication::translate("Album", "マスターだけが出会える"));
    legend(&kEndingMark, QCoreApplication::translate("Album", "未"),
           QCoreApplication::translate("Album", "エンディングの一覧に載る（あと%1種類）")
               .arg(album.EndingMissing()));
    legend(nullptr, {}, QCoreApplication::translate("Album", "辺は上・右・下・左"));
    PaintRecord(p);
  }

 private:
  void PaintRecord(QPainter& p) {
    p.setPen(Qt::black);
    p.setFont(GothicFont(14, true));
    p.drawText(QRect(kMargin, kRecordTop, 200, 20), Qt::AlignLeft | Qt::AlignVCenter,
               QCoreApplication::translate("Album", "対戦成績"));
    p.setFont(GothicFont(11));
    QString note = QCoreApplication::translate(
        "Album", "完勝・完敗は5対0（不戦敗は完敗）、獲得・喪失はカードの枚数");
    if (statistics_ && !statistics_->WriteError().isEmpty()) {
      p.setPen(kEndingMark);
      note = QCoreApplication::translate("Album", "記録を保存できません: ") +
             statistics_->WriteError();
    }
    p.drawText(QRect(kMargin + 80, kRecordTop, AlbumWindow::kWidth - 2 * kMargin - 170, 20),
               Qt::AlignLeft | Qt::AlignVCenter,
               QFontMetrics(p.font()).elidedText(note, Qt::ElideRight, AlbumWindow::kWidth - 390));

    const int top = kRecordTop + 24, rowHeight = 20, nameWidth = 112;
    const int columnWidth = (AlbumWindow::kWidth - 2 * kMargin - nameWidth) / kRecordColumns;
    const int tableWidth = nameWidth + kRecordColumns * columnWidth;
    const std::vector<AlbumRecordRow> rows = album.RecordRows();
    p.fillRect(kMargin, top, tableWidth, rowHeight * static_cast<int>(rows.size() + 1), Qt::white);
    p.fillRect(kMargin, top, tableWidth, rowHeight, QColor(0, 0, 128));
    p.setPen(Qt::white);
    p.setFont(GothicFont(12, true));
    p.drawText(QRect(kMargin + 4, top, nameWidth, rowHeight), Qt::AlignLeft | Qt::AlignVCenter,
               QCoreApplication::translate("Album", "相手"));
    for (int i = 0; i < kRecordColumns; ++i) {
      p.drawText(QRect(kMargin + nameWidth + i * columnWidth, top, columnWidth - 6, rowHeight),
                 Qt::AlignRight | Qt::AlignVCenter,
                 QCoreApplication::translate("Album", kRecordHeads[i]));
    }
    for (size_t r = 0; r < rows.size(); ++r) {
      const int y = top + rowHeight * static_cast<int>(r + 1);
      const bool total = r + 1 == rows.size();
      if (total) p.fillRect(kMargin, y, tableWidth, rowHeight, QColor(224, 224, 224));
      p.setPen(QColor(160, 160, 160));
      p.drawLine(kMargin, y, kMargin + tableWidth - 1, y);
      p.setPen(Qt::black);
      p.setFont(GothicFont(12, total));
      p.drawText(QRect(kMargin + 4, y, nameWidth, rowHeight), Qt::AlignLeft | Qt::AlignVCenter,
                 rows[r].Name);
      const OpponentRecord& o = rows[r].Record;
      const std::optional<double> accuracy = o.AverageAccuracy();
      const QString figures[kRecordColumns] = {
          QString::number(o.Duels),
          QString::number(o.Wins),
          QString::number(o.Losses),
          QString::number(o.Draws),
          QString::number(o.PerfectWins),
          QString::number(o.PerfectLosses),
          QString::number(o.CardsWon),
          QString::number(o.CardsLost),
          QString::number(o.Hints),
          accuracy ? QStringLiteral("%1%").arg(qRound(*accuracy * 100)) : QStringLiteral("－"),
          QString::number(o.Mistakes),
          QString::number(o.Blunders)};
      for (int i = 0; i < kRecordColumns; ++i) {
        p.drawText(QRect(kMargin + nameWidth + i * columnWidth, y, columnWidth - 6, rowHeight),
                   Qt::AlignRight | Qt::AlignVCenter, figures[i]);
      }
    }
    p.setPen(Qt::black);
    p.setBrush(Qt::NoBrush);
    p.drawRect(kMargin, top, tableWidth - 1, rowHeight * static_cast<int>(rows.size() + 1) - 1);
  }

  const Statistics* statistics_;
  double zoom_;
};

AlbumWindow::AlbumWindow(const GameState& game, const Statistics* statistics,
                         const CardPictures& pictures, const CardTable& cards, QWidget* parent,
                         double zoom, const SharpArt* art)
    : QDialog(parent),
      game_(game),
      statistics_(statistics),
      pictures_(pictures),
      cards_(cards),
      art_(art),
      zoom_(zoom > 0 ? zoom : 1) {
  setWindowTitle(QCoreApplication::translate("Album", "カードアルバム"));
  Build();
}

void AlbumWindow::Build() {
  // Laid out at the zoom as the windows are.
  const auto at = [this](int x, int y, int w, int h) { return ZoomRect(QRect(x, y, w, h), zoom_); };
  const auto font = [this](int pixels, bool bold = false) {
    return ZoomFont(GothicFont(pixels, bold), zoom_);
  };
  setFixedSize(at(0, 0, kWidth, kHeight).size());
  setFont(font(12));
  auto* page = new AlbumPage(game_, statistics_, cards_, zoom_, this);
  page_ = page;
  page->setGeometry(rect());

  scroll_ = new QScrollArea(page);
  scroll_->setObjectName(QStringLiteral("AlbumCards"));
  scroll_->setGeometry(at(kMargin, kGridTop, kWidth - 2 * kMargin, kGridHeight));
  scroll_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  scroll_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  scroll_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  scroll_->setFocusPolicy(Qt::NoFocus);
  QPalette black = scroll_->palette();
  black.setColor(QPalette::Window, Qt::black);
  scroll_->setPalette(black);
  const int gridWidth = scroll_->width() - scroll_->verticalScrollBar()->sizeHint().width() -
                        2 * scroll_->frameWidth();
  scroll_->setWidget(new CardGrid(page->album, pictures_, gridWidth, zoom_, art_));
  scroll_->verticalScrollBar()->setSingleStep(int(std::lround(kCellHeight * zoom_ / 4)));
  scroll_->verticalScrollBar()->setPageStep(
      int(std::lround((kGridHeight - kCellHeight / 2) * zoom_)));

  auto* close = new QPushButton(QCoreApplication::translate("Album", "閉じる"), page);
  close->setObjectName(QStringLiteral("AlbumClose"));
  close->setFont(font(12, true));
  close->setFocusPolicy(Qt::NoFocus);
  close->setGeometry(at(kWidth - kMargin - 81, kRecordTop - 4, 81, 26));
  connect(close, &QPushButton::clicked, this, &QDialog::reject);
  if (onPractice_) {
    auto* practice = new QPushButton(QCoreApplication::translate("Practice", "練習試合"), page);
    practice->setObjectName(QStringLiteral("AlbumPractice"));
    practice->setFont(font(12));
    practice->setFocusPolicy(Qt::NoFocus);
    practice->setToolTip(QCoreApplication::translate("Practice", "物語の外で練習する（P キー）"));
    practice->setGeometry(at(kWidth - kMargin - 81 - 6 - 100 - 6 - 90, kRecordTop - 4, 90, 26));
    connect(practice, &QPushButton::clicked, this, [this] { onPractice_(this); });
  }
  if (onRecordedDuels_) {
    auto* duels = new QPushButton(QCoreApplication::translate("Album", "対戦の記録"), page);
    duels->setObjectName(QStringLiteral("AlbumDuels"));
    duels->setFont(font(12));
    duels->setFocusPolicy(Qt::NoFocus);
    duels->setToolTip(QCoreApplication::translate("Album", "記録した対戦を振り返る（D キー）"));
    duels->setGeometry(at(kWidth - kMargin - 81 - 6 - 100, kRecordTop - 4, 100, 26));
    connect(duels, &QPushButton::clicked, this, [this] { onRecordedDuels_(this); });
  }
  page->show();
}

void AlbumWindow::SetRecordedDuels(std::function<void(QWidget* over)> open) {
  onRecordedDuels_ = std::move(open);
  Relayout();
}

void AlbumWindow::SetPuzzles(std::function<void(QWidget* over)> open) {
  onPuzzles_ = std::move(open);
}

void AlbumWindow::SetPractice(std::function<void(QWidget* over)> open) {
  onPractice_ = std::move(open);
  Relayout();
}

void AlbumWindow::Follow(ViewZoom* zoom) {
  if (follow_ || !zoom) return;
  follow_ = zoom;
  FollowZoom(this, zoom, [this](double z) {
    const QScreen* s = screen();
    SetZoom(ZoomFor(z, s ? s->availableGeometry().size() : QSize()));
  });
}

void AlbumWindow::SetZoom(double zoom) {
  if (zoom <= 0 || zoom == zoom_) return;
  zoom_ = zoom;
  Relayout();
}

void AlbumWindow::Relayout() {
  const QScrollBar* bar = scroll_->verticalScrollBar();
  const double place = bar->maximum() > 0 ? double(bar->value()) / bar->maximum() : 0;
  const QPoint centre = geometry().center();
  delete page_;
  Build();
  QScrollBar* moved = scroll_->verticalScrollBar();
  moved->setValue(int(std::lround(place * moved->maximum())));
  if (isVisible()) move(centre - rect().center());
}

double AlbumWindow::ZoomFor(double zoom, QSize available) {
  return ZoomToFit(zoom, QSize(kWidth, kHeight), available);
}

void AlbumWindow::keyPressEvent(QKeyEvent* event) {
  QScrollBar* bar = scroll_->verticalScrollBar();
  const int row = int(std::lround(kCellHeight * zoom_));
  switch (event->key()) {
    case Qt::Key_Up:
      bar->setValue(bar->value() - row);
      break;
    case Qt::Key_Down:
      bar->setValue(bar->value() + row);
      break;
    case Qt::Key_PageUp:
      bar->triggerAction(QAbstractSlider::SliderPageStepSub);
      break;
    case Qt::Key_D:
      if (onRecordedDuels_) onRecordedDuels_(this);
      break;
    case Qt::Key_P:
      if (onPractice_) onPractice_(this);
      break;
    case Qt::Key_Z:
      if (onPuzzles_) onPuzzles_(this);
      break;
    case Qt::Key_PageDown:
    case Qt::Key_Space:
      bar->triggerAction(QAbstractSlider::SliderPageStepAdd);
      break;
    case Qt::Key_Home:
      bar->setValue(bar->minimum());
      break;
    case Qt::Key_End:
      bar->setValue(bar->maximum());
      break;
    case Qt::Key_F3:  // the rules at a glance, as in the duel
      ShowRulesPage(this, pictures_, &cards_, zoom_);
      break;
    default:
      QDialog::keyPressEvent(event);  // Esc closes
  }
}

AlbumWindow* ShowAlbum(QWidget* parent, const GameState& game, const Statistics& statistics,
                       const CardPictures& pictures, const CardTable& cards, double zoom,
                       const SharpArt* art, ViewZoom* follow) {
  const QScreen* screen = parent ? parent->screen() : nullptr;
  zoom = AlbumWindow::ZoomFor(zoom, screen ? screen->availableGeometry().size() : QSize());
  auto* window = new AlbumWindow(game, &statistics, pictures, cards, parent, zoom, art);
  window->Follow(follow);
  window->setAttribute(Qt::WA_DeleteOnClose);
  window->open();
  return window;
}

}  // namespace korvane
