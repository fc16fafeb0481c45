// Every sound the program carries: effects in the format QSoundEffect plays,
// each one long enough to hear and not silent, music that decodes to sound,
// and the whole within its size budget.
#include <gtest/gtest.h>

#include <QAudioBuffer>
#include <QAudioDecoder>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QSoundEffect>
#include <QTest>
#include <QtEndian>

#include <algorithm>
#include <cmath>
#include <cstring>

#include "sound/Sounds.h"

namespace gh {
namespace {

constexpr qint64 kEffectsBudget = 3 * 1024 * 1024;
constexpr qint64 kMusicBudget = 4 * 1024 * 1024;

QString EffectPath(Sfx s)
{
    return QStringLiteral(":/sound/effects/%1.wav").arg(QString::fromStdString(SfxName(s)));
}

struct Wave {
    int format = 0, channels = 0, rate = 0, bits = 0;
    double seconds = 0, peak = 0;
    QString problem;
};

// Reads a RIFF WAVE file's chunks as QSoundEffect's reader does.
Wave ReadWave(const QByteArray& bytes)
{
    Wave w;
    if (bytes.size() < 12 || std::memcmp(bytes.constData(), "RIFF", 4) != 0 ||
        std::memcmp(bytes.constData() + 8, "WAVE", 4) != 0) {
        w.problem = QStringLiteral("not RIFF WAVE");
        return w;
    }
    qsizetype at = 12;
    bool haveFormat = false;
    while (at + 8 <= bytes.size()) {
        const char* id = bytes.constData() + at;
        const qsizetype size = qFromLittleEndian<quint32>(bytes.constData() + at + 4);
        const char* body = id + 8;
        if (at + 8 + size > bytes.size()) {
            w.problem = QStringLiteral("a chunk runs past the end");
            return w;
        }
        if (std::memcmp(id, "fmt ", 4) == 0 && size >= 16) {
            w.format = qFromLittleEndian<quint16>(body);
            w.channels = qFromLittleEndian<quint16>(body + 2);
            w.rate = static_cast<int>(qFromLittleEndian<quint32>(body + 4));
            w.bits = qFromLittleEndian<quint16>(body + 14);
            haveFormat = true;
        } else if (std::memcmp(id, "data", 4) == 0 && haveFormat && w.bits == 16 && w.channels > 0) {
            const qsizetype samples = size / 2;
            int peak = 0;
            for (qsizetype i = 0; i < samples; ++i)
                peak = std::max(peak, std::abs(static_cast<int>(qFromLittleEndian<qint16>(body + 2 * i))));
            w.peak = peak / 32768.0;
            w.seconds = static_cast<double>(samples / w.channels) / w.rate;
        }
        at += 8 + size + (size & 1);
    }
    if (!haveFormat)
        w.problem = QStringLiteral("no format chunk");
    return w;
}

TEST(SoundFiles, EveryEffectIs16BitPcmLongEnoughNotSilentAndTheyFitTheirBudget)
{
    qint64 total = 0;
    for (int i = 0; i < kSfxCount; ++i) {
        const QString path = EffectPath(static_cast<Sfx>(i));
        SCOPED_TRACE(path.toStdString());
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        const QByteArray bytes = f.readAll();
        total += bytes.size();
        const Wave w = ReadWave(bytes);
        EXPECT_TRUE(w.problem.isEmpty()) << w.problem.toStdString();
        EXPECT_EQ(w.format, 1); // PCM
        EXPECT_EQ(w.bits, 16);
        EXPECT_TRUE(w.channels == 1 || w.channels == 2);
        EXPECT_TRUE(w.rate == 22050 || w.rate == 44100 || w.rate == 48000) << w.rate;
        EXPECT_GT(w.seconds, 0.05);
        EXPECT_GT(w.peak, 0.05);
    }
    EXPECT_LT(total, kEffectsBudget);
    // Nothing else hides in the effects' folder.
    EXPECT_EQ(QDir(QStringLiteral(":/sound/effects")).entryList(QDir::Files).size(), kSfxCount);
}

TEST(SoundFiles, QSoundEffectLoadsEveryEffect)
{
    for (int i = 0; i < kSfxCount; ++i) {
        const QString path = EffectPath(static_cast<Sfx>(i));
        SCOPED_TRACE(path.toStdString());
        QSoundEffect fx;
        fx.setSource(QUrl(QStringLiteral("qrc") + path));
        EXPECT_TRUE(QTest::qWaitFor([&] { return fx.status() != QSoundEffect::Loading; }, 10000));
        EXPECT_EQ(fx.status(), QSoundEffect::Ready);
    }
}

// Decodes a piece of music with GStreamer, as the player will; answers its
// length and peak, or as much of both as shows it is sound (kEnough).
constexpr qint64 kEnough = 3'000'000; // µs
std::pair<double, double> Decode(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {0, 0};
    QAudioDecoder decoder;
    decoder.setSourceDevice(&file);
    double peak = 0;
    qint64 lastEnd = 0;
    bool done = false;
    QObject::connect(&decoder, &QAudioDecoder::bufferReady, [&] {
        const QAudioBuffer buffer = decoder.read();
        const QAudioFormat f = buffer.format();
        lastEnd = std::max(lastEnd, buffer.startTime() + buffer.duration());
        const int n = buffer.sampleCount();
        for (int i = 0; i < n; ++i) {
            const char* sample = buffer.constData<char>() + i * f.bytesPerSample();
            peak = std::max(peak, static_cast<double>(std::abs(f.normalizedSampleValue(sample))));
        }
        // Enough heard to know: the rest of a long piece would only cost time.
        if (lastEnd > kEnough && peak > 0.05) {
            decoder.stop();
            done = true;
        }
    });
    QObject::connect(&decoder, &QAudioDecoder::finished, [&] { done = true; });
    QObject::connect(&decoder, qOverload<QAudioDecoder::Error>(&QAudioDecoder::error), [&] { done = true; });
    decoder.start();
    if (!QTest::qWaitFor([&] { return done; }, 60000))
        return {-1, -1};
    return {lastEnd / 1e6, peak};
}

TEST(SoundFiles, EveryPieceOfMusicIsOggVorbisThatDecodesToSoundAndTheyFitTheirBudget)
{
    qint64 total = 0;
    for (Music m : {Music::Calm, Music::Battle, Music::Victory, Music::Defeat}) {
        const QString path = QStringLiteral(":/sound/music/%1.ogg").arg(QString::fromStdString(MusicName(m)));
        SCOPED_TRACE(path.toStdString());
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        const QByteArray bytes = f.readAll();
        total += bytes.size();
        EXPECT_TRUE(bytes.startsWith("OggS"));
        EXPECT_TRUE(bytes.left(64).contains("\x01vorbis"));
        const auto [seconds, peak] = Decode(path);
        EXPECT_GT(seconds, 2.0); // the shortest piece is the victory's, 4.8 s
        EXPECT_GT(peak, 0.05);
    }
    EXPECT_LT(total, kMusicBudget);
    EXPECT_EQ(QDir(QStringLiteral(":/sound/music")).entryList(QDir::Files).size(), 4);
}

} // namespace
} // namespace gh
