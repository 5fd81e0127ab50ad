#include "mediagen.h"

#include <QDir>
#include <QFile>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <numbers>
#include <vector>

namespace mediagen {
namespace {

constexpr int kRate = 44100;
constexpr double kTwoPi = 2.0 * std::numbers::pi;
// Headroom so the MP3 encoder's overshoot stays clear of full scale.
const double kPeak = std::pow(10.0, -3.0 / 20.0);

using Signal = std::vector<double>;

Signal makeSignal(double seconds)
{
    return Signal(std::size_t(std::lround(seconds * kRate)), 0.0);
}

// RBJ biquad, enough for fixed low/high/band pass shaping.
class Biquad {
public:
    enum class Kind { LowPass, HighPass, BandPass };

    Biquad(Kind kind, double freq, double q)
    {
        const double w = kTwoPi * freq / kRate;
        const double alpha = std::sin(w) / (2.0 * q);
        const double c = std::cos(w);
        double b0 = 0, b1 = 0, b2 = 0;
        switch (kind) {
        case Kind::LowPass:
            b0 = (1 - c) / 2; b1 = 1 - c; b2 = (1 - c) / 2;
            break;
        case Kind::HighPass:
            b0 = (1 + c) / 2; b1 = -(1 + c); b2 = (1 + c) / 2;
            break;
        case Kind::BandPass:
            b0 = alpha; b1 = 0; b2 = -alpha;
            break;
        }
        const double a0 = 1 + alpha;
        b0_ = b0 / a0; b1_ = b1 / a0; b2_ = b2 / a0;
        a1_ = -2 * c / a0; a2_ = (1 - alpha) / a0;
    }

    double process(double x)
    {
        const double y = b0_ * x + b1_ * x1_ + b2_ * x2_ - a1_ * y1_ - a2_ * y2_;
        x2_ = x1_; x1_ = x;
        y2_ = y1_; y1_ = y;
        return y;
    }

    void run(Signal &s)
    {
        for (double &v : s)
            v = process(v);
    }

private:
    double b0_, b1_, b2_, a1_, a2_;
    double x1_ = 0, x2_ = 0, y1_ = 0, y2_ = 0;
};

// State-variable low pass whose cutoff may change every sample (explosion sweep).
class SweepLowPass {
public:
    double process(double x, double cutoff, double q)
    {
        const double f = 2.0 * std::sin(std::numbers::pi * std::min(cutoff, kRate / 7.0) / kRate);
        const double damp = 1.0 / q;
        low_ += f * band_;
        const double high = x - low_ - damp * band_;
        band_ += f * high;
        return low_;
    }

private:
    double low_ = 0, band_ = 0;
};

// Slowly wandering value in [-1, 1]: smoothed random steps.
class Wander {
public:
    Wander(std::uint64_t seed, double rateHz) : rng_(seed), coeff_(1.0 - std::exp(-kTwoPi * rateHz / kRate)) {}

    double next()
    {
        if (--hold_ <= 0) {
            target_ = rng_.bipolar();
            hold_ = int(kRate / 40);
        }
        value_ += coeff_ * (target_ - value_);
        return value_;
    }

private:
    Rng rng_;
    double coeff_;
    double value_ = 0, target_ = 0;
    int hold_ = 0;
};

double smoothStep(double x)
{
    x = std::clamp(x, 0.0, 1.0);
    return x * x * (3 - 2 * x);
}

// Fades both ends so the file starts and stops at silence (no clicks).
void fadeEnds(Signal &s, double inSeconds, double outSeconds)
{
    const double n = double(s.size());
    for (std::size_t i = 0; i < s.size(); ++i) {
        const double t = double(i) / kRate;
        const double tailT = (n - 1 - double(i)) / kRate;
        double g = 1.0;
        if (inSeconds > 0)
            g *= smoothStep(t / inSeconds);
        if (outSeconds > 0)
            g *= smoothStep(tailT / outSeconds);
        s[i] *= g;
    }
}

void normalise(Signal &s, double peak)
{
    double maxAbs = 0;
    for (double v : s)
        maxAbs = std::max(maxAbs, std::abs(v));
    if (maxAbs <= 0)
        return;
    const double g = peak / maxAbs;
    for (double &v : s)
        v *= g;
}

// Gentle tanh saturation: lowers the crest factor so short peaks do not
// make the whole sound quiet after normalising.
void saturate(Signal &s, double drive)
{
    normalise(s, 1.0);
    const double norm = 1.0 / std::tanh(drive);
    for (double &v : s)
        v = std::tanh(drive * v) * norm;
}

void putLe(QByteArray &out, std::uint32_t v, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        out.append(char((v >> (8 * i)) & 0xFF));
}

bool writeWav(const QString &path, const Signal &s)
{
    const std::uint32_t dataBytes = std::uint32_t(s.size() * 2);
    QByteArray out;
    out.reserve(int(44 + dataBytes));
    out.append("RIFF");
    putLe(out, 36 + dataBytes, 4);
    out.append("WAVE");
    out.append("fmt ");
    putLe(out, 16, 4);
    putLe(out, 1, 2); // PCM
    putLe(out, 1, 2); // mono
    putLe(out, kRate, 4);
    putLe(out, kRate * 2, 4);
    putLe(out, 2, 2);
    putLe(out, 16, 2);
    out.append("data");
    putLe(out, dataBytes, 4);
    for (double v : s) {
        const long q = std::lround(std::clamp(v, -1.0, 1.0) * 32767.0);
        putLe(out, std::uint32_t(std::int16_t(q)) & 0xFFFF, 2);
    }

    QFile f(path);
    if (!f.open(QIODevice::WriteOnly) || f.write(out) != out.size()) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return false;
    }
    return true;
}

// Band-limited sawtooth by summing harmonics, so the buzz has no aliasing hiss.
double bandLimitedSaw(double phase, double freq)
{
    const int harmonics = std::max(1, int(15000.0 / freq));
    double sum = 0;
    for (int k = 1; k <= harmonics; ++k)
        sum += std::sin(kTwoPi * k * phase) / k;
    return sum * (2.0 / std::numbers::pi);
}

Signal bee()
{
    Signal s = makeSignal(1.5);
    Wander drift(11, 3.0);
    Wander flutter(12, 25.0);
    Rng noise(13);
    double phase = 0;
    Biquad body(Biquad::Kind::BandPass, 1150, 1.6);
    Biquad soften(Biquad::Kind::LowPass, 4200, 0.7);
    Biquad hiss(Biquad::Kind::BandPass, 2500, 0.8);

    for (std::size_t i = 0; i < s.size(); ++i) {
        const double t = double(i) / kRate;
        // Pitch rises and falls a little as if the insect passes by.
        const double pass = 8.0 * std::sin(std::numbers::pi * t / 1.5);
        const double freq = 214.0 + pass + 6.0 * std::sin(kTwoPi * 5.7 * t) + 4.0 * drift.next();
        phase += freq / kRate;
        phase -= std::floor(phase);

        // Saw plus a pulse (difference of two saws) for the wing-beat rasp.
        const double saw = bandLimitedSaw(phase, freq);
        double shifted = phase + 0.28;
        shifted -= std::floor(shifted);
        const double pulse = saw - bandLimitedSaw(shifted, freq);
        double x = 0.55 * saw + 0.45 * pulse;

        // Amplitude wobble from the wing beat and a slower flutter.
        const double am = 1.0 + 0.22 * std::sin(kTwoPi * 13.0 * t) + 0.12 * flutter.next();
        x *= am;
        x = soften.process(x) + 0.9 * body.process(x) + 0.05 * hiss.process(noise.bipolar());
        s[i] = x;
    }
    fadeEnds(s, 0.15, 0.35);
    normalise(s, kPeak);
    return s;
}

Signal machineGun()
{
    Signal crack = makeSignal(0.7);
    Signal body = makeSignal(0.7);
    Signal rumble = makeSignal(0.7);
    Signal click = makeSignal(0.7);
    Signal thump = makeSignal(0.7);
    Rng rng(21);

    constexpr int kShots = 7;
    constexpr double kGap = 0.082;
    for (int shot = 0; shot < kShots; ++shot) {
        const double start = 0.004 + shot * kGap + rng.range(-0.004, 0.004);
        const double gain = rng.range(0.85, 1.0);
        const double thumpFreq = rng.range(52, 62);
        double phase = 0;
        const std::size_t first = std::size_t(start * kRate);
        for (std::size_t i = first; i < crack.size(); ++i) {
            const double tau = double(i - first) / kRate;
            const double attack = std::min(1.0, tau / 0.0006);
            const double n = rng.bipolar();
            crack[i] += gain * attack * n * std::exp(-tau / 0.010);
            body[i] += gain * attack * n * std::exp(-tau / 0.030);
            rumble[i] += gain * attack * rng.bipolar() * std::exp(-tau / 0.11);
            // Bolt cycling: a small metallic tick after each shot.
            const double tickT = tau - 0.040;
            if (tickT >= 0)
                click[i] += gain * rng.bipolar() * std::exp(-tickT / 0.0025);
            const double f = thumpFreq + 110.0 * std::exp(-tau / 0.012);
            phase += f / kRate;
            thump[i] += gain * std::min(1.0, tau / 0.001) * std::sin(kTwoPi * phase) * std::exp(-tau / 0.045);
        }
    }

    Biquad crackHp(Biquad::Kind::HighPass, 1400, 0.7);
    Biquad bodyLp(Biquad::Kind::LowPass, 1100, 0.9);
    Biquad rumbleLp(Biquad::Kind::LowPass, 320, 0.7);
    Biquad clickBp(Biquad::Kind::BandPass, 4200, 3.0);
    crackHp.run(crack);
    bodyLp.run(body);
    rumbleLp.run(rumble);
    clickBp.run(click);

    Signal s = makeSignal(0.7);
    for (std::size_t i = 0; i < s.size(); ++i)
        s[i] = 0.55 * crack[i] + 0.9 * body[i] + 0.6 * rumble[i] + 0.35 * click[i] + 0.8 * thump[i];
    Biquad dc(Biquad::Kind::HighPass, 30, 0.7);
    dc.run(s);
    fadeEnds(s, 0.0, 0.06);
    saturate(s, 1.6);
    normalise(s, kPeak);
    return s;
}

Signal explosion()
{
    Signal s = makeSignal(1.8);
    Rng rng(31);
    Wander rumble(32, 6.0);
    SweepLowPass lp1, lp2;
    Biquad crackHp(Biquad::Kind::HighPass, 2000, 0.7);
    Biquad crackleBp(Biquad::Kind::BandPass, 1800, 1.2);
    double boomPhase = 0;
    double crackle = 0;

    for (std::size_t i = 0; i < s.size(); ++i) {
        const double t = double(i) / kRate;
        const double attack = std::min(1.0, t / 0.004);
        const double env = attack * (0.7 * std::exp(-t / 0.32) + 0.3 * std::exp(-t / 0.95));

        // Cutoff falls as the blast dies, turning the roar into a rumble.
        const double cutoff = 140.0 + 3800.0 * std::exp(-t / 0.10) + 500.0 * std::exp(-t / 0.6);
        const double n = rng.bipolar();
        double roar = lp2.process(lp1.process(n, cutoff, 0.8), cutoff, 0.8);
        roar *= env * (1.0 + 0.35 * rumble.next());

        const double boomFreq = 34.0 + 70.0 * std::exp(-t / 0.09);
        boomPhase += boomFreq / kRate;
        const double boom = attack * std::sin(kTwoPi * boomPhase) * std::exp(-t / 0.45);

        const double crack = crackHp.process(n) * std::exp(-t / 0.018);

        // Sparse debris crackles during the first second.
        if (t < 1.1 && rng.uniform() < 0.0012 * std::exp(-t / 0.5))
            crackle += rng.range(0.5, 1.0) * (rng.uniform() < 0.5 ? -1 : 1);
        crackle *= std::exp(-1.0 / (0.004 * kRate));
        const double debris = crackleBp.process(crackle * rng.range(0.6, 1.0));

        s[i] = 2.2 * roar + 0.85 * boom + 0.35 * crack + 1.2 * debris;
    }
    Biquad dc(Biquad::Kind::HighPass, 24, 0.7);
    dc.run(s);
    saturate(s, 2.4);
    fadeEnds(s, 0.0, 0.25);
    normalise(s, kPeak);
    return s;
}

} // namespace

bool writeSounds(const QString &outDir)
{
    const QDir dir(outDir);
    bool ok = writeWav(dir.filePath("bee.wav"), bee());
    ok = writeWav(dir.filePath("machine_gun_1.wav"), machineGun()) && ok;
    ok = writeWav(dir.filePath("explosion.wav"), explosion()) && ok;
    return ok;
}

} // namespace mediagen
