// Which edition the player reads. The game is written in Japanese; the English edition is a Qt
// translation installed over it (app/translations.h). Nothing here is stored: the edition is
// whatever translation is installed, so every text asks at the moment it is shown.
#pragma once

#include <QString>

namespace korvane {

// True while the English translation is installed.
bool EnglishEdition();

// The card name as the edition shows it. The card file holds the Japanese name; the English
// edition looks it up in the "Cards" context, made from the English column of the card table.
// A name the translation does not know stays as the file has it.
QString CardNameInEdition(const QString& japaneseName);

// A character's full name ("高原 良絵") as the edition writes it ("Takahara Yoshie"). The game
// state keeps the Japanese name, which the duel window and the save rely on.
QString PersonNameInEdition(const QString& japaneseName);

}  // namespace korvane
