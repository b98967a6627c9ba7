#pragma once

#include <QObject>

#include <memory>

class QBuffer;
class QMediaPlayer;
class QAudioOutput;
class QTimer;

namespace corvane::app {

// The background music: four short pieces of the program's own, each cut
// after 28.1 seconds by the next one, in a loop. The pieces are written by
// the program itself, so no sound file can be missing; a machine without
// sound simply stays silent.
class BackgroundMusic : public QObject {
    Q_OBJECT
public:
    explicit BackgroundMusic(QObject *parent = nullptr);
    ~BackgroundMusic() override;

    void setOn(bool on);
    bool isOn() const { return on_; }
    int piece() const { return piece_; }

    // Registry value "Musique": on only when it is exactly "True".
    static bool storedState();
    static void storeState(bool on);

    // The WAV bytes of piece 1 to 4 (mono, 16 bits, 22 050 Hz).
    static QByteArray pieceData(int piece);

private:
    void play(int piece);

    bool on_ = false;
    int piece_ = 1;
    QTimer *timer_;
    QMediaPlayer *player_ = nullptr;
    QAudioOutput *output_ = nullptr;
    std::unique_ptr<QBuffer> buffer_;
};

} // namespace corvane::app
