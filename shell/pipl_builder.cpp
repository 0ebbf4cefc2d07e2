#include "shell/pipl_builder.h"

#include <stdexcept>

namespace strata {

namespace {

// Little-endian writer of the property list.
class PiplWriter {
  public:
    void u16(std::uint16_t v) {
        bytes_.push_back(static_cast<std::uint8_t>(v));
        bytes_.push_back(static_cast<std::uint8_t>(v >> 8));
    }
    void u32(std::uint32_t v) {
        for (int shift = 0; shift < 32; shift += 8) {
            bytes_.push_back(static_cast<std::uint8_t>(v >> shift));
        }
    }
    // Four-character codes are stored with their bytes reversed.
    void code(std::string_view fourChars) {
        for (auto it = fourChars.rbegin(); it != fourChars.rend(); ++it) {
            bytes_.push_back(static_cast<std::uint8_t>(*it));
        }
    }
    // One property: vendor, key, ID 0, the padded length, the data zero-filled to that length.
    void property(std::string_view key, const std::vector<std::uint8_t>& data) {
        const auto padded = static_cast<std::uint32_t>((data.size() + 3) / 4 * 4);
        code("8BIM");
        code(key);
        u32(0);
        u32(padded);
        bytes_.insert(bytes_.end(), data.begin(), data.end());
        bytes_.resize(bytes_.size() + (padded - data.size()), 0);
    }
    std::vector<std::uint8_t> take() { return std::move(bytes_); }

  private:
    std::vector<std::uint8_t> bytes_;
};

std::vector<std::uint8_t> reversedCode(std::string_view fourChars) {
    return {fourChars.rbegin(), fourChars.rend()};
}

std::vector<std::uint8_t> lengthPrefixed(std::string_view text) {
    if (text.size() > 255) throw std::length_error("PiPL text longer than 255 bytes");
    std::vector<std::uint8_t> data{static_cast<std::uint8_t>(text.size())};
    data.insert(data.end(), text.begin(), text.end());
    return data;
}

std::vector<std::uint8_t> littleEndian32(std::uint32_t v) {
    return {static_cast<std::uint8_t>(v), static_cast<std::uint8_t>(v >> 8),
            static_cast<std::uint8_t>(v >> 16), static_cast<std::uint8_t>(v >> 24)};
}

std::vector<std::uint8_t> zeroTerminated(std::string_view text) {
    std::vector<std::uint8_t> data(text.begin(), text.end());
    data.push_back(0);
    return data;
}

}  // namespace

std::vector<std::uint8_t> buildPipl(std::string_view pluginName) {
    PiplWriter w;
    w.u16(1);  // resource format
    w.u32(0);  // property-list version
    w.u32(5);  // property count
    w.property("kind", reversedCode("AEgx"));
    w.property("name", lengthPrefixed(pluginName));
    w.property("catg", lengthPrefixed(kPiplCategory));
    w.property("vers", littleEndian32(kPiplVersion));
    w.property("wx86", zeroTerminated(kPiplEntryPoint));
    return w.take();
}

}  // namespace strata
