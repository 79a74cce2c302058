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

namespace assetgen {

namespace {

// A font of `family` at a whole pixel size, antialiased and unhinted so that every machine
// draws the same pixels.
QFont DrawingFont(const char* family, double pixelSize, bool bold) {
  QFont f(family);
  f.setPixelSize(int(pixelSize + 0.5));
  f.setBold(bold);
  f.setHintingPreference(QFont::PreferNoHinting);
  f.setStyleStrategy(QFont::PreferAntialias);
  return f;
}

}  // namespace

QFont GothicFont(double pixelSize, bool bold) { return DrawingFont("IPAPGothic", pixelSize, bold); }

QFont HandFont(double pixelSize, bool bold) { return DrawingFont("Klee One", pixelSize, bold); }

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

bool Generate(const QString& src, const QString& out, QString* error) {
  // Cards.
  std::vector<CardDef> cards = ReadCardTable(src + "/cards.tsv", error);
  if (cards.size() != 40) {
    if (error->isEmpty()) *error = "cards.tsv must hold forty cards";
    return false;
  }
  if (!SaveRgb(MakeCardMask(), out + "/cards/CardMask.png", error)) return false;
  for (const CardDef& c : cards) {
    if (!SaveRgb(MakeCardFace(c, false), out + "/cards/CardPic" + Two(c.id) + ".png", error) ||
        !SaveRgb(MakeCardFace(c, true), out + "/cards/ECardPic" + Two(c.id) + ".png", error))
      return false;
  }
  if (!SaveRgb(MakeCardBack(false), out + "/cards/CardPic40.png", error) ||
      !SaveRgb(MakeCardBack(true), out + "/cards/ECardPic40.png", error))
    return false;

  // Duel pictures.
  const struct {
    QImage image;
    const char* name;
  } duel[] = {{MakeFieldTile(QColor(0, 0, 255)), "duel/MyField.png"},
              {MakeFieldTile(QColor(255, 0, 0)), "duel/EnemyField.png"},
              {MakeCornerMask(), "duel/CornerMask.png"},
              {MakeCornerFrame(), "duel/CornerFrame.png"},
              {MakeBoard(), "duel/Board.png"},
              {MakeTown(), "adventure/Town.png"},
              {MakeLogo(), "adventure/Logo.png"},
              {MakeLightTile(), "adventure/LightTile.png"},
              {MakePortrait(6), "adventure/PlayerPic0.png"},
              {MakePortrait(7), "adventure/PlayerPic1.png"},
              {MakeIcon(), "icon.png"}};
  for (const auto& d : duel)
    if (!SaveRgb(d.image, out + "/" + d.name, error)) return false;
  for (int i = 0; i < 6; ++i)
    if (!SaveRgb(MakePortrait(i), out + "/adventure/OppPic" + QString::number(i) + ".png", error))
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
