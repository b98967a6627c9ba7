#include "app/BackgroundMusic.h"

#include <QAudioOutput>
#include <QBuffer>
#include <QMediaPlayer>
#include <QSettings>
#include <QTimer>
#include <QtEndian>

#include <array>
#include <cmath>

namespace corvane::app {

namespace {

constexpr int Rate = 22050;
constexpr int PieceMs = 28100;

// Each piece is a short tune on a pentatonic scale, repeated, with a soft
// bell-like envelope. Notes are semitones above A3 (220 Hz); -1 is a rest.
struct Tune {
    double beat; // seconds per note
    std::array<int, 16> notes;
};

constexpr std::array<Tune, 4> Tunes{{
    {0.30, {3, 5, 7, 10, 12, 10, 7, 5, 3, 5, 7, 5, 3, -1, 0, -1}},
    {0.26, {12, 10, 7, 10, 12, 15, 12, 10, 7, 5, 7, 10, 7, 5, 3, -1}},
    {0.34, {0, 3, 7, 3, 5, 7, 10, 7, 12, 10, 7, 5, 3, 5, 0, -1}},
    {0.22, {7, 7, 10, 12, 10, 7, 5, 7, 3, 3, 5, 7, 5, 3, 0, -1}},
}};

void appendLe16(QByteArray &out, quint16 v)
{
    char b[2];
    qToLittleEndian(v, b);
    out.append(b, 2);
}

void appendLe32(QByteArray &out, quint32 v)
{
    char b[4];
    qToLittleEndian(v, b);
    out.append(b, 4);
}

} // namespace

QByteArray BackgroundMusic::pieceData(int piece)
{
    const Tune &tune = Tunes[size_t((piece - 1) % 4)];
    const int total = Rate * PieceMs / 1000;
    const int perNote = int(tune.beat * Rate);
    QByteArray samples;
    samples.reserve(total * 2);
    for (int i = 0; i < total; ++i) {
        const int noteIndex = (i / perNote) % int(tune.notes.size());
        const int note = tune.notes[size_t(noteIndex)];
        double v = 0;
        if (note >= 0) {
            const double t = double(i % perNote) / Rate;
            const double f = 220.0 * std::pow(2.0, note / 12.0);
            const double env = std::exp(-4.0 * t) * std::min(1.0, t * 200.0);
            v = env * (0.6 * std::sin(2 * M_PI * f * t) + 0.25 * std::sin(4 * M_PI * f * t));
        }
        appendLe16(samples, quint16(qint16(v * 9000)));
    }
    QByteArray wav;
    wav.append("RIFF");
    appendLe32(wav, quint32(36 + samples.size()));
    wav.append("WAVEfmt ");
    appendLe32(wav, 16);
    appendLe16(wav, 1); // PCM
    appendLe16(wav, 1); // mono
    appendLe32(wav, Rate);
    appendLe32(wav, Rate * 2);
    appendLe16(wav, 2);
    appendLe16(wav, 16);
    wav.append("data");
    appendLe32(wav, quint32(samples.size()));
    wav.append(samples);
    return wav;
}

BackgroundMusic::BackgroundMusic(QObject *parent)
    : QObject(parent)
    , timer_(new QTimer(this))
{
    timer_->setInterval(PieceMs);
    connect(timer_, &QTimer::timeout, this, [this] { play(piece_ % 4 + 1); });
}

BackgroundMusic::~BackgroundMusic()
{
    if (player_)
        player_->stop();
}

bool BackgroundMusic::storedState()
{
    return QSettings().value(QStringLiteral("Musique")).toString() == QLatin1String("True");
}

void BackgroundMusic::storeState(bool on)
{
    QSettings().setValue(QStringLiteral("Musique"), on ? QStringLiteral("True") : QStringLiteral("False"));
}

void BackgroundMusic::setOn(bool on)
{
    on_ = on;
    if (on) {
        play(1);
        timer_->start();
    } else {
        timer_->stop();
        if (player_)
            player_->stop();
    }
}

void BackgroundMusic::play(int piece)
{
    piece_ = piece;
    if (!player_) {
        player_ = new QMediaPlayer(this);
        output_ = new QAudioOutput(this);
        output_->setVolume(0.4f);
        player_->setAudioOutput(output_);
    }
    player_->stop();
    auto buffer = std::make_unique<QBuffer>();
    buffer->setData(pieceData(piece));
    buffer->open(QIODevice::ReadOnly);
    player_->setSourceDevice(buffer.get(), QUrl(QStringLiteral("corvane%1.wav").arg(piece)));
    buffer_ = std::move(buffer);
    player_->play();
}

} // namespace corvane::app
