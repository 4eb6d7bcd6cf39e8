// The packing methods of LZH archives: stored (-lh0-) and the static-Huffman sliding-window
// methods -lh5-, -lh6- and -lh7- (8, 32 and 64 KiB dictionaries). Decodes one member's data
// and hands the output on in pieces, so a member of any size needs only its dictionary.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>

namespace lzh {

enum class Method { Stored, Lh5, Lh6, Lh7, Folder };

// The method of a five-byte method id such as "-lh5-"; false for any other id.
bool MethodOf(const std::string& id, Method& method);

// CRC-16 as LZH archives use it (polynomial 0xA001, reflected, starting at 0).
uint16_t Crc16(uint16_t crc, const uint8_t* data, size_t size);

// Takes the next piece of output; false stops the decoding (the output cannot be taken).
using OutputSink = std::function<bool(const uint8_t* data, size_t size)>;

enum class DecodeResult {
  Ok,
  Damaged,      // the data run out before the output is complete or hold more than it, or
                // their tables are invalid
  OutputFailed  // the sink refused a piece
};

// Decodes `packed` (packedSize bytes) into exactly originalSize bytes, handed to the sink in
// order; never more, whatever the data say. Never reads outside the packed bytes.
DecodeResult Decode(Method method, const uint8_t* packed, size_t packedSize, uint64_t originalSize,
                    const OutputSink& sink);

}  // namespace lzh
