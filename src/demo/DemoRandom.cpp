#include "DemoRandom.h"

#include <cmath>

namespace {

quint64 splitMix(quint64& x) {
    x += 0x9E3779B97F4A7C15ULL;
    quint64 z = x;
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
}

quint64 rotateLeft(quint64 x, int k) {
    return (x << k) | (x >> (64 - k));
}

} // namespace

DemoRandom::DemoRandom(quint64 seed, quint64 stream) {
    quint64 x = seed * 0x9E3779B97F4A7C15ULL ^ stream * 0xC2B2AE3D27D4EB4FULL;
    x = splitMix(x) ^ stream;
    for (quint64& word : m_state)
        word = splitMix(x);
}

quint64 DemoRandom::next() {
    const quint64 result = rotateLeft(m_state[1] * 5, 7) * 9;
    const quint64 t = m_state[1] << 17;
    m_state[2] ^= m_state[0];
    m_state[3] ^= m_state[1];
    m_state[1] ^= m_state[2];
    m_state[0] ^= m_state[3];
    m_state[2] ^= t;
    m_state[3] = rotateLeft(m_state[3], 45);
    return result;
}

double DemoRandom::uniform() {
    return double(next() >> 11) * 0x1.0p-53;
}

int DemoRandom::uniformInt(int low, int high) {
    return low + int(uniform() * double(high - low + 1));
}

bool DemoRandom::chance(double probability) {
    return uniform() < probability;
}

double DemoRandom::normal(double mean, double sd) {
    // Marsaglia's polar method; the second value is dropped so that every call draws anew.
    double u = 0;
    double s = 0;
    do {
        u = 2 * uniform() - 1;
        const double v = 2 * uniform() - 1;
        s = u * u + v * v;
    } while (s >= 1 || s == 0);
    return mean + sd * u * std::sqrt(-2 * std::log(s) / s);
}

double DemoRandom::factor(double sigma) {
    return std::exp(normal(-sigma * sigma / 2, sigma));
}

int DemoRandom::pick(std::span<const double> weights) {
    double total = 0;
    for (double w : weights)
        total += w;
    double r = uniform() * total;
    for (size_t i = 0; i < weights.size(); ++i) {
        r -= weights[i];
        if (r < 0)
            return int(i);
    }
    return int(weights.size()) - 1;
}
