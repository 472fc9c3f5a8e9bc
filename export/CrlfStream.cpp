#include "export/CrlfStream.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cassert>
#include <charconv>
#include <condition_variable>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <deque>
#include <mutex>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "core/WorkerPool.h"

namespace vyr {

namespace {

constexpr size_t kBufferSize = size_t(1) << 16;

constexpr uint64_t kPowersOfTen[] = {1,      10,      100,      1000,      10000,
                                     100000, 1000000, 10000000, 100000000, 1000000000};

// m * 2^e (m < 2^53, e <= 10) in fixed notation with D decimals. The digits come from
// q = m * 2^e * 10^D rounded to the nearest integer, ties to even, computed exactly: what
// printf does in the default rounding mode.
template <int D>
int fixedDigits(char* out, bool negative, uint64_t m, int e) {
    constexpr uint64_t scale = kPowersOfTen[D];
    unsigned __int128 q;
    if (e < 0 && e > -64 && m < UINT64_MAX / scale) {
        // The common case in 64 bits: |v| < 2^53 with few decimals.
        const int shift = -e;
        const uint64_t n = m * scale;
        uint64_t q64 = n >> shift;
        const uint64_t rest = n - (q64 << shift);
        const uint64_t half = uint64_t(1) << (shift - 1);
        if (rest > half || (rest == half && (q64 & 1) != 0))
            ++q64;
        q = q64;
    } else if (e >= 0) {
        q = static_cast<unsigned __int128>(m << e) * scale;
    } else {
        const int shift = -e;
        const unsigned __int128 n = static_cast<unsigned __int128>(m) * scale;  // < 2^83
        if (shift > 100) {
            q = 0;  // below a half: n < 2^83 <= 2^(shift - 1)
        } else {
            q = n >> shift;
            const unsigned __int128 rest = n - (q << shift);
            const unsigned __int128 half = static_cast<unsigned __int128>(1) << (shift - 1);
            if (rest > half || (rest == half && (q & 1) != 0))
                ++q;
        }
    }

    uint64_t whole;
    uint64_t part;
    if (q >> 64 == 0) {
        const uint64_t q64 = static_cast<uint64_t>(q);
        whole = q64 / scale;
        part = q64 % scale;
    } else {
        whole = static_cast<uint64_t>(q / scale);
        part = static_cast<uint64_t>(q % scale);
    }

    char* w = out;
    if (negative)
        *w++ = '-';
    w = std::to_chars(w, w + 20, whole).ptr;
    if constexpr (D > 0) {
        *w++ = '.';
        for (int k = D; k >= 1; --k) {
            w[k - 1] = static_cast<char>('0' + part % 10);
            part /= 10;
        }
        w += D;
    }
    return static_cast<int>(w - out);
}

template <int... D>
constexpr auto fixedTable(std::integer_sequence<int, D...>) {
    return std::array<int (*)(char*, bool, uint64_t, int), sizeof...(D)>{&fixedDigits<D>...};
}

}  // namespace

int formatFixed(char* out, double v, int decimals) {
    static constexpr auto kByDecimals = fixedTable(std::make_integer_sequence<int, 10>());
    if (decimals < 0 || decimals > 9)
        return 0;
    const uint64_t bits = std::bit_cast<uint64_t>(v);
    const int exponentField = static_cast<int>((bits >> 52) & 0x7FF);
    const uint64_t fraction = bits & ((uint64_t(1) << 52) - 1);
    if (exponentField == 0x7FF)
        return 0;
    // v = m * 2^e exactly.
    const uint64_t m = exponentField == 0 ? fraction : fraction | (uint64_t(1) << 52);
    const int e = exponentField == 0 ? -1074 : exponentField - 1075;
    if (e > 10)
        return 0;  // |v| >= 2^63
    return kByDecimals[static_cast<size_t>(decimals)](out, (bits >> 63) != 0, m, e);
}

CrlfStream::CrlfStream(std::ostream& out)
    : out_(&out), buffer_(new char[kBufferSize]), capacity_(kBufferSize) {}

CrlfStream::CrlfStream(size_t reserve)
    : buffer_(reserve > 0 ? new char[reserve] : nullptr), capacity_(reserve) {}

CrlfStream::~CrlfStream() {
    flush();
}

void CrlfStream::flush() {
    if (out_ == nullptr)
        return;
    if (used_ > 0)
        out_->write(buffer_.get(), static_cast<std::streamsize>(used_));
    used_ = 0;
}

char* CrlfStream::grow(size_t n) {
    if (out_ != nullptr) {
        assert(n <= kBufferSize);
        flush();
        return buffer_.get();
    }
    const size_t grown = std::max({capacity_ * 2, used_ + n, size_t(1) << 14});
    auto bigger = std::make_unique<char[]>(grown);
    if (used_ > 0)  // a part that reserved nothing has no buffer yet
        std::memcpy(bigger.get(), buffer_.get(), used_);
    buffer_ = std::move(bigger);
    capacity_ = grown;
    return buffer_.get() + used_;
}

void CrlfStream::append(const CrlfStream& part) {
    assert(part.out_ == nullptr);
    nonFinite_ |= part.nonFinite_;
    if (part.used_ == 0)
        return;
    if (out_ != nullptr && part.used_ > kBufferSize) {
        flush();
        out_->write(part.buffer_.get(), static_cast<std::streamsize>(part.used_));
        return;
    }
    std::memcpy(room(part.used_), part.buffer_.get(), part.used_);
    used_ += part.used_;
}

void CrlfStream::text(std::string_view s) {
    while (!s.empty()) {
        // Every byte may become two.
        const size_t chunk = std::min(s.size(), kBufferSize / 2);
        char* const start = room(2 * chunk);
        char* w = start;
        const char* r = s.data();
        const char* const end = r + chunk;
        while (r != end) {
            const void* lf = std::memchr(r, '\n', static_cast<size_t>(end - r));
            const char* stop = lf ? static_cast<const char*>(lf) : end;
            std::memcpy(w, r, static_cast<size_t>(stop - r));
            w += stop - r;
            r = stop;
            if (lf) {
                *w++ = '\r';
                *w++ = '\n';
                ++r;
            }
        }
        used_ += static_cast<size_t>(w - start);
        s.remove_prefix(chunk);
    }
}

void CrlfStream::keep(char* w, size_t n, int width) {
    if (static_cast<size_t>(width) > n) {
        const size_t pad = static_cast<size_t>(width) - n;
        std::memmove(w + pad, w, n);
        std::memset(w, ' ', pad);
        n += pad;
    }
    used_ += n;
}

void CrlfStream::padded(const char* s, size_t n, int width) {
    if (width > 0 && static_cast<size_t>(width) > n) {
        const size_t pad = static_cast<size_t>(width) - n;
        char* w = room(pad);
        std::memset(w, ' ', pad);
        used_ += pad;
    }
    text(std::string_view(s, n));
}

struct CrlfStream::Format {
    struct Piece {
        /// The text before the conversion, line feeds already translated.
        std::string literal;
        /// 0 for the text after the last conversion.
        char conversion = 0;
        bool flags = false;
        int width = 0;
        int precision = -1;
        /// The conversion as written, for snprintf.
        std::string directive;
    };
    const char* key = nullptr;
    std::vector<Piece> pieces;
};

namespace {

void appendTranslated(std::string& to, const char* from, const char* end) {
    for (; from != end; ++from) {
        if (*from == '\n')
            to += '\r';
        to += *from;
    }
}

bool isFlag(char c) {
    return c == '-' || c == '+' || c == ' ' || c == '#' || c == '0';
}

bool isLength(char c) {
    return c == 'h' || c == 'l' || c == 'L' || c == 'q' || c == 'j' || c == 'z' || c == 't';
}

}  // namespace

const CrlfStream::Format& CrlfStream::parsed(const char* fmt) {
    Format*& slot = recent_[(reinterpret_cast<uintptr_t>(fmt) >> 3) % std::size(recent_)];
    if (slot != nullptr && slot->key == fmt)
        return *slot;
    for (const auto& f : formats_) {
        if (f->key == fmt)
            return *(slot = f.get());
    }
    auto f = std::make_unique<Format>();
    f->key = fmt;
    Format::Piece piece;
    const char* p = fmt;
    while (*p != '\0') {
        if (*p != '%') {
            const char* run = p;
            while (*p != '\0' && *p != '%')
                ++p;
            appendTranslated(piece.literal, run, p);
            continue;
        }
        // %[flags][width][.precision][length]conversion
        const char* start = p++;
        while (isFlag(*p))
            piece.flags = true, ++p;
        while (*p >= '0' && *p <= '9')
            piece.width = std::min(piece.width * 10 + (*p++ - '0'), 1 << 20);
        if (*p == '.') {
            ++p;
            piece.precision = 0;
            while (*p >= '0' && *p <= '9')
                piece.precision = std::min(piece.precision * 10 + (*p++ - '0'), 1 << 20);
        }
        while (isLength(*p))
            ++p;
        assert(*p != '\0' && "format ends inside a conversion");
        if (*p == '\0')
            break;
        const char conversion = *p++;
        if (conversion == '%') {
            piece.literal += '%';
            piece.flags = false, piece.width = 0, piece.precision = -1;
            continue;
        }
        piece.conversion = conversion;
        piece.directive.assign(start, p);
        f->pieces.push_back(std::move(piece));
        piece = Format::Piece();
    }
    f->pieces.push_back(std::move(piece));
    formats_.push_back(std::move(f));
    return *(slot = formats_.back().get());
}

void CrlfStream::formatArgs(const char* fmt, const Arg* args, int count) {
    const Format& f = parsed(fmt);
    int next = 0;
    for (const Format::Piece& piece : f.pieces) {
        if (!piece.literal.empty()) {
            const size_t n = piece.literal.size();
            if (n <= kBufferSize || out_ == nullptr) {
                std::memcpy(room(n), piece.literal.data(), n);
                used_ += n;
            } else {
                flush();
                out_->write(piece.literal.data(), static_cast<std::streamsize>(n));
            }
        }
        if (piece.conversion == 0)
            break;
        assert(next < count && "more conversions than arguments");
        if (next >= count)
            return;
        const Arg& a = args[next++];

        // Numbers are written straight into the buffer.
        if (!piece.flags && piece.conversion == 'f' && a.kind == Arg::kDouble &&
            piece.width <= 64) {
            char* w = room(96);
            const int n = formatFixed(w, a.d, piece.precision < 0 ? 6 : piece.precision);
            if (n > 0) {
                keep(w, static_cast<size_t>(n), piece.width);
                continue;
            }
        } else if (!piece.flags && (piece.conversion == 'd' || piece.conversion == 'i') &&
                   a.kind == Arg::kInt && piece.precision < 0 && piece.width <= 64) {
            char* w = room(96);
            const char* end = std::to_chars(w, w + 32, a.i).ptr;
            keep(w, static_cast<size_t>(end - w), piece.width);
            continue;
        } else if (!piece.flags && piece.conversion == 's' && a.kind == Arg::kString &&
                   piece.precision < 0) {
            padded(a.s, std::strlen(a.s), piece.width);
            continue;
        }

        // Everything else, and magnitudes beyond the fixed-point path, as printf writes it.
        const char* one = piece.directive.c_str();
        auto print = [&](char* to, size_t size) {
            switch (a.kind) {
                case Arg::kInt:
                    return std::snprintf(to, size, one, static_cast<int>(a.i));
                case Arg::kDouble:
                    return std::snprintf(to, size, one, a.d);
                case Arg::kString:
                    return std::snprintf(to, size, one, a.s);
                case Arg::kNone:
                    break;
            }
            return -1;
        };
        const int n = print(nullptr, 0);
        if (n <= 0)
            continue;
        std::string out(static_cast<size_t>(n) + 1, '\0');
        print(out.data(), out.size());
        out.resize(static_cast<size_t>(n));
        text(out);
    }
    assert(next == count && "more arguments than conversions");
}

void writeInParts(CrlfStream& s, size_t count,
                  const std::function<void(CrlfStream& part, size_t item)>& item) {
    // Items go in parts of kItemsPerPart consecutive items, claimed in order by every thread
    // of the pool, each formatted into one of a few slots (part k into slot k % kSlots), and
    // the slots written out in order by whichever thread finds the next one ready. A thread
    // waits for its slot only while the part kSlots before is still being formatted, so
    // memory stays at a few parts. A part of several items keeps the threads' hand-overs
    // (lock, wake-up) well below the formatting time.
    constexpr size_t kSlots = 3;
    constexpr size_t kItemsPerPart = 3;
    if (count < 64) {
        for (size_t i = 0; i < count; ++i)
            item(s, i);
        return;
    }
    const size_t parts = (count + kItemsPerPart - 1) / kItemsPerPart;
    std::deque<CrlfStream> slots;
    for (size_t k = 0; k < kSlots; ++k)
        slots.emplace_back(size_t(1) << 16);
    std::mutex mutex;  // guards everything below and the writing to s
    std::condition_variable written;
    std::array<size_t, kSlots> ready;  // the part a slot holds, or parts when none
    ready.fill(parts);
    size_t claimed = 0;
    size_t next = 0;  // the next part to write
    // Writes the slots that are ready, in order. Needs the lock.
    auto drain = [&] {
        bool any = false;
        while (next < parts && ready[next % kSlots] == next) {
            s.append(slots[next % kSlots]);
            ready[next % kSlots] = parts;
            ++next, any = true;
        }
        if (any)
            written.notify_all();
    };
    WorkerPool& pool = WorkerPool::shared();
    pool.forEach(pool.threads(), 1, [&](size_t, size_t) {
        std::unique_lock lock(mutex);
        while (claimed < parts) {
            const size_t k = claimed++;
            written.wait(lock, [&] { return next + kSlots > k; });
            lock.unlock();
            CrlfStream& part = slots[k % kSlots];
            part.clear();
            const size_t end = std::min(count, (k + 1) * kItemsPerPart);
            for (size_t i = k * kItemsPerPart; i < end; ++i)
                item(part, i);
            lock.lock();
            ready[k % kSlots] = k;
            drain();
        }
    });
}

ExportResult CrlfStream::result(const char* what) {
    flush();
    if (out_ != nullptr && out_->fail())
        return ExportResult::failure(std::string("writing the ") + what + " failed");
    if (nonFinite_) {
        return ExportResult::failure(std::string("the ") + what +
                                     " holds a value that is not a finite number (written as 0)");
    }
    return {};
}

}  // namespace vyr
