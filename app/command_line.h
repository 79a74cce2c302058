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

// --help and --version, answered before a QApplication (and so a display) exists. Returns the
// exit status when one of them was given; anything else is left for ParseCommandLine.
std::optional<int> AnswerInfoOptions(int& argc, char** argv);

// The whole command line, after QApplication has taken out its own options (-platform ...).
// Returns the exit status when the program is to stop (2 for an unknown option).
std::optional<int> ParseCommandLine(const QStringList& arguments, CommandLine* out);

}  // namespace korvane
