// korvane-assetgen generate <assets-dir> <data-dir>   writes every picture, tune and effect
// korvane-assetgen contact <data-dir> <out.png> [cards.tsv]   renders the review sheet
// korvane-assetgen music <tune.txt> <out.mid>         compiles one tune
// korvane-assetgen effect <effect.txt> <out.wav>      synthesises one effect
// korvane-assetgen icons <out-dir> <name>             draws the desktop icon in every size
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <cstdio>

#include "tools/assetgen/assetgen.h"
#include "ui/fonts.h"

namespace assetgen {

namespace {

// A font of `family` at a whole pixel size, antialiased and unhinted so that every machine
// draws the same pixels.
QFont DrawingFont(const QString& family, double pixelSize, bool bold) {
  QFont f(family);
  f.setPixelSize(int(pixelSize + 0.5));
  f.setBold(bold);
  f.setHintingPreference(QFont::PreferNoHinting);
  f.setStyleStrategy(QFont::PreferAntialias);
  return f;
}

}  // namespace

// The game's own two faces (ui/fonts.h), drawn into the pictures.
QFont GothicFont(double pixelSize, bool bold) {
  return DrawingFont(korvane::GothicFamily(), pixelSize, bold);
}

QFont HandFont(double pixelSize, bool bold) {
  return DrawingFont(korvane::HandwritingFamily(), pixelSize, bold);
}

bool SaveRgb(const QImage& image, const QString& path, QString* error) {
  QImage rgb = image.convertToFormat(QImage::Format_RGB888);
  QDir().mkpath(QFileInfo(path).absolutePath());
  if (!rgb.save(path, "PNG")) {
    *error = "cannot write " + path;
    return false;
  }
  return true;
}

namespace {

QString Two(int n) { return QString("%1").arg(n, 2, 10, QChar('0')); }

// "CardPic00.png" at 1x, "CardPic00@2x.png" at 2x.
QString Scaled(const QString& name, int scale) {
  if (scale == 1) return name;
  return name.left(name.size() - 4) + "@" + QString::number(scale) + "x.png";
}

bool Generate(const QString& src, const QString& out, QString* error) {
  // Cards.
  std::vector<CardDef> cards = ReadCardTable(src + "/cards.tsv", error);
  if (cards.size() != 40) {
    if (error->isEmpty()) *error = "cards.tsv must hold forty cards";
    return false;
  }
  // Pictures at 1x, and drawn again at 2x and 3x for zoomed and high-density screens.
  for (int s = 1; s <= 3; ++s) {
    auto save = [&](const QImage& image, const QString& name) {
      return SaveRgb(image, out + "/" + Scaled(name, s), error);
    };
    if (!save(MakeCardMask(s), "cards/CardMask.png")) return false;
    for (const CardDef& c : cards) {
      if (!save(MakeCardFace(c, false, s), "cards/CardPic" + Two(c.id) + ".png") ||
          !save(MakeCardFace(c, true, s), "cards/ECardPic" + Two(c.id) + ".png"))
        return false;
    }
    if (!save(MakeCardBack(false, s), "cards/CardPic40.png") ||
        !save(MakeCardBack(true, s), "cards/ECardPic40.png"))
      return false;

    // Duel pictures and the adventure's.
    const struct {
      QImage image;
      const char* name;
    } pictures[] = {{MakeFieldTile(QColor(0, 0, 255), s), "duel/MyField.png"},
                    {MakeFieldTile(QColor(255, 0, 0), s), "duel/EnemyField.png"},
                    {MakeCornerMask(s), "duel/CornerMask.png"},
                    {MakeCornerFrame(s), "duel/CornerFrame.png"},
                    {MakeBoard(s), "duel/Board.png"},
                    {MakeTown(s), "adventure/Town.png"},
                    {MakeLogo(s), "adventure/Logo.png"},
                    {MakeLogo(s, true), "adventure/Logo_en.png"},
                    {MakeLightTile(s), "adventure/LightTile.png"},
                    {MakePortrait(6, s), "adventure/PlayerPic0.png"},
                    {MakePortrait(7, s), "adventure/PlayerPic1.png"}};
    for (const auto& d : pictures)
      if (!save(d.image, d.name)) return false;
    for (int i = 0; i < 6; ++i)
      if (!save(MakePortrait(i, s), "adventure/OppPic" + QString::number(i) + ".png")) return false;
  }
  if (!SaveRgb(MakeIcon(), out + "/icon.png", error)) return false;
  // Entering a place blows its hot spot up to the whole picture: drawn at 3x of that.
  for (int i = 0; i < 9; ++i)
    if (!SaveRgb(MakeTownCloseUp(i, 3), out + "/adventure/CloseUp" + QString::number(i) + "@3x.png",
                 error))
      return false;

  // Music and effects.
  for (const char* m : {"opening", "BGM", "ending", "takahara", "shindo", "kazami", "yokota",
                        "takamine", "hayami"}) {
    if (!CompileMusic(src + "/music/" + m + ".txt", out + "/" + m + ".mid", error)) return false;
  }
  for (const char* w : {"co", "mmyw", "mmyw2", "idid", "bboo", "tooon", "Youdid"}) {
    if (!SynthesiseEffect(src + "/sfx/" + w + ".txt", out + "/" + w + ".wav", error)) return false;
  }
  return true;
}

}  // namespace
}  // namespace assetgen

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  // Build machines often have no session runtime folder; give Qt a private one so that it
  // does not warn on every build.
  QTemporaryDir runtimeDir;
  if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR") && runtimeDir.isValid())
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtimeDir.path()));
  QGuiApplication app(argc, argv);
  const QStringList args = app.arguments();
  const QString command = args.value(1);
  const bool argsOk = args.size() == 4 || (command == "contact" && args.size() == 5);
  if (!argsOk ||
      !QStringList{"generate", "contact", "music", "effect", "icons"}.contains(command)) {
    std::fprintf(stderr,
                 "usage: korvane-assetgen generate <assets-dir> <data-dir>\n"
                 "       korvane-assetgen contact <data-dir> <out.png> [cards.tsv]\n"
                 "       korvane-assetgen music <tune.txt> <out.mid>\n"
                 "       korvane-assetgen effect <effect.txt> <out.wav>\n"
                 "       korvane-assetgen icons <out-dir> <name>\n");
    return 2;
  }
  QString error;
  bool ok = false;
  if (command == "generate")
    ok = assetgen::Generate(args[2], args[3], &error);
  else if (command == "contact")
    ok = assetgen::MakeContactSheet(args[2], args[3], args.value(4), &error);
  else if (command == "icons")
    ok = assetgen::WriteAppIcons(args[2], args[3], &error);
  else if (command == "music")
    ok = assetgen::CompileMusic(args[2], args[3], &error);
  else
    ok = assetgen::SynthesiseEffect(args[2], args[3], &error);
  if (!ok) {
    std::fprintf(stderr, "korvane-assetgen: %s\n", qPrintable(error));
    return 1;
  }
  return 0;
}
