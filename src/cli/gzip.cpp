#include "cli/gzip.hpp"

#include <array>
#include <cstdint>

namespace nemox::cli {

namespace {

struct Corrupt {
    const char* what;
};

class Bits {
  public:
    explicit Bits(std::string_view data, std::size_t pos) : data_(data), pos_(pos) {}

    unsigned bit() {
        if (count_ == 0) {
            if (pos_ >= data_.size()) throw Corrupt{"unexpected end of data"};
            buffer_ = static_cast<unsigned char>(data_[pos_++]);
            count_ = 8;
        }
        const unsigned b = buffer_ & 1u;
        buffer_ >>= 1;
        --count_;
        return b;
    }
    // Extra bits and header fields come least significant bit first.
    unsigned bits(int n) {
        unsigned v = 0;
        for (int i = 0; i < n; ++i) v |= bit() << i;
        return v;
    }
    void align() { count_ = 0; }
    // Whole bytes, after align().
    std::string_view bytes(std::size_t n) {
        if (data_.size() - pos_ < n) throw Corrupt{"unexpected end of data"};
        const std::string_view b = data_.substr(pos_, n);
        pos_ += n;
        return b;
    }
    std::size_t pos() const { return pos_; }

  private:
    std::string_view data_;
    std::size_t pos_;
    unsigned buffer_ = 0;
    int count_ = 0;
};

constexpr int kMaxBits = 15;

// A canonical Huffman code: how many codes of each length, and the symbols
// in code order.
struct Huffman {
    std::array<std::uint16_t, kMaxBits + 1> count{};
    std::array<std::uint16_t, 320> symbol{};

    Huffman(const std::uint8_t* lengths, int n) {
        for (int s = 0; s < n; ++s) ++count[lengths[s]];
        count[0] = 0;
        int left = 1;
        for (int len = 1; len <= kMaxBits; ++len) {
            left = 2 * left - count[len];
            if (left < 0) throw Corrupt{"over-subscribed Huffman code"};
        }
        std::array<std::uint16_t, kMaxBits + 2> offset{};
        for (int len = 1; len <= kMaxBits; ++len) offset[len + 1] = offset[len] + count[len];
        for (int s = 0; s < n; ++s) {
            if (lengths[s] != 0) symbol[offset[lengths[s]]++] = static_cast<std::uint16_t>(s);
        }
    }

    int decode(Bits& in) const {
        int code = 0;
        int first = 0;
        int index = 0;
        for (int len = 1; len <= kMaxBits; ++len) {
            code |= static_cast<int>(in.bit());
            const int n = count[len];
            if (code - first < n) return symbol[index + code - first];
            index += n;
            first = (first + n) << 1;
            code <<= 1;
        }
        throw Corrupt{"invalid Huffman code"};
    }
};

constexpr std::array<std::uint16_t, 29> kLengthBase{3,  4,  5,  6,   7,   8,   9,   10,  11, 13,
                                                    15, 17, 19, 23,  27,  31,  35,  43,  51, 59,
                                                    67, 83, 99, 115, 131, 163, 195, 227, 258};
constexpr std::array<std::uint8_t, 29> kLengthExtra{0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 1, 1, 2, 2, 2,
                                                    2, 3, 3, 3, 3, 4, 4, 4, 4, 5, 5, 5, 5, 0};
constexpr std::array<std::uint16_t, 30> kDistBase{
    1,   2,   3,   4,   5,   7,    9,    13,   17,   25,   33,   49,   65,    97,    129,
    193, 257, 385, 513, 769, 1025, 1537, 2049, 3073, 4097, 6145, 8193, 12289, 16385, 24577};
constexpr std::array<std::uint8_t, 30> kDistExtra{0, 0, 0,  0,  1,  1,  2,  2,  3,  3,
                                                  4, 4, 5,  5,  6,  6,  7,  7,  8,  8,
                                                  9, 9, 10, 10, 11, 11, 12, 12, 13, 13};

class Inflater {
  public:
    Inflater(Bits& in, std::string& out, const std::function<void()>& poll)
        : in_(in), out_(out), poll_(poll), start_(out.size()) {}

    void run() {
        for (bool last = false; !last;) {
            last = in_.bit() != 0;
            switch (in_.bits(2)) {
                case 0:
                    stored();
                    break;
                case 1:
                    fixed();
                    break;
                case 2:
                    dynamic();
                    break;
                default:
                    throw Corrupt{"invalid block type"};
            }
        }
    }

  private:
    void stored() {
        in_.align();
        const std::string_view header = in_.bytes(4);
        const unsigned len = static_cast<unsigned char>(header[0]) |
                             static_cast<unsigned>(static_cast<unsigned char>(header[1])) << 8;
        const unsigned nlen = static_cast<unsigned char>(header[2]) |
                              static_cast<unsigned>(static_cast<unsigned char>(header[3])) << 8;
        if ((len ^ 0xffffu) != nlen) throw Corrupt{"stored block length check failed"};
        out_.append(in_.bytes(len));
        poll_();
    }

    void fixed() {
        std::array<std::uint8_t, 288> lit{};
        for (int s = 0; s < 288; ++s) lit[s] = s < 144 ? 8 : s < 256 ? 9 : s < 280 ? 7 : 8;
        std::array<std::uint8_t, 30> dist{};
        dist.fill(5);
        codes(Huffman(lit.data(), 288), Huffman(dist.data(), 30));
    }

    void dynamic() {
        const int nlit = static_cast<int>(in_.bits(5)) + 257;
        const int ndist = static_cast<int>(in_.bits(5)) + 1;
        const int ncode = static_cast<int>(in_.bits(4)) + 4;
        if (nlit > 286 || ndist > 30) throw Corrupt{"too many length or distance codes"};
        static constexpr std::array<std::uint8_t, 19> kOrder{16, 17, 18, 0, 8,  7, 9,  6, 10, 5,
                                                             11, 4,  12, 3, 13, 2, 14, 1, 15};
        std::array<std::uint8_t, 19> code_lengths{};
        for (int i = 0; i < ncode; ++i)
            code_lengths[kOrder[i]] = static_cast<std::uint8_t>(in_.bits(3));
        const Huffman lencode(code_lengths.data(), 19);
        std::array<std::uint8_t, 286 + 30> lengths{};
        for (int i = 0; i < nlit + ndist;) {
            const int sym = lencode.decode(in_);
            if (sym < 16) {
                lengths[i++] = static_cast<std::uint8_t>(sym);
                continue;
            }
            std::uint8_t value = 0;
            int repeat = 0;
            if (sym == 16) {
                if (i == 0) throw Corrupt{"repeat of no length"};
                value = lengths[i - 1];
                repeat = 3 + static_cast<int>(in_.bits(2));
            } else if (sym == 17) {
                repeat = 3 + static_cast<int>(in_.bits(3));
            } else {
                repeat = 11 + static_cast<int>(in_.bits(7));
            }
            if (i + repeat > nlit + ndist) throw Corrupt{"too many code lengths"};
            while (repeat-- > 0) lengths[i++] = value;
        }
        if (lengths[256] == 0) throw Corrupt{"no end-of-block code"};
        codes(Huffman(lengths.data(), nlit), Huffman(lengths.data() + nlit, ndist));
    }

    void codes(const Huffman& lit, const Huffman& dist) {
        std::size_t since_poll = 0;
        for (;;) {
            const int sym = lit.decode(in_);
            if (sym < 256) {
                out_ += static_cast<char>(sym);
                ++since_poll;
            } else if (sym == 256) {
                return;
            } else {
                const int l = sym - 257;
                if (l >= 29) throw Corrupt{"invalid length code"};
                const std::size_t len = kLengthBase[l] + in_.bits(kLengthExtra[l]);
                const int d = dist.decode(in_);
                if (d >= 30) throw Corrupt{"invalid distance code"};
                const std::size_t distance = kDistBase[d] + in_.bits(kDistExtra[d]);
                if (distance > out_.size() - start_) throw Corrupt{"distance too far back"};
                // Byte by byte: a copy may overlap the bytes it produces.
                for (std::size_t k = 0; k < len; ++k) out_ += out_[out_.size() - distance];
                since_poll += len;
            }
            if (since_poll >= (1u << 16)) {
                since_poll = 0;
                poll_();
            }
        }
    }

    Bits& in_;
    std::string& out_;
    const std::function<void()>& poll_;
    std::size_t start_;
};

std::uint32_t crc32(std::string_view data) {
    static const auto table = [] {
        std::array<std::uint32_t, 256> t{};
        for (std::uint32_t n = 0; n < 256; ++n) {
            std::uint32_t c = n;
            for (int k = 0; k < 8; ++k) c = (c & 1u) != 0 ? 0xedb88320u ^ (c >> 1) : c >> 1;
            t[n] = c;
        }
        return t;
    }();
    std::uint32_t c = 0xffffffffu;
    for (const char ch : data) c = table[(c ^ static_cast<unsigned char>(ch)) & 0xffu] ^ (c >> 8);
    return c ^ 0xffffffffu;
}

std::uint32_t le32(std::string_view b) {
    std::uint32_t v = 0;
    for (int i = 3; i >= 0; --i) v = (v << 8) | static_cast<unsigned char>(b[i]);
    return v;
}

void skip_zero_terminated(Bits& in) {
    while (in.bytes(1)[0] != '\0') {
    }
}

}  // namespace

bool is_gzip(std::string_view data) {
    return data.size() >= 2 && data[0] == '\x1f' && data[1] == '\x8b';
}

std::optional<std::string> gunzip(std::string_view data, std::string& out,
                                  const std::function<void()>& poll) {
    std::size_t pos = 0;
    try {
        do {
            if (!is_gzip(data.substr(pos))) throw Corrupt{"not in gzip format"};
            Bits in(data, pos + 2);
            const std::string_view header = in.bytes(8);
            if (header[0] != 8) throw Corrupt{"unknown compression method"};
            const auto flags = static_cast<unsigned char>(header[1]);
            if ((flags & 0xe0u) != 0) throw Corrupt{"reserved header flags set"};
            if ((flags & 4u) != 0) {
                const std::string_view xlen = in.bytes(2);
                in.bytes(static_cast<unsigned char>(xlen[0]) |
                         static_cast<std::size_t>(static_cast<unsigned char>(xlen[1])) << 8);
            }
            if ((flags & 8u) != 0) skip_zero_terminated(in);
            if ((flags & 16u) != 0) skip_zero_terminated(in);
            if ((flags & 2u) != 0) in.bytes(2);
            const std::size_t start = out.size();
            Inflater(in, out, poll).run();
            in.align();
            const std::string_view trailer = in.bytes(8);
            const std::string_view member = std::string_view(out).substr(start);
            if (le32(trailer) != crc32(member)) throw Corrupt{"CRC-32 check failed"};
            if (le32(trailer.substr(4)) != static_cast<std::uint32_t>(member.size()))
                throw Corrupt{"length check failed"};
            pos = in.pos();
        } while (pos < data.size());
    } catch (const Corrupt& c) {
        return std::string("corrupt gzip data: ") + c.what;
    }
    return std::nullopt;
}

}  // namespace nemox::cli
