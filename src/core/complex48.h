#pragma once
// Complex numbers as the matching structures compute them: a pair of stored
// reals, every operation storing each part of its result (and the ratio and
// scale of the quotient) as a 6-byte real. Qt-free.
namespace ondarel {

struct Complex48 {
    long double re = 0;
    long double im = 0;
};

// Both parts stored.
Complex48 stored(long double re, long double im);

// (a + c) + j(b + d).
Complex48 operator+(const Complex48& x, const Complex48& y);
// (a·c − b·d) + j(b·c + a·d).
Complex48 operator*(const Complex48& x, const Complex48& y);
// Both parts multiplied by the real k.
Complex48 operator*(long double k, const Complex48& x);
// Smith's quotient: the larger part of the divisor divides the smaller, so no
// intermediate overflows. A zero divisor raises the floating-point fault.
Complex48 operator/(const Complex48& x, const Complex48& y);

}  // namespace ondarel
