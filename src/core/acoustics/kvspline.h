#pragma once
// Natural cubic spline through knots (x[k], y[k]), k = 1..n; index 0 of
// every array is unused. Everything in long double.
#include <vector>

using Spline_Feld = std::vector<long double>;

// Second derivatives y2[1..n] of the interpolating cubic spline (y2 is
// enlarged to n+1 entries when shorter). natuerlich: zero second derivative at
// both ends; otherwise the end slopes yp1 and ypn are met. Needs strictly
// increasing x; with fewer than 2 knots, or arrays shorter than n+1, y2 is set to 0.
void spline_kubisch(const Spline_Feld& x, const Spline_Feld& y, Spline_Feld& y2, bool natuerlich,
                    long double yp1, long double ypn, int n);

// Spline value at f. Outside the knot range the end interval's cubic is used
// as it stands. fehler = true (result 0) when two knots coincide, or when the
// arrays cannot hold n knots.
long double Werte_spline(const Spline_Feld& x, const Spline_Feld& y, const Spline_Feld& y2, int n,
                         long double f, bool& fehler);
