#include "engine/Geodesic.h"

#include "engine/GreatCircle.h"

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <utility>

using locatrix::kTruePi;

namespace {

const double kA = locatrix::kWgs84SemiMajorMetres;
const double kF = locatrix::kWgs84Flattening;
const double kB = kA * (1 - kF);
// The second eccentricity squared, (a^2 - b^2) / b^2.
const double kEp2 = kF * (2 - kF) / ((1 - kF) * (1 - kF));
// Where Newton stops: a few units in the last place of a longitude near pi, some ten
// nanometres on the ground.
const double kTolerance = 8 * DBL_EPSILON;

// Gauss-Legendre nodes and weights on [-1, 1]. The integrands below are smooth, their nearest
// poles more than 3 from the real axis: over a quarter turn 12 nodes leave an error far below
// a unit in the last place.
constexpr int kNodes = 12;
struct Quadrature {
    double x[kNodes];
    double w[kNodes];

    Quadrature()
    {
        for (int i = 0; i < kNodes; ++i) {
            // Newton on the Legendre polynomial from the usual estimate; a fixed count of steps
            // (quadratic convergence needs four) gives the same nodes on every run.
            double z = std::cos(kTruePi * (i + 0.75) / (kNodes + 0.5));
            double dp = 1;
            for (int step = 0; step < 8; ++step) {
                double p0 = 1, p1 = z;
                for (int j = 2; j <= kNodes; ++j) {
                    const double p2 = ((2 * j - 1) * z * p1 - (j - 1) * p0) / j;
                    p0 = p1;
                    p1 = p2;
                }
                dp = kNodes * (z * p1 - p0) / (z * z - 1);
                if (step < 7)
                    z -= p1 / dp;
            }
            x[i] = z;
            w[i] = 2 / ((1 - z * z) * dp * dp);
        }
    }
};

struct Integrals {
    double distance;   // of sqrt(1 + k2 sin^2) - 1: the arc's excess over the sphere's
    double longitude;  // of (2 - f) / (1 + (1 - f) sqrt(1 + k2 sin^2)): what the ellipsoid takes off
    double reduced;    // of sqrt(1 + k2 sin^2) - 1 / sqrt(1 + k2 sin^2): for the reduced length
};

// The three integrals from sigma1 to sigma2, in pieces of at most a quarter turn.
Integrals Integrate(double k2, double sigma1, double sigma2)
{
    static const Quadrature q;
    Integrals sum{0, 0, 0};
    const int pieces = std::max(1, static_cast<int>(std::ceil((sigma2 - sigma1) / (kTruePi / 2))));
    const double half = (sigma2 - sigma1) / pieces / 2;
    for (int p = 0; p < pieces; ++p) {
        const double middle = sigma1 + (2 * p + 1) * half;
        for (int i = 0; i < kNodes; ++i) {
            const double s = std::sin(middle + half * q.x[i]);
            const double u = k2 * s * s;
            const double w = std::sqrt(1 + u);
            const double weight = q.w[i] * half;
            sum.distance += weight * u / (1 + w);
            sum.longitude += weight * (2 - kF) / (1 + (1 - kF) * w);
            sum.reduced += weight * u / w;
        }
    }
    return sum;
}

// Sine and cosine of the reduced latitude, tan(beta) = (1 - f) tan(phi).
void ReducedLatitude(double latitude, double& sinBeta, double& cosBeta)
{
    double s, c;
    CGreatCircle::SinCos(latitude, s, c);
    s *= 1 - kF;
    const double h = std::hypot(s, c);
    sinBeta = s / h;
    cosBeta = c / h;
}

// A geodesic leaving beta1 at azimuth alpha1 (0 <= alpha1 <= pi, beta1 <= 0), followed to the
// first place where it crosses beta2 going north (|beta2| <= |beta1|), or, descending, to the
// first place after that where it crosses beta2 going south.
struct Line {
    double lambda12;  // longitude gained, radians
    double slope;     // d lambda12 / d alpha1
    double metres;
    double sinAlpha2, cosAlpha2;
    double m12;       // reduced length, metres
};

Line Follow(double sinBeta1, double cosBeta1, double sinBeta2, double cosBeta2, double sinAlpha1, double cosAlpha1,
            bool descending)
{
    Line line;
    // Clairaut: sin(alpha) cos(beta) is the same all along, sin(alpha0) at the equator.
    const double sinAlpha0 = sinAlpha1 * cosBeta1;
    const double cosAlpha0 = std::hypot(cosAlpha1, sinAlpha1 * sinBeta1);
    if (cosBeta2 == 0) {
        line.sinAlpha2 = 0;
        line.cosAlpha2 = 1;
    } else {
        line.sinAlpha2 = sinAlpha0 / cosBeta2;
        // cos^2 beta2 - cos^2 beta1 from the sines or the cosines, whichever loses fewer bits.
        const double d = cosBeta1 < -sinBeta1 ? (cosBeta2 - cosBeta1) * (cosBeta2 + cosBeta1)
                                              : (sinBeta1 - sinBeta2) * (sinBeta1 + sinBeta2);
        const double c = cosAlpha1 * cosBeta1;
        line.cosAlpha2 = std::sqrt(std::max(0.0, c * c + d)) / cosBeta2;
    }
    // Arc from the equator crossing northwards (sigma) and its longitude on the sphere (omega),
    // each as sine and cosine scaled by cos(alpha0).
    const double sinSigma1 = sinBeta1, cosSigma1 = cosAlpha1 * cosBeta1;
    const double sinSigma2 = sinBeta2, cosSigma2 = line.cosAlpha2 * cosBeta2;
    const double sigma1 = std::atan2(sinSigma1, cosSigma1);
    double sigma2 = std::atan2(sinSigma2, cosSigma2);
    const double omega1 = std::atan2(sinAlpha0 * sinSigma1, cosSigma1);
    double omega2 = std::atan2(sinAlpha0 * sinSigma2, cosSigma2);
    if (descending) {
        // The same latitude on the far side of the northern vertex.
        sigma2 = kTruePi - sigma2;
        omega2 = kTruePi - omega2;
        line.cosAlpha2 = -line.cosAlpha2;
    }

    const double k2 = kEp2 * cosAlpha0 * cosAlpha0;
    const Integrals in = Integrate(k2, sigma1, sigma2);
    line.metres = kB * (sigma2 - sigma1 + in.distance);
    line.lambda12 = omega2 - omega1 - kF * sinAlpha0 * in.longitude;

    const double s1 = std::sin(sigma1), c1 = std::cos(sigma1), s2 = std::sin(sigma2), c2 = std::cos(sigma2);
    const double w1 = std::sqrt(1 + k2 * s1 * s1), w2 = std::sqrt(1 + k2 * s2 * s2);
    line.m12 = kB * (w2 * c1 * s2 - w1 * s1 * c2 - c1 * c2 * in.reduced);
    // Turning alpha1 moves the end sideways by m12 per radian; along beta2's parallel (radius
    // a cos beta2) that is a longitude change of m12 / (a cos alpha2 cos beta2).
    line.slope = line.m12 / (kA * line.cosAlpha2 * cosBeta2);
    return line;
}

// sin(b - a) of two directions each given as sine and cosine: positive when b is
// anticlockwise of a by less than a half turn.
double Cross(double sinA, double cosA, double sinB, double cosB) { return sinB * cosA - cosB * sinA; }

// The start azimuth whose line gains lambda12 of longitude. lambda12 grows with alpha1 over
// [0, pi]: a bracket that only shrinks, Newton's step where it stays inside, bisection where
// it does not. The azimuth is carried as sine and cosine, not as an angle: near the equator
// the answer can lie within a few units in the last place of pi / 2, where only the cosine
// still tells the candidates apart.
Line Search(double sinBeta1, double cosBeta1, double sinBeta2, double cosBeta2, double sinLambda, double cosLambda,
            double lambda12, bool descending, double& sinAlpha1, double& cosAlpha1)
{
    double sinLow = 0, cosLow = 1, sinHigh = 0, cosHigh = -1;
    // First guess: the great circle on the auxiliary sphere.
    double s = cosBeta2 * sinLambda, c = cosBeta1 * sinBeta2 - sinBeta1 * cosBeta2 * cosLambda;
    Line line{};
    for (int i = 0; i < 200; ++i) {
        double h = std::hypot(s, c);
        if (!(h > 0) || !(Cross(sinLow, cosLow, s, c) > 0 && Cross(s, c, sinHigh, cosHigh) > 0)) {
            // Bisection: the middle of the bracket (which is a half turn wide only at first).
            s = sinLow + sinHigh;
            c = cosLow + cosHigh;
            h = std::hypot(s, c);
            if (!(h > 0)) {
                s = 1;
                c = 0;
                h = 1;
            }
            if ((s / h == sinLow && c / h == cosLow) || (s / h == sinHigh && c / h == cosHigh))
                break;  // the bracket is down to neighbouring doubles
        }
        sinAlpha1 = s / h;
        cosAlpha1 = c / h;
        line = Follow(sinBeta1, cosBeta1, sinBeta2, cosBeta2, sinAlpha1, cosAlpha1, descending);
        const double miss = line.lambda12 - lambda12;
        if (std::fabs(miss) <= kTolerance)
            break;
        if (miss > 0) {
            sinHigh = sinAlpha1;
            cosHigh = cosAlpha1;
        } else {
            sinLow = sinAlpha1;
            cosLow = cosAlpha1;
        }
        // Newton's step, as a turn of the direction; NaN or a step outside the bracket is
        // caught above.
        const double step = -miss / line.slope;
        if (!(std::fabs(step) < kTruePi)) {
            s = c = 0;
            continue;
        }
        const double sinStep = std::sin(step), cosStep = std::cos(step);
        s = sinAlpha1 * cosStep + cosAlpha1 * sinStep;
        c = cosAlpha1 * cosStep - sinAlpha1 * sinStep;
    }
    return line;
}

// The line travelled the other way: both azimuths turned round.
void Reverse(double& sinAlpha1, double& cosAlpha1, Line& line)
{
    sinAlpha1 = -sinAlpha1;
    cosAlpha1 = -cosAlpha1;
    line.sinAlpha2 = -line.sinAlpha2;
    line.cosAlpha2 = -line.cosAlpha2;
}

double Degrees(double radians) { return radians / kTruePi * 180; }

} // namespace

CGeodesic::CGeodesic(const LatLon& from, const LatLon& to, bool longPath)
{
    // Solved in one frame: the first point the farther from the equator and south of it, the
    // second east of it by 0 to 180 degrees. The flips are undone on the azimuths at the end.
    LatLon p = from, q = to;
    const bool swapped = std::fabs(p.Latitude) < std::fabs(q.Latitude);
    if (swapped)
        std::swap(p, q);
    double lon12 = std::remainder(q.Longitude - p.Longitude, 360.0);
    const bool lonFlip = lon12 < 0;
    lon12 = std::fabs(lon12);
    const bool latFlip = p.Latitude > 0;
    if (latFlip) {
        p.Latitude = -p.Latitude;
        q.Latitude = -q.Latitude;
    }
    double sinBeta1, cosBeta1, sinBeta2, cosBeta2, sinLambda, cosLambda;
    ReducedLatitude(p.Latitude, sinBeta1, cosBeta1);
    ReducedLatitude(q.Latitude, sinBeta2, cosBeta2);
    CGreatCircle::SinCos(lon12, sinLambda, cosLambda);
    const double lambda12 = lon12 / 180 * kTruePi;

    double sinAlpha1 = 0, cosAlpha1 = 1;
    Line line;
    const bool equator = sinBeta1 == 0;
    if (equator && (longPath || lon12 <= (1 - kF) * 180)) {
        // Both on the equator, close enough for the equator itself to be the shortest way; the
        // long way then follows the equator westwards.
        sinAlpha1 = 1;
        cosAlpha1 = 0;
        line = Line{lambda12, 0, kA * lambda12, 1, 0, 0};
        if (longPath) {
            line.metres = kA * (2 * kTruePi - lambda12);
            Reverse(sinAlpha1, cosAlpha1, line);
        }
    } else {
        // On the equator the start's sigma is -0, so that leaving southwards begins at -pi.
        if (equator)
            sinBeta1 = -0.0;
        const bool meridian = sinLambda == 0 || cosBeta1 == 0;
        if (meridian) {
            // Along a meridian; from a pole every path is one. On an oblate ellipsoid the
            // meridian is the shortest way even over a pole, to near the antipode.
            sinAlpha1 = sinLambda;
            cosAlpha1 = cosLambda;
            line = Follow(sinBeta1, cosBeta1, sinBeta2, cosBeta2, sinAlpha1, cosAlpha1, false);
        }
        if (meridian && longPath) {
            // A meridian closes on itself: the long way is the rest of it.
            line.metres = kB * (2 * kTruePi + Integrate(kEp2, 0, 2 * kTruePi).distance) - line.metres;
            Reverse(sinAlpha1, cosAlpha1, line);
        } else if (longPath) {
            // The other way round, westwards by 2 pi - lambda12: solved mirrored, so eastwards,
            // reaching the second point from the far side, going south.
            line = Search(sinBeta1, cosBeta1, sinBeta2, cosBeta2, -sinLambda, cosLambda, 2 * kTruePi - lambda12, true,
                          sinAlpha1, cosAlpha1);
            sinAlpha1 = -sinAlpha1;
            line.sinAlpha2 = -line.sinAlpha2;
        } else if (!meridian) {
            line = Search(sinBeta1, cosBeta1, sinBeta2, cosBeta2, sinLambda, cosLambda, lambda12, false, sinAlpha1,
                          cosAlpha1);
        }
    }
    if (equator && !longPath && cosAlpha1 < 0) {
        // Both on the equator: the way north and the way south are equally long; take north.
        cosAlpha1 = -cosAlpha1;
        line.cosAlpha2 = -line.cosAlpha2;
    }
    m_dMetres = line.metres;

    double s1 = sinAlpha1, c1 = cosAlpha1, s2 = line.sinAlpha2, c2 = line.cosAlpha2;
    if (latFlip) {
        c1 = -c1;
        c2 = -c2;
    }
    if (lonFlip) {
        s1 = -s1;
        s2 = -s2;
    }
    if (swapped) {
        // Solved from the second point to the first: each azimuth is the other one reversed.
        std::swap(s1, s2);
        std::swap(c1, c2);
        s1 = -s1;
        c1 = -c1;
        s2 = -s2;
        c2 = -c2;
    }
    m_dAzimuth1 = CGreatCircle::Turn(Degrees(std::atan2(s1, c1)));
    m_dAzimuth2 = CGreatCircle::Turn(Degrees(std::atan2(s2, c2)));
}

CGeodesic::~CGeodesic() = default;

double CGeodesic::GetMetres() const { return m_dMetres; }
double CGeodesic::GetInitialAzimuth() const { return m_dAzimuth1; }
double CGeodesic::GetFinalAzimuth() const { return m_dAzimuth2; }
