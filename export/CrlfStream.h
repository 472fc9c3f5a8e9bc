#pragma once

#include <cmath>
#include <cstdio>
#include <ostream>
#include <string>
#include <string_view>
#include <type_traits>

#include "export/ExportResult.h"

namespace vyr {

/// Text output of the VRML and C exports: every line feed is stored as carriage return and
/// line feed, nothing else is translated, and numbers go through printf-style formats so the
/// files keep the number forms they have always had.
///
/// A value that is not finite is written as 0 and remembered: no NaN or infinity reaches a
/// file, and result() reports that the file does not hold the scene as it is.
class CrlfStream {
  public:
    explicit CrlfStream(std::ostream& out) : out_(out) {}

    void text(std::string_view s);

    /// snprintf with `fmt`; arguments are ints, doubles or C strings.
    template <class... Args>
    void format(const char* fmt, Args... args) {
        formatChecked(fmt, check(args)...);
    }

    /// Failure when the stream failed or a value was not finite.
    ExportResult result(const char* what) const;

  private:
    template <class T>
    T check(T v) {
        if constexpr (std::is_floating_point_v<T>) {
            if (!std::isfinite(v)) {
                nonFinite_ = true;
                return T(0);
            }
        }
        return v;
    }

    template <class... Args>
    void formatChecked(const char* fmt, Args... args) {
        char buffer[256];
        const int n = std::snprintf(buffer, sizeof buffer, fmt, args...);
        if (n < 0)
            return;
        if (static_cast<size_t>(n) < sizeof buffer) {
            text(std::string_view(buffer, static_cast<size_t>(n)));
            return;
        }
        // Huge magnitudes print hundreds of digits in fixed notation.
        std::string big(static_cast<size_t>(n) + 1, '\0');
        std::snprintf(big.data(), big.size(), fmt, args...);
        big.resize(static_cast<size_t>(n));
        text(big);
    }

    std::ostream& out_;
    bool nonFinite_ = false;
};

}  // namespace vyr
