#include "export/CrlfStream.h"

namespace vyr {

void CrlfStream::text(std::string_view s) {
    size_t start = 0;
    for (;;) {
        const size_t lf = s.find('\n', start);
        if (lf == std::string_view::npos) {
            out_.write(s.data() + start, static_cast<std::streamsize>(s.size() - start));
            return;
        }
        out_.write(s.data() + start, static_cast<std::streamsize>(lf - start));
        out_.write("\r\n", 2);
        start = lf + 1;
    }
}

ExportResult CrlfStream::result(const char* what) const {
    if (out_.fail())
        return ExportResult::failure(std::string("writing the ") + what + " failed");
    if (nonFinite_) {
        return ExportResult::failure(std::string("the ") + what +
                                     " holds a value that is not a finite number (written as 0)");
    }
    return {};
}

}  // namespace vyr
