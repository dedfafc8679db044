// The capture sound: a short two-tone chime, 16-bit mono PCM at 22,050 Hz. 20,000 samples make a
// data chunk of 40,000 bytes and, with the 44-byte header, a file of exactly 40,044 bytes.
#include "Painting.h"

#include <QFile>
#include <QtEndian>
#include <QtMath>

#include <cstdio>
#include <cstdlib>

namespace {

void put32(QByteArray& b, quint32 v) {
    char raw[4];
    qToLittleEndian(v, raw);
    b.append(raw, 4);
}
void put16(QByteArray& b, quint16 v) {
    char raw[2];
    qToLittleEndian(v, raw);
    b.append(raw, 2);
}

}  // namespace

void writeBeep(const QString& root) {
    const int rate = 22050;
    const int samples = 20000;
    const int dataBytes = samples * 2;
    QByteArray wav;
    wav.append("RIFF");
    put32(wav, 36 + dataBytes);
    wav.append("WAVE");
    wav.append("fmt ");
    put32(wav, 16);
    put16(wav, 1);  // PCM
    put16(wav, 1);  // mono
    put32(wav, rate);
    put32(wav, rate * 2);
    put16(wav, 2);
    put16(wav, 16);
    wav.append("data");
    put32(wav, dataBytes);
    for (int i = 0; i < samples; ++i) {
        const double t = double(i) / rate;
        // Two short notes (E6 then A6) with a quick attack and an exponential decay each.
        const double split = 0.16;
        const double local = t < split ? t : t - split;
        const double freq = t < split ? 1318.5 : 1760.0;
        const double attack = qMin(1.0, local / 0.004);
        const double decay = qExp(-local * (t < split ? 18.0 : 9.0));
        const double tone = qSin(2 * M_PI * freq * local) + 0.25 * qSin(4 * M_PI * freq * local);
        const double v = 0.42 * attack * decay * tone;
        put16(wav, quint16(qint16(qBound(-32767.0, v * 32767.0, 32767.0))));
    }
    if (wav.size() != 40044) {
        fprintf(stderr, "beep.wav: %d bytes\n", wav.size());
        exit(1);
    }
    QFile f(root + "/beep.wav");
    if (!f.open(QIODevice::WriteOnly) || f.write(wav) != wav.size()) {
        fprintf(stderr, "cannot write beep.wav\n");
        exit(1);
    }
}
