#pragma once
// Finds and loads the sound module on the first sound. The program runs on
// without it (a missing module, or Qt Multimedia missing on the system), and
// then plays nothing, as for a file that cannot be played.
#include <memory>

#include <QString>

#include "SoundPlayer.h"

class QPluginLoader;

class CSoundModule {
 public:
  // The module's place beside the program: in the build tree and in an
  // installed prefix alike, a folder relative to the program's own.
  static QString DefaultPath();
  static QString PathBeside(const QString& programDirectory);

  explicit CSoundModule(QString path = DefaultPath());
  ~CSoundModule();
  CSoundModule(const CSoundModule&) = delete;
  CSoundModule& operator=(const CSoundModule&) = delete;

  const QString& Path() const { return m_path; }
  // The player, loading the module at the first call; null when it cannot be
  // loaded. A failed load is not tried again.
  CSoundPlayer* Player();
  // Why the module could not be loaded; empty while it is fine or untried.
  const QString& Error() const { return m_error; }

 private:
  QString m_path;
  bool m_tried = false;
  QString m_error;
  std::unique_ptr<QPluginLoader> m_loader;
  std::unique_ptr<CSoundPlayer> m_player;
};
