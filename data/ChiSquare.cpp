#include "data/ChiSquare.h"

#include <cmath>
#include <limits>

namespace {

constexpr double EPSILON = std::numeric_limits<double>::epsilon();
// The series and the continued fraction need a few times sqrt(a) steps around x = a, where the
// quantiles of a confidence interval lie.
int MaxSteps(double a) {
    return 100 + static_cast<int>(20.0 * std::sqrt(a));
}

// ln Gamma(a) for a > 0. The series are measured on several threads at once, and std::lgamma
// writes the sign to the global signgam: the reentrant call keeps its sign to itself.
double LogGamma(double a) {
    int nSign = 0;
    return lgamma_r(a, &nSign);
}

// x^a e^-x / Gamma(a), in logarithms: each factor alone overflows long before the product.
double Prefactor(double a, double x) {
    return std::exp(a * std::log(x) - x - LogGamma(a));
}

// P(a, x) = x^a e^-x / Gamma(a + 1) * sum_n x^n / ((a + 1) ... (a + n)): every term positive,
// for x < a + 1, where it converges fast.
double LowerBySeries(double a, double x) {
    double dTerm = 1.0 / a;
    double dSum = dTerm;
    const int nSteps = MaxSteps(a);
    for (int n = 1; n < nSteps && dTerm > dSum * EPSILON; ++n) {
        dTerm *= x / (a + n);
        dSum += dTerm;
    }
    return dSum * Prefactor(a, x);
}

// Q(a, x) = 1 - P(a, x) by its continued fraction, evaluated by the modified Lentz method, for
// x >= a + 1: there it converges and the series would sum many large terms.
double UpperByFraction(double a, double x) {
    constexpr double TINY = 1e-300;
    double b = x + 1.0 - a;
    double c = 1.0 / TINY;
    double d = 1.0 / b;
    double dFraction = d;
    const int nSteps = MaxSteps(a);
    for (int n = 1; n < nSteps; ++n) {
        const double an = -n * (n - a);
        b += 2.0;
        d = an * d + b;
        d = std::fabs(d) < TINY ? TINY : d;
        c = b + an / c;
        c = std::fabs(c) < TINY ? TINY : c;
        d = 1.0 / d;
        const double dFactor = d * c;
        dFraction *= dFactor;
        if (std::fabs(dFactor - 1.0) <= EPSILON)
            break;
    }
    return dFraction * Prefactor(a, x);
}

} // namespace

double RegularizedLowerGamma(double a, double x) {
    if (!(x > 0.0))
        return 0.0;
    if (std::isinf(x))
        return 1.0;
    return x < a + 1.0 ? LowerBySeries(a, x) : 1.0 - UpperByFraction(a, x);
}

// Newton's method on P(a, x) = p from the mean x = a, kept inside a bracket that every step
// narrows: a step that would leave it halves the bracket instead (doubles it while there is no
// upper end yet). Near the mean the distribution function is steep and Newton converges in a
// few steps; far out in a tail its slope underflows and the halving takes over.
double ChiSquareQuantile(double p, double dDegrees) {
    const double a = dDegrees / 2.0;
    double dLow = 0.0;
    double dHigh = std::numeric_limits<double>::infinity();
    double x = a;
    for (int nStep = 0; nStep < 300; ++nStep) {
        const double dMiss = RegularizedLowerGamma(a, x) - p;
        if (dMiss == 0.0)
            break;
        (dMiss < 0.0 ? dLow : dHigh) = x;
        const double dSlope = Prefactor(a, x) / x;
        double dNext = x - dMiss / dSlope;
        if (!(dNext > dLow && dNext < dHigh))
            dNext = std::isinf(dHigh) ? 2.0 * dLow : dLow + (dHigh - dLow) / 2.0;
        const bool bSettled = std::fabs(dNext - x) <= 4.0 * EPSILON * x;
        x = dNext;
        if (bSettled)
            break;
    }
    return 2.0 * x;
}
