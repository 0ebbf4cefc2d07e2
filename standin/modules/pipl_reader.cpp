#include "standin/modules/pipl_reader.h"

#include <algorithm>

namespace strata::standin {

namespace {

// Bounds-checked little-endian reader; a read past the end marks the reader as truncated.
class ByteReader {
  public:
    explicit ByteReader(const std::vector<std::uint8_t>& bytes) : bytes_(bytes) {}

    bool truncated() const { return truncated_; }
    std::size_t remaining() const { return bytes_.size() - pos_; }

    std::uint32_t u32() { return static_cast<std::uint32_t>(little(4)); }
    std::uint16_t u16() { return static_cast<std::uint16_t>(little(2)); }
    // A four-character code, stored with its bytes reversed.
    std::string code() {
        std::vector<std::uint8_t> raw = take(4);
        return {raw.rbegin(), raw.rend()};
    }
    std::vector<std::uint8_t> take(std::size_t n) {
        if (n > remaining()) {
            truncated_ = true;
            pos_ = bytes_.size();
            return std::vector<std::uint8_t>(n, 0);
        }
        std::vector<std::uint8_t> out(bytes_.begin() + static_cast<std::ptrdiff_t>(pos_),
                                      bytes_.begin() + static_cast<std::ptrdiff_t>(pos_ + n));
        pos_ += n;
        return out;
    }

  private:
    std::uint64_t little(int n) {
        std::vector<std::uint8_t> raw = take(static_cast<std::size_t>(n));
        std::uint64_t v = 0;
        for (int i = n - 1; i >= 0; --i)
            v = (v << 8) | raw[static_cast<std::size_t>(i)];
        return v;
    }

    const std::vector<std::uint8_t>& bytes_;
    std::size_t pos_ = 0;
    bool truncated_ = false;
};

std::optional<std::string> lengthPrefixedText(const std::vector<std::uint8_t>& data) {
    if (data.empty() || data[0] + 1u > data.size()) return std::nullopt;
    return std::string(data.begin() + 1, data.begin() + 1 + data[0]);
}

std::optional<std::string> zeroTerminatedText(const std::vector<std::uint8_t>& data) {
    const auto end = std::find(data.begin(), data.end(), 0);
    if (end == data.end()) return std::nullopt;
    return std::string(data.begin(), end);
}

PiplReadResult fail(std::string message) {
    return {std::nullopt, std::move(message)};
}

// Stores one property's data in the info; an error text when the data is malformed.
std::string applyProperty(PiplInfo& info, const std::string& key,
                          const std::vector<std::uint8_t>& data) {
    if (key == "kind") {
        if (data.size() < 4) return "the kind property holds fewer than 4 bytes";
        info.kind = std::string(data.rend() - 4, data.rend());
    } else if (key == "name" || key == "catg") {
        auto text = lengthPrefixedText(data);
        if (!text) return "the " + key + " property's text runs past its data";
        (key == "name" ? info.name : info.category) = *text;
    } else if (key == "vers") {
        if (data.size() < 4) return "the vers property holds fewer than 4 bytes";
        info.version = static_cast<std::uint32_t>(data[0] | data[1] << 8 | data[2] << 16 |
                                                  static_cast<std::uint32_t>(data[3]) << 24);
    } else if (key == "wx86") {
        auto text = zeroTerminatedText(data);
        if (!text) return "the entry point name has no terminating zero";
        info.entryPoint = *text;
    }
    return {};
}

}  // namespace

PiplReadResult readPipl(const std::vector<std::uint8_t>& bytes) {
    ByteReader r(bytes);
    const std::uint16_t format = r.u16();
    r.u32();  // property-list version
    const std::uint32_t count = r.u32();
    if (r.truncated()) return fail("the PiPL is shorter than its 10-byte header");
    if (format != 1)
        return fail("the PiPL has resource format " + std::to_string(format) + ", not 1");

    PiplInfo info;
    for (std::uint32_t i = 0; i < count; ++i) {
        const std::string vendor = r.code();
        const std::string key = r.code();
        r.u32();  // property ID
        const std::uint32_t length = r.u32();
        const std::vector<std::uint8_t> data = r.take(length);
        if (r.truncated()) {
            return fail("the PiPL is truncated in property " + std::to_string(i + 1) + " of " +
                        std::to_string(count));
        }
        if (vendor != "8BIM") continue;
        std::string error = applyProperty(info, key, data);
        if (!error.empty()) return fail(error);
    }
    if (info.kind.empty()) return fail("the PiPL has no kind property");
    if (info.kind != kAegpKind) {
        return fail("the PiPL is of kind '" + info.kind + "', not a general plug-in ('" +
                    kAegpKind + "')");
    }
    if (info.entryPoint.empty()) return fail("the PiPL names no entry point");
    return {info, {}};
}

}  // namespace strata::standin
