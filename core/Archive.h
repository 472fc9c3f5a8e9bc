#pragma once

#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

namespace vyr {

/// Raised when a scene file ends early or holds an impossible value.
class ArchiveError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

/// Little-endian values in the scene file's encoding. A storing archive appends to a byte
/// buffer; a loading archive reads from one and throws ArchiveError when it runs out.
/// Strings carry a length prefix: one byte below 255, else 0xFF and a 16-bit length below
/// 65534, else 0xFF, 0xFFFF and a 32-bit length.
class Archive {
  public:
    /// A storing archive.
    Archive();
    /// A loading archive over `data` (not copied; must outlive the archive).
    Archive(const uint8_t* data, size_t size);

    bool isStoring() const { return storing_; }

    void writeInt(int32_t v);
    void writeUInt(uint32_t v);
    void writeFloat(float v);
    void writeDouble(double v);
    void writeString(const std::string& s);
    /// Appends bytes as they are, with no length.
    void writeBytes(const std::vector<uint8_t>& bytes);

    int32_t readInt();
    uint32_t readUInt();
    float readFloat();
    double readDouble();
    std::string readString();

    /// Either direction, so serialize() can be written once per field.
    void io(int32_t& v) { storing_ ? writeInt(v) : void(v = readInt()); }
    void io(uint32_t& v) { storing_ ? writeUInt(v) : void(v = readUInt()); }
    void io(float& v) { storing_ ? writeFloat(v) : void(v = readFloat()); }
    void io(double& v) { storing_ ? writeDouble(v) : void(v = readDouble()); }
    void io(std::string& s) { storing_ ? writeString(s) : void(s = readString()); }

    const std::vector<uint8_t>& bytes() const { return out_; }
    /// Bytes read so far (loading).
    size_t position() const { return pos_; }

  private:
    const uint8_t* take(size_t n);

    bool storing_;
    std::vector<uint8_t> out_;
    const uint8_t* in_ = nullptr;
    size_t size_ = 0;
    size_t pos_ = 0;
};

}  // namespace vyr
