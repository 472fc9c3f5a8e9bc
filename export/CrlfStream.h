#pragma once

#include <cmath>
#include <functional>
#include <iosfwd>
#include <memory>
#include <string_view>
#include <type_traits>
#include <vector>

#include "export/ExportResult.h"

namespace vyr {

/// Text output of the VRML and C exports: every line feed is stored as carriage return and
/// line feed, nothing else is translated, and numbers take the forms printf gives them, so
/// the files keep the number forms they have always had.
///
/// Output collects in a large buffer that goes to the stream in big writes: when it fills,
/// at flush(), result() and destruction.
///
/// A value that is not finite is written as 0 and remembered: no NaN or infinity reaches a
/// file, and result() reports that the file does not hold the scene as it is.
class CrlfStream {
  public:
    explicit CrlfStream(std::ostream& out);
    /// A stream that keeps everything in memory (growing as needed) until appended to
    /// another: pieces of a file formatted apart, on several threads, and joined in order.
    explicit CrlfStream(size_t reserve = 0);
    ~CrlfStream();
    CrlfStream(const CrlfStream&) = delete;
    CrlfStream& operator=(const CrlfStream&) = delete;

    void text(std::string_view s);

    /// As snprintf with `fmt` would write it; arguments are ints, doubles or C strings.
    /// The conversions %d, %f (any width and precision, "l" allowed), %s and %% are formatted
    /// here without a library call; anything else goes through snprintf. A format is parsed
    /// once per stream and remembered by its address: it must not change while the stream
    /// lives (a string literal).
    template <class... Args>
    void format(const char* fmt, Args... args) {
        const Arg list[] = {Arg(check(args))..., Arg()};
        formatArgs(fmt, list, sizeof...(Args));
    }

    /// Hands everything buffered to the stream (nothing for an in-memory stream).
    void flush();

    /// Appends what an in-memory stream holds, as it stands, and takes over its record of
    /// values that were not finite.
    void append(const CrlfStream& part);
    /// Empties an in-memory stream, keeping its memory.
    void clear() { used_ = 0; }

    /// Flushes; failure when the stream failed or a value was not finite.
    ExportResult result(const char* what);

  private:
    struct Arg {
        enum Kind { kNone, kInt, kDouble, kString } kind = kNone;
        long long i = 0;
        double d = 0.0;
        const char* s = nullptr;
        Arg() = default;
        Arg(int v) : kind(kInt), i(v) {}
        Arg(double v) : kind(kDouble), d(v) {}
        Arg(const char* v) : kind(kString), s(v) {}
    };

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

    struct Format;
    void formatArgs(const char* fmt, const Arg* args, int count);
    const Format& parsed(const char* fmt);
    /// Room for `n` more bytes; returns where to write them.
    char* room(size_t n) {
        if (buffer_ != nullptr && used_ + n <= capacity_)
            return buffer_.get() + used_;
        return grow(n);
    }
    char* grow(size_t n);
    /// Right-aligns the `n` characters just written at `w` (the free end of the buffer) in
    /// `width` and keeps them.
    void keep(char* w, size_t n, int width);
    void put(char c) { *room(1) = c, ++used_; }
    /// Writes `s` padded on the left with blanks to `width`.
    void padded(const char* s, size_t n, int width);

    std::ostream* out_ = nullptr;
    std::unique_ptr<char[]> buffer_;
    size_t capacity_ = 0;
    size_t used_ = 0;
    bool nonFinite_ = false;
    std::vector<std::unique_ptr<Format>> formats_;
    // Direct-mapped by address over formats_, so a repeated format is found in one step.
    Format* recent_[64] = {};
};

/// Writes items 0 .. count - 1 to `s` in order, formatting them over the cores: a few items
/// at a time into in-memory parts that are appended in item order, a group of parts at a
/// time so that little is held. `item` must write only to the stream it is given.
void writeInParts(CrlfStream& s, size_t count,
                  const std::function<void(CrlfStream& part, size_t item)>& item);

/// Writes `v` in fixed notation with `decimals` digits after the point, exactly as printf's
/// "%.<decimals>f" does with the default rounding (the exact binary value rounded half to
/// even): a sign for every negative value and negative zero, no padding. Handles |v| < 2^63
/// and 0 <= decimals <= 9 and returns the number of characters written (at most 32); returns
/// 0 and writes nothing otherwise, or when `v` is not finite.
int formatFixed(char* out, double v, int decimals);

}  // namespace vyr
