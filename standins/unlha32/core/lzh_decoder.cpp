#include "standins/unlha32/core/lzh_decoder.h"

#include <algorithm>
#include <array>
#include <utility>
#include <vector>

namespace lzh {

namespace {

// Literal-or-length alphabet: 256 bytes and match lengths 3 to 256.
constexpr int kMinMatch = 3;
constexpr int kLiteralCodes = 256 + 256 - kMinMatch + 1;  // 510
constexpr int kLiteralCountBits = 9;
// Alphabet that codes the literal table's code lengths.
constexpr int kLengthCodes = 19;
constexpr int kLengthCountBits = 5;
constexpr int kMaxCodeLength = 16;

// Bits in the order the methods pack them: most significant first. Peeking past the end gives
// zero bits; consuming past it is noted, and the decoder stops there.
class BitReader {
 public:
  BitReader(const uint8_t* data, size_t size) : data_(data), size_(size) {}

  // The next 16 bits.
  uint32_t Peek16() const {
    const size_t byte = static_cast<size_t>(position_ >> 3);
    const uint32_t window = (ByteAt(byte) << 16) | (ByteAt(byte + 1) << 8) | ByteAt(byte + 2);
    return (window >> (8 - (position_ & 7))) & 0xFFFF;
  }
  void Skip(int bits) { position_ += static_cast<uint64_t>(bits); }
  uint32_t Get(int bits) {
    if (bits == 0) return 0;
    const uint32_t value = Peek16() >> (16 - bits);
    Skip(bits);
    return value;
  }
  bool Overrun() const { return position_ > static_cast<uint64_t>(size_) * 8; }

 private:
  uint32_t ByteAt(size_t i) const { return i < size_ ? data_[i] : 0; }
  const uint8_t* data_;
  size_t size_;
  uint64_t position_ = 0;
};

// A canonical Huffman code: a direct table for codes up to tableBits long and a small tree
// for the longer ones. A code of one symbol and no bits is kept as such.
class HuffmanCode {
 public:
  HuffmanCode(int symbols, int tableBits)
      : symbols_(symbols),
        tableBits_(tableBits),
        lengths_(symbols),
        table_(size_t{1} << tableBits),
        left_(2 * symbols),
        right_(2 * symbols) {}

  int Symbols() const { return symbols_; }

  // Every symbol the same, read with no bits.
  bool SetSingle(uint32_t symbol) {
    if (symbol >= static_cast<uint32_t>(symbols_)) return false;
    std::fill(lengths_.begin(), lengths_.end(), 0);
    std::fill(table_.begin(), table_.end(), static_cast<uint16_t>(symbol));
    return true;
  }

  // Builds the code from its lengths; false when they do not make a complete prefix code.
  // All lengths zero is taken as symbol 0 with no bits, as the packers' decoders take it.
  bool Build(const std::vector<uint8_t>& lengths) {
    lengths_ = lengths;
    std::array<uint32_t, kMaxCodeLength + 2> count{}, start{}, weight{};
    for (uint8_t length : lengths_) {
      if (length > kMaxCodeLength) return false;
      ++count[length];
    }
    if (count[0] == static_cast<uint32_t>(symbols_)) return SetSingle(0);
    for (int i = 1; i <= kMaxCodeLength; ++i) start[i + 1] = start[i] + (count[i] << (16 - i));
    if (start[kMaxCodeLength + 1] != (1u << 16)) return false;

    const int jut = 16 - tableBits_;
    for (int i = 1; i <= tableBits_; ++i) {
      start[i] >>= jut;
      weight[i] = 1u << (tableBits_ - i);
    }
    for (int i = tableBits_ + 1; i <= kMaxCodeLength; ++i) weight[i] = 1u << (16 - i);
    std::fill(table_.begin(), table_.end(), 0);
    uint32_t avail = static_cast<uint32_t>(symbols_);
    const uint32_t mask = 1u << (15 - tableBits_);
    for (int symbol = 0; symbol < symbols_; ++symbol) {
      const int length = lengths_[symbol];
      if (length == 0) continue;
      const uint32_t code = start[length];
      const uint32_t next = code + weight[length];
      if (length <= tableBits_) {
        if (next > table_.size()) return false;
        for (uint32_t i = code; i < next; ++i) table_[i] = static_cast<uint16_t>(symbol);
      } else {
        uint32_t k = code;
        uint16_t* node = &table_[k >> jut];
        for (int i = length - tableBits_; i > 0; --i) {
          if (*node == 0) {
            if (avail >= left_.size()) return false;
            left_[avail] = right_[avail] = 0;
            *node = static_cast<uint16_t>(avail++);
          } else if (*node < symbols_) {
            return false;  // a shorter code is a prefix of this one
          }
          node = (k & mask) ? &right_[*node] : &left_[*node];
          k <<= 1;
        }
        *node = static_cast<uint16_t>(symbol);
      }
      start[length] = next;
    }
    return true;
  }

  // The next symbol; -1 when the bits lead nowhere.
  int Read(BitReader& bits) const {
    const uint32_t peek = bits.Peek16();
    uint32_t symbol = table_[peek >> (16 - tableBits_)];
    if (symbol >= static_cast<uint32_t>(symbols_)) {
      uint32_t mask = 1u << (15 - tableBits_);
      do {
        symbol = (peek & mask) ? right_[symbol] : left_[symbol];
        mask >>= 1;
      } while (symbol >= static_cast<uint32_t>(symbols_) && mask != 0);
      if (symbol >= static_cast<uint32_t>(symbols_)) return -1;
    }
    bits.Skip(lengths_[symbol]);
    return static_cast<int>(symbol);
  }

 private:
  int symbols_;
  int tableBits_;
  std::vector<uint8_t> lengths_;
  std::vector<uint16_t> table_;
  std::vector<uint16_t> left_;
  std::vector<uint16_t> right_;
};

// The window of the last dictionary-size bytes; full windows go to the sink.
class Window {
 public:
  Window(size_t size, const OutputSink& sink) : bytes_(size, ' '), sink_(sink) {}

  bool Put(uint8_t byte) {
    bytes_[fill_++] = byte;
    return fill_ < bytes_.size() || Flush();
  }
  uint8_t Back(size_t distance) const {
    return bytes_[(fill_ + bytes_.size() - distance) % bytes_.size()];
  }
  bool Flush() {
    const bool ok = fill_ == 0 || sink_(bytes_.data(), fill_);
    fill_ = 0;
    return ok;
  }

 private:
  std::vector<uint8_t> bytes_;  // spaces before the first byte, as the packers assume
  size_t fill_ = 0;
  const OutputSink& sink_;
};

class HuffmanDecoder {
 public:
  HuffmanDecoder(int dictionaryBits, const uint8_t* data, size_t size)
      : bits_(data, size),
        dictionaryBits_(dictionaryBits),
        positionCodes_(dictionaryBits + 1, 8),
        positionCountBits_(dictionaryBits + 1 < 16 ? 4 : 5) {}

  DecodeResult Run(uint64_t originalSize, const OutputSink& sink) {
    Window window(size_t{1} << dictionaryBits_, sink);
    uint64_t done = 0;
    while (done < originalSize) {
      if (blockLeft_ == 0 && !ReadBlockHeader()) return DecodeResult::Damaged;
      --blockLeft_;
      const int symbol = literalCodes_.Read(bits_);
      if (symbol < 0 || bits_.Overrun()) return DecodeResult::Damaged;
      if (symbol < 256) {
        if (!window.Put(static_cast<uint8_t>(symbol))) return DecodeResult::OutputFailed;
        ++done;
        continue;
      }
      const int length = symbol - 256 + kMinMatch;
      const int distance = ReadDistance();
      if (distance < 0 || bits_.Overrun()) return DecodeResult::Damaged;
      // A match reaching past the claimed size: the data hold more than the header says.
      if (static_cast<uint64_t>(length) > originalSize - done) return DecodeResult::Damaged;
      for (int i = 0; i < length; ++i, ++done) {
        if (!window.Put(window.Back(static_cast<size_t>(distance)))) {
          return DecodeResult::OutputFailed;
        }
      }
    }
    // The packers count a block's symbols exactly: any left over would decode past the end.
    if (blockLeft_ != 0) return DecodeResult::Damaged;
    return window.Flush() ? DecodeResult::Ok : DecodeResult::OutputFailed;
  }

 private:
  bool ReadBlockHeader() {
    blockLeft_ = static_cast<uint16_t>(bits_.Get(16));
    return ReadSmallCode(lengthCodes_, kLengthCountBits, 3) && ReadLiteralCode() &&
           ReadSmallCode(positionCodes_, positionCountBits_, -1) && !bits_.Overrun();
  }

  // The length code and the position code: each length in three bits, 7 continued in unary;
  // after the symbol `zeroRunAfter` a two-bit count of zero lengths follows.
  bool ReadSmallCode(HuffmanCode& code, int countBits, int zeroRunAfter) {
    const int symbols = code.Symbols();
    const uint32_t n = bits_.Get(countBits);
    if (n == 0) return code.SetSingle(bits_.Get(countBits));
    if (n > static_cast<uint32_t>(symbols)) return false;
    std::vector<uint8_t> lengths(symbols, 0);
    int i = 0;
    while (i < static_cast<int>(n)) {
      int length = static_cast<int>(bits_.Peek16() >> 13);
      if (length == 7) {
        for (uint32_t mask = 1u << 12; bits_.Peek16() & mask; mask >>= 1) ++length;
        if (length > kMaxCodeLength) return false;
      }
      bits_.Skip(length < 7 ? 3 : length - 3);
      lengths[i++] = static_cast<uint8_t>(length);
      if (i == zeroRunAfter) {
        i += static_cast<int>(bits_.Get(2));
        if (i > symbols) return false;
      }
    }
    return !bits_.Overrun() && code.Build(lengths);
  }

  // The literal code's lengths, coded with the length code; 0 to 2 code runs of zeros.
  bool ReadLiteralCode() {
    const uint32_t n = bits_.Get(kLiteralCountBits);
    if (n == 0) return literalCodes_.SetSingle(bits_.Get(kLiteralCountBits));
    if (n > static_cast<uint32_t>(kLiteralCodes)) return false;
    std::vector<uint8_t> lengths(kLiteralCodes, 0);
    int i = 0;
    while (i < static_cast<int>(n)) {
      const int c = lengthCodes_.Read(bits_);
      if (c < 0 || bits_.Overrun()) return false;
      if (c <= 2) {
        const int run = c == 0   ? 1
                        : c == 1 ? static_cast<int>(bits_.Get(4)) + 3
                                 : static_cast<int>(bits_.Get(kLiteralCountBits)) + 20;
        i += run;
        if (i > kLiteralCodes) return false;
      } else {
        lengths[i++] = static_cast<uint8_t>(c - 2);
      }
    }
    return literalCodes_.Build(lengths);
  }

  // How far back a match starts (1 = the byte before).
  int ReadDistance() {
    const int c = positionCodes_.Read(bits_);
    if (c < 0) return -1;
    const int offset = c == 0 ? 0 : (1 << (c - 1)) + static_cast<int>(bits_.Get(c - 1));
    return offset + 1;
  }

  BitReader bits_;
  int dictionaryBits_;
  HuffmanCode lengthCodes_{kLengthCodes, 8};
  HuffmanCode literalCodes_{kLiteralCodes, 12};
  HuffmanCode positionCodes_;
  int positionCountBits_;
  uint16_t blockLeft_ = 0;
};

DecodeResult CopyStored(const uint8_t* packed, size_t packedSize, uint64_t originalSize,
                        const OutputSink& sink) {
  if (packedSize != originalSize) return DecodeResult::Damaged;
  constexpr size_t kPiece = 64 * 1024;
  for (size_t at = 0; at < packedSize; at += kPiece) {
    if (!sink(packed + at, std::min(kPiece, packedSize - at))) return DecodeResult::OutputFailed;
  }
  return DecodeResult::Ok;
}

}  // namespace

bool MethodOf(const std::string& id, Method& method) {
  static const std::pair<const char*, Method> kMethods[] = {
      {"-lh0-", Method::Stored}, {"-lh5-", Method::Lh5},    {"-lh6-", Method::Lh6},
      {"-lh7-", Method::Lh7},    {"-lhd-", Method::Folder},
  };
  for (const auto& [name, m] : kMethods) {
    if (id == name) {
      method = m;
      return true;
    }
  }
  return false;
}

uint16_t Crc16(uint16_t crc, const uint8_t* data, size_t size) {
  static const std::array<uint16_t, 256> kTable = [] {
    std::array<uint16_t, 256> table{};
    for (uint32_t i = 0; i < 256; ++i) {
      uint32_t r = i;
      for (int k = 0; k < 8; ++k) r = (r & 1) ? (r >> 1) ^ 0xA001 : r >> 1;
      table[i] = static_cast<uint16_t>(r);
    }
    return table;
  }();
  for (size_t i = 0; i < size; ++i)
    crc = static_cast<uint16_t>(kTable[(crc ^ data[i]) & 0xFF] ^ (crc >> 8));
  return crc;
}

DecodeResult Decode(Method method, const uint8_t* packed, size_t packedSize, uint64_t originalSize,
                    const OutputSink& sink) {
  switch (method) {
    case Method::Stored:
      return CopyStored(packed, packedSize, originalSize, sink);
    case Method::Lh5:
      return HuffmanDecoder(13, packed, packedSize).Run(originalSize, sink);
    case Method::Lh6:
      return HuffmanDecoder(15, packed, packedSize).Run(originalSize, sink);
    case Method::Lh7:
      return HuffmanDecoder(16, packed, packedSize).Run(originalSize, sink);
    case Method::Folder:
      return originalSize == 0 ? DecodeResult::Ok : DecodeResult::Damaged;
  }
  return DecodeResult::Damaged;
}

}  // namespace lzh
