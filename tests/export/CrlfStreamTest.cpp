// The export stream writes numbers byte for byte as printf does, for every format the VRML
// and C writers use, over random values and the values where rounding is delicate.
#include <gtest/gtest.h>

#include <bit>
#include <cfloat>
#include <climits>
#include <cmath>
#include <random>

#include "ExportTestSupport.h"
#include "core/WorkerPool.h"
#include "export/CrlfStream.h"

namespace vyr {
namespace {

template <class... Args>
std::string viaPrintf(const char* fmt, Args... args) {
    std::string s(std::snprintf(nullptr, 0, fmt, args...) + 1, '\0');
    s.resize(std::snprintf(s.data(), s.size(), fmt, args...));
    return test::crlf(s);
}

// Ties and their neighbours at every rounding digit, signed zeros, subnormals, magnitudes
// on both sides of the 64-bit fast path, then random values of every size and random bits.
std::vector<double> delicateValues() {
    std::vector<double> v = {0.0, -0.0, 0.001, -0.001, 0.005, -0.005, 0.125, 0.375, 2.5};
    v.insert(v.end(), {-2.5, 0.0078125, 1e15, 9007199254740992.0, 9.2e18, 9.3e18, 1e19});
    v.insert(v.end(), {1e300, DBL_MAX, -DBL_MAX, DBL_MIN, 5e-324, -1e-310});
    for (int digit = 0; digit <= 9; ++digit) {
        for (int k = 1; k < 200; k += 2) {
            const double tie = k * 0.5 / std::pow(10.0, digit);
            for (double t : {tie, std::nextafter(tie, 0.0), std::nextafter(tie, 1e9)})
                v.insert(v.end(), {t, -t, t + 1e6, t * 1024});
        }
    }
    for (int e = 1; e <= 40; ++e)
        v.push_back(std::ldexp(3.0, -e));  // exact ties in binary
    std::mt19937_64 random(14);
    for (int k = 0; k < 100000; ++k) {
        const double scale = std::pow(10.0, static_cast<int>(random() % 40) - 20);
        v.push_back(std::uniform_real_distribution<double>(-scale, scale)(random));
        const double bits = std::bit_cast<double>(uint64_t(random()));
        if (k % 20 == 0 && std::isfinite(bits))
            v.push_back(bits);
    }
    return v;
}

TEST(CrlfStream, EveryNumberFormatOfTheWritersMatchesPrintf) {
    static const std::vector<double> values = delicateValues();
    for (const char* fmt : {"%.2f", "%3.2lf", "%.2lf", "%f", "%.0f", "%.9f", "%12.3f"}) {
        SCOPED_TRACE(fmt);
        std::ostringstream out;
        std::string expected;
        CrlfStream s(out);
        for (double v : values) {
            s.format(fmt, v), s.text("|");
            expected += viaPrintf(fmt, v) + "|";
        }
        s.flush();
        EXPECT_TRUE(out.str() == expected);
    }
}

TEST(CrlfStream, WholeWriterFormatsMatchPrintfWithCrlf) {
    const auto same = [](const char* fmt, auto... args) {
        std::ostringstream out;
        CrlfStream s(out);
        s.format(fmt, args...);
        s.flush();
        EXPECT_EQ(out.str(), viaPrintf(fmt, args...)) << fmt;
    };
    const double a = 0.125, b = -0.0, c = 1234.565, d = -7.0078125;
    same("\nGLfloat %s%s[] = { %.2f , %.2f, %.2f, %.2f };", "side_", "ambient", a, b, c, d);
    same("\nglTranslatef(-%f/2.0f,0.f,0.f);%5d|%-4d|%e", c, 42, 7, c);
    // Widths and precisions of several digits, "%%" before conversions, padded strings, a
    // conversion left to printf giving one character, and a one-character output.
    same("100%% %f%%%5d|%19.4f|%10d|%.12f|%5s|%2s|%x", d, 42, c, -3, a, "ab", "abc", 15);
    same("%d", 7);
    for (int v : {0, 1, -1, 7, 123456, INT_MAX, INT_MIN})
        same("%d %d %d -1\n\t\t\t\t\t", v, -(v / 3), v / 7);
}

TEST(CrlfStream, PartsGrowAndJoinWithoutLosingAByteBeyondTheBuffer) {
    // Past the 64 KiB buffer: line feeds doubling text beyond its end, a part outgrowing a small
    // reservation with text in it, a one-byte part, a joined part larger than the buffer.
    const std::string xs(60000, 'x'), lfs(40000, '\n');
    std::ostringstream out;
    {
        CrlfStream s(out), joined(size_t(0)), grown(size_t(16)), one(size_t(0));
        grown.text("ab\n"), grown.text(lfs), one.text("y");
        joined.append(grown), joined.append(one);
        s.format("%d", 7), s.text(xs + lfs), s.append(joined), s.append(one);
    }
    EXPECT_EQ(out.str(), "7" + xs + test::crlf(lfs) + "ab\r\n" + test::crlf(lfs) + "yy");
}

// Parts formatted over the threads come out in item order, every item once, also when the
// count is not a whole number of parts and whatever the number of threads.
TEST(CrlfStream, ItemsWrittenInPartsKeepTheirOrderOnEveryThreadCount) {
    WorkerPool& pool = WorkerPool::shared();
    const unsigned cores = pool.threads();
    for (unsigned threads : {1u, 2u, 3u, 8u}) {
        pool.setThreads(threads);
        for (size_t count : {0, 5, 64, 65, 200, 1001}) {
            std::string expected;
            for (size_t i = 0; i < count; ++i)
                expected += std::to_string(i) + "\r\n";
            std::ostringstream out;
            CrlfStream s(out);
            writeInParts(s, count, [](CrlfStream& part, size_t i) { part.format("%d\n", int(i)); });
            s.flush();
            EXPECT_EQ(out.str(), expected) << threads << " threads, " << count << " items";
        }
    }
    pool.setThreads(cores);
}

}  // namespace
}  // namespace vyr
