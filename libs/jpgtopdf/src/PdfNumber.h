#pragma once

#include <cmath>
#include <string>

// A PDF number with at most four decimals. It must use a dot whatever LC_NUMERIC the host program
// set, so no printf.
inline std::string pdfNumber(double v) {
    if (!std::isfinite(v))
        v = 0;
    long long scaled = std::llround(v * 10000.0);
    std::string sign;
    if (scaled < 0) {
        sign = "-";
        scaled = -scaled;
    }
    std::string s = sign + std::to_string(scaled / 10000);
    long long frac = scaled % 10000;
    if (frac) {
        std::string f = std::to_string(frac);
        f.insert(0, 4 - f.size(), '0');
        while (!f.empty() && f.back() == '0')
            f.pop_back();
        s += "." + f;
    }
    return s == "-0" ? "0" : s;
}
