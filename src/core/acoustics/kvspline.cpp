#include "core/acoustics/kvspline.h"

#include <cmath>

namespace
{
bool Felder_reichen(const Spline_Feld& x, const Spline_Feld& y, int n)
{
    return n >= 2 && x.size() >= size_t(n) + 1 && y.size() >= size_t(n) + 1;
}
} // namespace

void spline_kubisch(const Spline_Feld& x, const Spline_Feld& y, Spline_Feld& y2, bool natuerlich,
                    long double yp1, long double ypn, int n)
{
    if (n < 0)
        n = 0;
    if (y2.size() < size_t(n) + 1)
        y2.resize(size_t(n) + 1, 0.0L);
    if (!Felder_reichen(x, y, n)) {
        for (auto& w : y2)
            w = 0.0L;
        return;
    }
    Spline_Feld u(size_t(n) + 1, 0.0L);
    if (natuerlich) {
        y2[1] = 0.0L;
        u[1] = 0.0L;
    } else {
        y2[1] = -0.5L;
        u[1] = (3.0L / (x[2] - x[1])) * ((y[2] - y[1]) / (x[2] - x[1]) - yp1);
    }
    for (int i = 2; i <= n - 1; ++i) {
        const long double sig = (x[i] - x[i - 1]) / (x[i + 1] - x[i - 1]);
        const long double p = sig * y2[i - 1] + 2.0L;
        y2[i] = (sig - 1.0L) / p;
        u[i] = (y[i + 1] - y[i]) / (x[i + 1] - x[i]) - (y[i] - y[i - 1]) / (x[i] - x[i - 1]);
        u[i] = (6.0L * u[i] / (x[i + 1] - x[i - 1]) - sig * u[i - 1]) / p;
    }
    long double qn = 0.0L;
    long double un = 0.0L;
    if (!natuerlich) {
        qn = 0.5L;
        un = (3.0L / (x[n] - x[n - 1])) * (ypn - (y[n] - y[n - 1]) / (x[n] - x[n - 1]));
    }
    y2[n] = (un - qn * u[n - 1]) / (qn * y2[n - 1] + 1.0L);
    for (int k = n - 1; k >= 1; --k)
        y2[k] = y2[k] * y2[k + 1] + u[k];
}

long double Werte_spline(const Spline_Feld& x, const Spline_Feld& y, const Spline_Feld& y2, int n,
                         long double f, bool& fehler)
{
    fehler = false;
    if (!Felder_reichen(x, y, n) || y2.size() < size_t(n) + 1) {
        fehler = true;
        return 0.0L;
    }
    int klo = 1;
    int khi = n;
    while (khi - klo > 1) {
        const int k = (khi + klo) / 2;
        if (x[k] > f)
            khi = k;
        else
            klo = k;
    }
    const long double h = x[khi] - x[klo];
    if (std::fabs(h) < 1e-50L) {
        fehler = true;
        return 0.0L;
    }
    const long double a = (x[khi] - f) / h;
    const long double b = (f - x[klo]) / h;
    return a * y[klo] + b * y[khi] + ((a * a * a - a) * y2[klo] + (b * b * b - b) * y2[khi]) * (h * h) / 6.0L;
}
