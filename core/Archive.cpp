#include "core/Archive.h"

#include <cstring>

namespace vyr {

namespace {

template <typename T>
void appendLittleEndian(std::vector<uint8_t>& out, T value) {
    for (size_t i = 0; i < sizeof(T); ++i)
        out.push_back(static_cast<uint8_t>(value >> (8 * i)));
}

template <typename T>
T readLittleEndian(const uint8_t* p) {
    T value = 0;
    for (size_t i = 0; i < sizeof(T); ++i)
        value |= static_cast<T>(p[i]) << (8 * i);
    return value;
}

}  // namespace

Archive::Archive() : storing_(true) {}

Archive::Archive(const uint8_t* data, size_t size) : storing_(false), in_(data), size_(size) {}

void Archive::writeInt(int32_t v) {
    appendLittleEndian(out_, static_cast<uint32_t>(v));
}
void Archive::writeUInt(uint32_t v) {
    appendLittleEndian(out_, v);
}

void Archive::writeFloat(float v) {
    uint32_t bits;
    std::memcpy(&bits, &v, sizeof bits);
    appendLittleEndian(out_, bits);
}

void Archive::writeDouble(double v) {
    uint64_t bits;
    std::memcpy(&bits, &v, sizeof bits);
    appendLittleEndian(out_, bits);
}

void Archive::writeString(const std::string& s) {
    const size_t n = s.size();
    if (n < 255) {
        out_.push_back(static_cast<uint8_t>(n));
    } else if (n < 65534) {
        out_.push_back(0xFF);
        appendLittleEndian(out_, static_cast<uint16_t>(n));
    } else {
        out_.push_back(0xFF);
        appendLittleEndian(out_, static_cast<uint16_t>(0xFFFF));
        appendLittleEndian(out_, static_cast<uint32_t>(n));
    }
    out_.insert(out_.end(), s.begin(), s.end());
}

void Archive::writeBytes(const std::vector<uint8_t>& bytes) {
    out_.insert(out_.end(), bytes.begin(), bytes.end());
}

const uint8_t* Archive::take(size_t n) {
    if (n > size_ - pos_) {
        throw ArchiveError("the file ends early, at byte " + std::to_string(size_) + ", while " +
                           std::to_string(n) + " more bytes were expected");
    }
    const uint8_t* p = in_ + pos_;
    pos_ += n;
    return p;
}

int32_t Archive::readInt() {
    return static_cast<int32_t>(readLittleEndian<uint32_t>(take(4)));
}
uint32_t Archive::readUInt() {
    return readLittleEndian<uint32_t>(take(4));
}

float Archive::readFloat() {
    const uint32_t bits = readLittleEndian<uint32_t>(take(4));
    float v;
    std::memcpy(&v, &bits, sizeof v);
    return v;
}

double Archive::readDouble() {
    const uint64_t bits = readLittleEndian<uint64_t>(take(8));
    double v;
    std::memcpy(&v, &bits, sizeof v);
    return v;
}

std::string Archive::readString() {
    const size_t at = pos_;
    size_t n = *take(1);
    if (n == 0xFF) {
        n = readLittleEndian<uint16_t>(take(2));
        if (n == 0xFFFF)
            n = readLittleEndian<uint32_t>(take(4));
    }
    if (n > size_ - pos_) {
        throw ArchiveError("a string at byte " + std::to_string(at) + " claims " +
                           std::to_string(n) + " bytes, more than the " +
                           std::to_string(size_ - pos_) + " left in the file");
    }
    const uint8_t* p = take(n);
    return std::string(reinterpret_cast<const char*>(p), n);
}

}  // namespace vyr
