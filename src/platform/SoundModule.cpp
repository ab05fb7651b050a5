#include "SoundModule.h"

#include <QCoreApplication>
#include <QDir>
#include <QPluginLoader>

QString CSoundModule::DefaultPath() {
  return PathBeside(QCoreApplication::applicationDirPath());
}

QString CSoundModule::PathBeside(const QString& programDirectory) {
  return QDir::cleanPath(programDirectory + QStringLiteral("/" VOKABIT_SOUND_MODULE_FROM_BIN));
}

CSoundModule::CSoundModule(QString path) : m_path(std::move(path)) {}

CSoundModule::~CSoundModule() {
  // The player is the module's code: it goes first. The module itself stays
  // loaded, since Qt Multimedia keeps threads of the audio server running.
  m_player.reset();
}

CSoundPlayer* CSoundModule::Player() {
  if (m_tried) return m_player.get();
  m_tried = true;
  m_loader = std::make_unique<QPluginLoader>(m_path);
  QObject* instance = m_loader->instance();
  auto* factory = qobject_cast<CSoundPlayerFactory*>(instance);
  if (!factory) {
    m_error =
        instance ? QStringLiteral("%1: not a sound module").arg(m_path) : m_loader->errorString();
    return nullptr;
  }
  m_player = factory->CreatePlayer();
  if (!m_player) m_error = QStringLiteral("%1: no player").arg(m_path);
  return m_player.get();
}
