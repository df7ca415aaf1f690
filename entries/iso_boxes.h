// The boxes of ISO base media files (HEIF, AVIF, MP4, MOV, 3GP): each a 32-bit size, a
// four-letter type and its contents, which may hold boxes in turn.
#pragma once

#include <cstdint>

#include "entries/byte_source.h"

constexpr uint32_t FourCc(const char (&text)[5]) {
  return uint32_t{static_cast<uint8_t>(text[0])} << 24 |
         uint32_t{static_cast<uint8_t>(text[1])} << 16 |
         uint32_t{static_cast<uint8_t>(text[2])} << 8 | uint32_t{static_cast<uint8_t>(text[3])};
}

uint16_t BigEndian16(const uint8_t* p);
uint32_t BigEndian32(const uint8_t* p);
uint64_t BigEndian64(const uint8_t* p);
// `size` bytes (1 to 8) most significant first.
uint64_t BigEndian(const uint8_t* p, int size);

struct IsoBox {
  uint32_t type = 0;
  uint64_t start = 0;     // its first byte
  uint64_t contents = 0;  // the first byte after its header
  uint64_t end = 0;       // the first byte after it
};

// The box at `at`, which must end by `end` (a size of 0 runs to `end`; a 64-bit size follows
// the type where the 32-bit one is 1). False where no whole header can be read or the sizes
// do not fit.
bool ReadIsoBox(ByteSource& bytes, uint64_t at, uint64_t end, IsoBox& box);

// The first box of each of `types` among the boxes from `at` to `end`, in one pass that looks
// at no more than a few thousand boxes and stops at one that cannot be read: `found[i].type` is
// 0 where there is none.
void FindIsoBoxes(ByteSource& bytes, uint64_t at, uint64_t end, const uint32_t* types,
                  IsoBox* found, size_t count);
// The first box of `type` so; false when there is none.
bool FindIsoBox(ByteSource& bytes, uint64_t at, uint64_t end, uint32_t type, IsoBox& found);

// Whether the box's last byte can be read: a box cut short by the end of the file is none
// (the boxes inside a whole box are bounded by it).
bool WholeIsoBox(ByteSource& bytes, const IsoBox& box);

// Whether a file whose first box has this type is an ISO base media file: `ftyp`, or one of
// the boxes with which older QuickTime files begin.
bool OpensIsoMedia(uint32_t type);

// Where the boxes inside a `meta` box begin: after its version and flags, except in QuickTime
// files, whose `meta` holds its `hdlr` box at once.
uint64_t MetaChildren(ByteSource& bytes, const IsoBox& meta);
