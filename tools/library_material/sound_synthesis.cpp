#include "library_material/sound_synthesis.h"

#include "library_material/wave_file.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <functional>
#include <memory>
#include <numbers>

namespace vantora::material {
namespace {

constexpr double kRate = kSoundSampleRate;
constexpr double kPi = std::numbers::pi;
constexpr double kTwoPi = 2 * kPi;

// A small linear congruential generator: white noise in -1..1 that is the same on every run and
// every platform.
class Noise {
public:
    explicit Noise(std::uint32_t seed) : state_(seed) {}
    double next() {
        state_ = state_ * 1664525u + 1013904223u;
        return static_cast<double>(state_ >> 8) / static_cast<double>(1u << 23) - 1.0;
    }

private:
    std::uint32_t state_;
};

std::vector<double> silence(double seconds) { return std::vector<double>(static_cast<std::size_t>(seconds * kRate), 0.0); }

// Adds `source(t)` to `samples` from `start` seconds on, for `seconds`.
void mix(std::vector<double>& samples, double start, double seconds, const std::function<double(double)>& source) {
    const auto first = static_cast<std::size_t>(start * kRate);
    const auto count = static_cast<std::size_t>(seconds * kRate);
    for (std::size_t i = 0; i < count && first + i < samples.size(); ++i)
        samples[first + i] += source(static_cast<double>(i) / kRate);
}

// Raises the level so that the loudest sample reaches `peak`.
void normalise(std::vector<double>& samples, double peak) {
    double loudest = 0;
    for (double s : samples)
        loudest = std::max(loudest, std::abs(s));
    if (loudest > 0)
        for (double& s : samples)
            s *= peak / loudest;
}

// A sharp tick: a burst of noise and a high ringing tone that die away within `length` seconds.
std::function<double(double)> tick(std::uint32_t seed, double tone, double length) {
    auto noise = std::make_shared<Noise>(seed);
    return [noise, tone, length](double t) {
        const double envelope = std::exp(-t * 6.0 / length);
        return envelope * (0.6 * noise->next() + 0.5 * std::sin(kTwoPi * tone * t));
    };
}

std::vector<double> keyTap() {
    std::vector<double> samples = silence(0.09);
    mix(samples, 0.0, 0.03, tick(7, 3200, 0.03));
    mix(samples, 0.0, 0.08, [](double t) { return 0.35 * std::exp(-t * 60) * std::sin(kTwoPi * 420 * t); });
    normalise(samples, 0.8);
    return samples;
}

// Two bell-like notes, a fifth apart, each with a few overtones.
std::vector<double> chime() {
    std::vector<double> samples = silence(1.2);
    const auto bell = [](double frequency) {
        return [frequency](double t) {
            const double envelope = std::min(1.0, t * 400) * std::exp(-t * 4.0);
            return envelope * (std::sin(kTwoPi * frequency * t) + 0.4 * std::sin(kTwoPi * frequency * 2.01 * t) +
                               0.15 * std::sin(kTwoPi * frequency * 3.98 * t));
        };
    };
    mix(samples, 0.0, 1.0, bell(880.0));
    mix(samples, 0.18, 1.0, bell(1318.5));
    normalise(samples, 0.7);
    return samples;
}

// Noise swelling and fading through a moving one-pole low-pass filter: air rushing past.
std::vector<double> whoosh() {
    std::vector<double> samples = silence(0.7);
    Noise noise(42);
    double low = 0;
    for (std::size_t i = 0; i < samples.size(); ++i) {
        const double t = static_cast<double>(i) / kRate;
        const double phase = t / 0.7;
        const double cutoff = 300 + 2500 * std::sin(kPi * phase);
        const double k = 1 - std::exp(-kTwoPi * cutoff / kRate);
        low += k * (noise.next() - low);
        samples[i] = low * std::pow(std::sin(kPi * phase), 2);
    }
    normalise(samples, 0.75);
    return samples;
}

// A quick downward sweep, like a bubble bursting.
std::vector<double> pop() {
    std::vector<double> samples = silence(0.12);
    double phase = 0;
    for (std::size_t i = 0; i < samples.size(); ++i) {
        const double t = static_cast<double>(i) / kRate;
        const double frequency = 900 * std::exp(-t * 25) + 180;
        phase += kTwoPi * frequency / kRate;
        samples[i] = std::min(1.0, t * 2000) * std::exp(-t * 35) * std::sin(phase);
    }
    normalise(samples, 0.8);
    return samples;
}

// Two low, rough buzzes: the sound of something refused.
std::vector<double> errorBuzz() {
    std::vector<double> samples = silence(0.5);
    const auto buzz = [](double t) {
        const double envelope = std::min(1.0, t * 300) * std::min(1.0, (0.18 - t) * 300);
        double wave = 0;
        for (int harmonic = 1; harmonic <= 9; harmonic += 2)
            wave += std::sin(kTwoPi * 140 * harmonic * t) / harmonic; // a soft square wave
        return envelope * wave;
    };
    mix(samples, 0.02, 0.18, buzz);
    mix(samples, 0.27, 0.18, buzz);
    normalise(samples, 0.6);
    return samples;
}

// Rising notes for a task that is done.
std::vector<double> success() {
    std::vector<double> samples = silence(0.75);
    const double notes[] = {523.25, 659.25, 783.99};
    for (int i = 0; i < 3; ++i)
        mix(samples, 0.1 * i, 0.45, [frequency = notes[i]](double t) {
            return std::min(1.0, t * 300) * std::exp(-t * 7) * (std::sin(kTwoPi * frequency * t) + 0.2 * std::sin(kTwoPi * 2 * frequency * t));
        });
    normalise(samples, 0.7);
    return samples;
}

MaterialFile wave(std::filesystem::path path, const std::vector<double>& samples) {
    return {std::move(path), EncodeWave16(samples)};
}

} // namespace

std::vector<double> MouseClickSound() {
    std::vector<double> samples = silence(0.11);
    mix(samples, 0.0, 0.02, tick(1, 2500, 0.02));
    mix(samples, 0.065, 0.02, [click = tick(2, 2900, 0.016)](double t) { return 0.6 * click(t); });
    normalise(samples, 0.85);
    return samples;
}

MaterialFiles SoundFiles() {
    const std::filesystem::path audios("Audios");
    return {
        wave("DefaultClick.wav", MouseClickSound()),
        wave(audios / "MouseClick.wav", MouseClickSound()),
        wave(audios / "KeyTap.wav", keyTap()),
        wave(audios / "Chime.wav", chime()),
        wave(audios / "Whoosh.wav", whoosh()),
        wave(audios / "Pop.wav", pop()),
        wave(audios / "ErrorBuzz.wav", errorBuzz()),
        wave(audios / "Success.wav", success()),
    };
}

} // namespace vantora::material
