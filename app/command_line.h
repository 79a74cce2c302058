// Who the program is to Qt and the desktop, and its command line.
//
// The application name decides the player's data folder (QStandardPaths::AppDataLocation, that
// is ~/.local/share/korvane, where the save and the settings live), so it never changes and no
// organisation name is set: Qt would put it in front of that folder and every existing player
// would lose their save. The app id only names the desktop entry, the icon and the metadata.
#pragma once

#include <QString>
#include <QStringList>
#include <optional>

namespace korvane {

// Reverse-DNS id of the desktop entry, the icons and the AppStream metadata.
extern const char kAppId[];

// Application name, version and desktop file name; safe before any application object exists.
void SetApplicationIdentity();

// What the command line asks for beyond the defaults; new options add one field here.
struct CommandLine {
  bool quitAfterTitle = false;  // start, show the title window, report it and quit
  QString language;             // --lang: "ja" or "en"; empty when not given
};

// The whole command line, read before a QApplication (and so a display) exists: --help and
// --version are answered, a wrong option or argument is told on standard error, and Qt's own
// options (-platform, -display, -style ...) are left for the QApplication to take. Returns the
// exit status when the program is to stop (0 after --help or --version, 2 for a wrong command
// line); otherwise fills `out`.
std::optional<int> ReadCommandLine(int& argc, char** argv, CommandLine* out);

// --help and --version alone, answered before a QApplication exists. Returns the exit status when
// one of them was given.
std::optional<int> AnswerInfoOptions(int& argc, char** argv);

// The command line without Qt's own options (the program's name stays first): what the game's
// options are checked against.
QStringList WithoutQtOptions(const QStringList& arguments);

// The game's options in `arguments` (Qt's own taken out already). Returns the exit status when
// the program is to stop (2 for an unknown option, a stray argument or a wrong value).
std::optional<int> ParseCommandLine(const QStringList& arguments, CommandLine* out);

}  // namespace korvane
