// The sound module: wave files played through Qt Multimedia. It is a plugin
// of its own so that the program starts without the audio libraries.
#include <QObject>
#include <QSoundEffect>
#include <QUrl>

#include "platform/SoundPlayer.h"

namespace {

class CQtSoundPlayer : public CSoundPlayer {
 public:
  void Play(const QString& file) override {
    m_effect.stop();
    m_effect.setSource(QUrl::fromLocalFile(file));
    m_effect.play();
  }

 private:
  QSoundEffect m_effect;
};

}  // namespace

class CQtSoundPlayerFactory : public QObject, public CSoundPlayerFactory {
  Q_OBJECT
  Q_PLUGIN_METADATA(IID VOKABIT_SOUND_PLAYER_FACTORY_IID)
  Q_INTERFACES(CSoundPlayerFactory)

 public:
  std::unique_ptr<CSoundPlayer> CreatePlayer() override {
    return std::make_unique<CQtSoundPlayer>();
  }
};

#include "QtSoundPlayer.moc"
