#include "form/form_contrast.h"

#include <algorithm>

namespace tolvane {
namespace {

// x^2.4 for x in (0, 1], as the fifth root of x^12 found by Newton's method from x^2, which lies
// above it: the maths library's pow would bring a quarter of a megabyte of its pages into every
// start-up of the Linux window, for a few colours. From above, each step is smaller until the
// root is reached, so the steps end once one is not.
double PowerTwoPointFour(double x) {
    const double square = x * x;
    const double twelfth = square * square * square * square * square * square;
    double root = square;
    for (;;) {
        const double fourth = (root * root) * (root * root);
        const double next = root - (fourth * root - twelfth) / (5 * fourth);
        if (!(next < root)) {
            return root;
        }
        root = next;
    }
}

// The luminance a reader sees, from the sRGB channels.
double Luminance(Rgb colour) {
    const auto linear = [](int value) {
        const double channel = value / 255.0;
        return channel <= 0.04045 ? channel / 12.92 : PowerTwoPointFour((channel + 0.055) / 1.055);
    };
    return 0.2126 * linear(colour.red) + 0.7152 * linear(colour.green) +
           0.0722 * linear(colour.blue);
}

Rgb Blend(Rgb under, Rgb over, int percent) {
    const auto channel = [percent](int from, int to) { return from + (to - from) * percent / 100; };
    return {channel(under.red, over.red), channel(under.green, over.green),
            channel(under.blue, over.blue)};
}

}  // namespace

double ContrastRatio(Rgb first, Rgb second) {
    const double one = Luminance(first);
    const double other = Luminance(second);
    return (std::max(one, other) + 0.05) / (std::min(one, other) + 0.05);
}

Rgb EdgeColour(Rgb window, Rgb text, double contrast) {
    for (int percent = 30; percent < 100; percent += 5) {
        const Rgb edge = Blend(window, text, percent);
        if (ContrastRatio(edge, window) >= contrast) {
            return edge;
        }
    }
    return text;
}

}  // namespace tolvane
