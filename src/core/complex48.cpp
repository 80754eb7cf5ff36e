#include "core/complex48.h"

#include <cmath>

#include "core/checked_math.h"
#include "core/real48.h"

namespace ondarel {

Complex48 stored(long double re, long double im) { return {store48(re), store48(im)}; }

Complex48 operator+(const Complex48& x, const Complex48& y) { return stored(x.re + y.re, x.im + y.im); }

Complex48 operator*(const Complex48& x, const Complex48& y)
{
    return stored(x.re * y.re - x.im * y.im, x.im * y.re + x.re * y.im);
}

Complex48 operator*(long double k, const Complex48& x) { return stored(k * x.re, k * x.im); }

Complex48 operator/(const Complex48& x, const Complex48& y)
{
    const long double a = x.re, b = x.im, c = y.re, d = y.im;
    if (std::fabs(c) >= std::fabs(d)) {
        // c = d = 0 ends here: 0/0.
        const long double r = store48(xmath::div(d, c));
        const long double t = store48(c + r * d);
        return stored(xmath::div(a + r * b, t), xmath::div(b - r * a, t));
    }
    const long double r = store48(xmath::div(c, d));
    const long double t = store48(d + r * c);
    return stored(xmath::div(a * r + b, t), xmath::div(b * r - a, t));
}

}  // namespace ondarel
