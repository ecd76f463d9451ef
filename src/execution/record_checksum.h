// The checksum of one journal record: CRC-32 (the polynomial of zlib and PNG),
// written as eight lower-case hex digits at the end of the record. It catches a
// changed, cut or half-written line; it is not meant to stop someone who rewrites
// a record on purpose together with its checksum.
#pragma once

#include <cstdint>
#include <string_view>

namespace nalo {

std::uint32_t RecordChecksum(std::string_view text);

// The checksum as eight hex digits, appended to `out`.
void AppendChecksumHex(std::string& out, std::uint32_t checksum);

}  // namespace nalo
