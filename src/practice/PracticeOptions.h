#pragma once
// The practice options of the options panel as the program keeps them
// between runs, and the direction chosen last.
#include <QString>

struct PracticeOptions {
  bool allWords = true;  // else only the first onlyCount words
  int onlyCount = 0;
  bool shuffle = false;
  bool matchCase = false;
  bool showClass = false;
  bool checkWhileTyping = false;
  bool wrongSound = false;
  bool rightSound = false;
  QString wrongSoundPath;
  QString rightSoundPath;
  QString pause;  // seconds after a right answer, as the user typed them

  // Read from and written to the settings. Save writes everything but the
  // pause (stored as soon as the user has typed it), and the count only while
  // it is in use, so that a count typed once is offered again.
  static PracticeOptions Load();
  void Save() const;
  static void SavePause(const QString& pause);
};

// What the user writes in an exercise.
enum class Direction { Foreign, Translation };

// The direction chosen last; foreign words when none was stored.
Direction LastDirection();
void RememberDirection(Direction direction);
