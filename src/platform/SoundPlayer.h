#pragma once
// The seam between the program and its sound module. Playing a sound needs
// Qt Multimedia and, through it, the desktop's audio libraries; they are
// loaded with the module on the first sound, not with the program.
#include <memory>

#include <QString>
#include <QtPlugin>

class CSoundPlayer {
 public:
  virtual ~CSoundPlayer() = default;
  // Starts playing the wave file, stopping what this player played before.
  // A file that cannot be played plays nothing and reports nothing.
  virtual void Play(const QString& file) = 0;
};

// What the module's plugin object offers.
class CSoundPlayerFactory {
 public:
  virtual ~CSoundPlayerFactory() = default;
  virtual std::unique_ptr<CSoundPlayer> CreatePlayer() = 0;
};

#define VOKABIT_SOUND_PLAYER_FACTORY_IID "se.vokabit.SoundPlayerFactory/1"
Q_DECLARE_INTERFACE(CSoundPlayerFactory, VOKABIT_SOUND_PLAYER_FACTORY_IID)
