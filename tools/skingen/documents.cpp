#include "documents.h"

namespace skingen {

namespace {

constexpr const char readme[] = R"(Zuzazizo (Corvane, Pocketeer) Simulator
Version 5.00 * Final *
=======================================

What it is
----------
A simulator of the Zuzazizo, a small wide-screen LCD baseball game from the
Pocketeer line that doubles as a clock. The window is a picture of the handheld;
every LCD segment is drawn separately and lit by the simulated firmware, as on
the real screen. Outside a game the handheld is a clock.

Starting
--------
Run "zuzazizo" from the folder it was installed in. The splash screen asks for a
sound output; choose one and press Play (or Enter). The handheld first lights
every segment, then shows the time after 30 seconds. The splash screen can be
switched off with its check box or from the menu.

The buttons and their keys
--------------------------
  GAME A   1             start game A (hold to see the high score)
  GAME B   2             start game B, the faster game
  TIME     3             time 1, time 2, alarm 12:00, date, chronometer
  LIGHT    5             backlight, while held
  LEFT     left arrow    move the batter left
  RIGHT    right arrow   move the batter right
  SET      (none)        pictured only: it has no function
The keys can be changed under "Key settings" in the menu. The buttons can also be
clicked with the mouse.

How to play
-----------
Hold GAME A or GAME B: the screen shows that game's high score. Release the
button and the game starts after a short tune. Holding LEFT as well before you
release starts a silent game (the speaker symbol goes out).

The pitcher at the top throws balls down three lanes. Move the batter with LEFT
and RIGHT so that he stands under the lane of the ball when it reaches him: he
swings and strikes it for 10 points. Every 1000 points the batter celebrates and
the game starts over at its first speed, the score running on. A ball that
reaches a lane with no batter is a miss: a miss mark lights and the catcher
throws the ball back to the pitcher. The third miss ends the game; the umpire
calls the batter out. A new high score is kept. After 30 seconds the handheld
returns to the clock.

The menu
--------
Right-click anywhere on the handheld:
  About...                          F1
  View 'Readme.txt'                 F2
  View 'Whatsnew.txt'               F3
  View manual                       F4
  Edit configuration file
  Key settings
  Reset Hiscores
  Display in fullscreen mode        F12
  Display splash screen at startup
  Exit                              Esc
In windowed mode the handheld can be dragged by its case. In fullscreen mode the
same commands are in the game menu at the top-left corner of the screen.

Files
-----
  zuzazizo              the program
  Config.ini            the skin: which picture goes where, window size, colours
  Graphics/Skin/        the pictures of the case, the buttons and the segments
  Graphics/Backdrops/   backdrop and logo of fullscreen mode
  Graphics/Manual/      the eight pages of the manual (1.bmp to 8.bmp)
  Sound/                Gameover.wav, Got.wav, Miss.wav, Move.wav, Start.wav
  Readme.txt            this file
  Whatsnew.txt          the history of versions

Relative folders in Config.ini are taken from the program's own folder, and a
backslash in them works as a folder separator on every system.

Settings
--------
Your settings and the two high scores are kept in
  ~/.config/Tessaron/Dovuruza50.conf
(under $XDG_CONFIG_HOME if it is set). Values: FullscreenMode, SplashScreen,
SoundMode, Key1 to Key6, HiScore1, HiScore2. Delete the file to start afresh.

Everything of the look and the sound of this simulator (the case, the segments,
the manual pages, the beeps) is drawn and synthesised by its own build tool.
)";

constexpr const char whatsnew[] = R"(Zuzazizo (Corvane, Pocketeer) Simulator - What's new
====================================================

Version 5.00 * Final *
  - New skin: the whole handheld drawn afresh - case, buttons, every LCD segment,
    the glass and the backlight.
  - New sounds for all five events.
  - New eight-page manual (F4).
  - Relative folders in Config.ini are now found from the program's folder, so
    the simulator works whatever folder it is started from.
  - Settings are written at the moment they change and survive a crash.
  - Key settings: two buttons can no longer share one key.

Version 4.10
  - Fullscreen mode (F12) with backdrop, logo and an in-window game menu.
  - The game area can be placed with GameOffsetX and GameOffsetY.

Version 4.00
  - Key settings dialog: any of 44 keys for each of the six buttons.
  - Button hints name the keys they are bound to.

Version 3.00
  - Chronometer and date modes of the clock; the TIME button cycles all five.
  - LIGHT button with backlight.

Version 2.00
  - Game B, faster than game A, with its own high score.
  - Silent game: hold LEFT while releasing the GAME button.

Version 1.00
  - First release: game A, time of day, high score.
)";

}  // namespace

QString readme_text() {
    return QString::fromUtf8(readme);
}
QString whatsnew_text() {
    return QString::fromUtf8(whatsnew);
}

}  // namespace skingen
