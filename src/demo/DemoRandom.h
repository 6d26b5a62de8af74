#pragma once

#include <QtGlobal>
#include <array>
#include <span>

/// A seeded random stream (xoshiro256**) with distributions of its own, so that a seed gives the
/// same herd whatever standard library the program is built with. Independent streams of one
/// seed are told apart by a stream number.
class DemoRandom {
public:
    DemoRandom(quint64 seed, quint64 stream);

    quint64 next();
    /// Uniform in [0, 1).
    double uniform();
    /// Uniform integer, both bounds included.
    int uniformInt(int low, int high);
    bool chance(double probability);
    double normal(double mean, double sd);
    /// Log-normal factor with mean 1 and the given standard deviation of its logarithm.
    double factor(double sigma);
    /// Index chosen with the given (not necessarily normalised) weights.
    int pick(std::span<const double> weights);

private:
    std::array<quint64, 4> m_state;
};
