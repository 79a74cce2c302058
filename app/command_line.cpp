#include "app/command_line.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QGuiApplication>
#include <cstdio>

namespace korvane {

const char kAppId[] = KORVANE_APP_ID;

void SetApplicationIdentity() {
  QCoreApplication::setApplicationName(QStringLiteral("korvane"));
  QCoreApplication::setApplicationVersion(QStringLiteral(KORVANE_VERSION));
  // Lets Wayland compositors and task bars match the window to the desktop entry.
  QGuiApplication::setDesktopFileName(QString::fromLatin1(kAppId));
}

namespace {

// Every option of the game in one place: a new option is one member and one addOption line.
struct Options {
  QCommandLineParser parser;
  QCommandLineOption help = parser.addHelpOption();
  QCommandLineOption version = parser.addVersionOption();
  QCommandLineOption quitAfterTitle{
      QStringLiteral("quit-after-title"),
      QStringLiteral("Start, wait until the title window is shown, print one line about it and "
                     "quit (a check that an installation works; saves nothing).")};

  QCommandLineOption language{
      QStringLiteral("lang"),
      QStringLiteral("Play the Japanese (ja, the default) or the English (en) edition, and keep "
                     "that choice for later starts."),
      QStringLiteral("ja|en")};

  Options() {
    parser.setApplicationDescription(QStringLiteral(
        "KORVANE: card duels on a diamond board and a small adventure around them."));
    parser.addOption(quitAfterTitle);
    parser.addOption(language);
  }
};

void Print(std::FILE* stream, const QString& text) {
  std::fputs(text.toLocal8Bit().constData(), stream);
  std::fflush(stream);
}

// Qt's options, as QGuiApplication, QApplication and the X11 platform take them (each also
// written with two dashes): those followed by a value, those that stand alone, and those written
// with "=" and their value.
const QStringList kQtOptionsWithValue = {
    QStringLiteral("platform"),
    QStringLiteral("platformpluginpath"),
    QStringLiteral("platformtheme"),
    QStringLiteral("plugin"),
    QStringLiteral("qwindowgeometry"),
    QStringLiteral("geometry"),
    QStringLiteral("qwindowtitle"),
    QStringLiteral("title"),
    QStringLiteral("qwindowicon"),
    QStringLiteral("icon"),
    QStringLiteral("session"),
    QStringLiteral("display"),
    QStringLiteral("name"),
    QStringLiteral("visual"),
    QStringLiteral("style"),
    QStringLiteral("stylesheet"),
};
const QStringList kQtFlags = {
    QStringLiteral("reverse"), QStringLiteral("testability"), QStringLiteral("sync"),
    QStringLiteral("nograb"),  QStringLiteral("dograb"),      QStringLiteral("widgetcount"),
};
const QStringList kQtJoined = {QStringLiteral("style"), QStringLiteral("stylesheet"),
                               QStringLiteral("qmljsdebugger")};

// --help and --version; the parser has seen the whole command line.
std::optional<int> AnswerInfo(Options& o, QCoreApplication& core) {
  if (o.parser.isSet(QStringLiteral("help-all"))) o.parser.process(core);  // prints, exits 0
  if (o.parser.isSet(o.help)) {
    Print(stdout, o.parser.helpText());
    return 0;
  }
  if (o.parser.isSet(o.version)) {
    Print(stdout, QCoreApplication::applicationName() + QLatin1Char(' ') +
                      QCoreApplication::applicationVersion() + QLatin1Char('\n'));
    return 0;
  }
  return std::nullopt;
}

}  // namespace

QStringList WithoutQtOptions(const QStringList& arguments) {
  QStringList out;
  for (qsizetype i = 0; i < arguments.size(); ++i) {
    const QString& a = arguments[i];
    const bool dashed = a.startsWith(QLatin1Char('-')) && a.size() > 1 && a != QLatin1String("--");
    if (i == 0 || !dashed) {
      out << a;
      continue;
    }
    const QString name = a.mid(a.startsWith(QLatin1String("--")) ? 2 : 1);
    if (kQtOptionsWithValue.contains(name) && i + 1 < arguments.size()) {
      ++i;  // its value goes with it
      continue;
    }
    if (kQtFlags.contains(name)) continue;
    const qsizetype equals = name.indexOf(QLatin1Char('='));
    if (equals > 0 && kQtJoined.contains(name.left(equals))) continue;
    out << a;
  }
  return out;
}

std::optional<int> ReadCommandLine(int& argc, char** argv, CommandLine* out) {
  // A console-only application reads the arguments as Qt does and gives the help text the
  // program's name, with no display.
  QCoreApplication core(argc, argv);
  Options o;
  o.parser.parse(WithoutQtOptions(core.arguments()));
  if (const auto status = AnswerInfo(o, core)) return status;
  return ParseCommandLine(WithoutQtOptions(core.arguments()), out);
}

std::optional<int> AnswerInfoOptions(int& argc, char** argv) {
  QCoreApplication core(argc, argv);
  Options o;
  o.parser.parse(WithoutQtOptions(core.arguments()));
  return AnswerInfo(o, core);
}

std::optional<int> ParseCommandLine(const QStringList& arguments, CommandLine* out) {
  Options o;
  if (!o.parser.parse(arguments)) {
    Print(stderr, QStringLiteral("korvane: %1\nRun korvane --help for the options.\n")
                      .arg(o.parser.errorText()));
    return 2;
  }
  if (!o.parser.positionalArguments().isEmpty()) {
    Print(stderr, QStringLiteral("korvane: unexpected argument \"%1\"\n")
                      .arg(o.parser.positionalArguments().first()));
    return 2;
  }
  out->quitAfterTitle = o.parser.isSet(o.quitAfterTitle);
  if (o.parser.isSet(o.language)) {
    const QString language = o.parser.value(o.language);
    if (language != QLatin1String("ja") && language != QLatin1String("en")) {
      Print(stderr, QStringLiteral("korvane: --lang takes ja or en, not \"%1\"\n").arg(language));
      return 2;
    }
    out->language = language;
  }
  return std::nullopt;
}

}  // namespace korvane
