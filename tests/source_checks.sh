#!/usr/bin/env bash
# Checks over the sources: every include points down the layers, as the table below allows; the
# rules' layers stay free of the windows' libraries; message boxes and the fonts' names live in
# the view layer only; and no comment is a bare step number that only makes sense beside some
# other document.
set -u
ROOT=${1:?source directory}
cd "$ROOT" || exit 2
status=0

# Which folders each folder's files may include from (its own is always allowed).
declare -A ALLOWED=(
  [engine]=""
  [cast]="engine"
  [ai]="cast engine"
  [state]="cast engine"
  [solver]="ai cast engine"
  [sdl]=""
  [sound]="sdl state"
  [ui]="sdl state cast engine"
  [album]="ui solver state cast engine"
  [review]="ui solver ai state cast engine"
  [puzzle]="ui solver ai state cast engine"
  [duel]="ui solver ai sound state cast engine"
  [adventure]="ui sound state cast engine"
  [app]="adventure duel album review puzzle ui solver ai sound state cast engine"
  [tools]="ui solver ai state cast engine"
  [bench]="app ui solver ai sound state cast engine"
  [fuzz]="state engine"
)
for layer in "${!ALLOWED[@]}"; do
  [ -d "$layer" ] || continue
  allowed=" $layer ${ALLOWED[$layer]} "
  while IFS= read -r line; do
    file=${line%%:*}
    target=$(echo "$line" | sed -E 's@.*#include "([a-z_]+)/.*@\1@')
    case "$allowed" in
      *" $target "*) ;;
      *) echo "$file includes from $target/, which $layer/ may not: $line"; status=1 ;;
    esac
  done < <(grep -rnE '#include "[a-z_]+/' "$layer" --include='*.cpp' --include='*.h')
done

# The rules, the opponent, the state and the solver build without a display: no Qt Gui or
# Widgets there. SDL, SDL_mixer and FluidSynth are named only by sdl/, which opens them at run
# time (and by the tests): a header of theirs anywhere else would link them into the game.
gui=$(grep -rnE '#include <(QtGui|QtWidgets|QWidget|QApplication|QGuiApplication|QPainter|QImage|QPixmap|QFont|QColor|QMessageBox|QLabel|QPushButton|QDialog|QKeyEvent|QMouseEvent)' \
  engine cast ai state solver 2>/dev/null)
if [ -n "$gui" ]; then echo "Qt Gui or Widgets below the view layer:"; echo "$gui"; status=1; fi
sdl=$(grep -rlE '#include <(SDL|fluidsynth)' --include='*.cpp' --include='*.h' . 2>/dev/null |
  grep -vE '^\./(sdl|tests|build[^/]*)/')
if [ -n "$sdl" ]; then echo "SDL or FluidSynth outside sdl/:"; echo "$sdl"; status=1; fi

# Every message box goes through the view layer's platform; each face is named once.
boxes=$(grep -rnE 'QMessageBox' --include='*.cpp' --include='*.h' engine cast ai state solver sound duel album adventure app tools 2>/dev/null)
if [ -n "$boxes" ]; then echo "QMessageBox outside ui/:"; echo "$boxes"; status=1; fi
faces=$(grep -rnE '"(IPAPGothic|Klee One)"' --include='*.cpp' --include='*.h' . 2>/dev/null | grep -v '^\./ui/fonts\.cpp:')
if [ -n "$faces" ]; then echo "a face named outside ui/fonts.cpp:"; echo "$faces"; status=1; fi

steps=$(grep -rnE '//\s*Steps?\s+[0-9]' --include='*.cpp' --include='*.h' \
  engine cast ai state solver sdl sound ui duel album review puzzle adventure app tools tests bench fuzz 2>/dev/null)
if [ -n "$steps" ]; then echo "bare step numbers:"; echo "$steps"; status=1; fi
exit $status
