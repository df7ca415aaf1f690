#include "entries/iso_boxes.h"

namespace {

// A file has a handful of boxes at each level; a run of junk ends the search.
constexpr int kBoxLimit = 4096;

}  // namespace

uint16_t BigEndian16(const uint8_t* p) { return static_cast<uint16_t>(BigEndian(p, 2)); }
uint32_t BigEndian32(const uint8_t* p) { return static_cast<uint32_t>(BigEndian(p, 4)); }
uint64_t BigEndian64(const uint8_t* p) { return BigEndian(p, 8); }

uint64_t BigEndian(const uint8_t* p, int size) {
  uint64_t value = 0;
  for (int i = 0; i < size; ++i) value = value << 8 | p[i];
  return value;
}

bool ReadIsoBox(ByteSource& bytes, uint64_t at, uint64_t end, IsoBox& box) {
  uint8_t header[16];
  if (at >= end || end - at < 8 || bytes.ReadAt(at, header, 8) != 8) return false;
  uint64_t size = BigEndian32(header);
  uint64_t contents = at + 8;
  if (size == 1) {
    if (end - at < 16 || bytes.ReadAt(at + 8, header + 8, 8) != 8) return false;
    size = BigEndian64(header + 8);
    contents = at + 16;
  } else if (size == 0) {
    size = end - at;
  }
  if (size < contents - at || size > end - at) return false;
  box = {BigEndian32(header + 4), at, contents, at + size};
  return true;
}

void FindIsoBoxes(ByteSource& bytes, uint64_t at, uint64_t end, const uint32_t* types,
                  IsoBox* found, size_t count) {
  size_t missing = count;
  for (size_t i = 0; i < count; ++i) found[i] = {};
  for (int boxes = 0; boxes < kBoxLimit && missing > 0; ++boxes) {
    IsoBox box;
    if (!ReadIsoBox(bytes, at, end, box)) return;
    for (size_t i = 0; i < count; ++i) {
      if (types[i] == box.type && found[i].type == 0) {
        found[i] = box;
        --missing;
      }
    }
    at = box.end;
  }
}

bool FindIsoBox(ByteSource& bytes, uint64_t at, uint64_t end, uint32_t type, IsoBox& found) {
  FindIsoBoxes(bytes, at, end, &type, &found, 1);
  return found.type != 0;
}

bool WholeIsoBox(ByteSource& bytes, const IsoBox& box) {
  uint8_t last;
  return box.end == UINT64_MAX || bytes.ReadAt(box.end - 1, &last, 1) == 1;
}

uint64_t MetaChildren(ByteSource& bytes, const IsoBox& meta) {
  uint8_t head[8];
  if (bytes.ReadAt(meta.contents, head, 8) == 8 && BigEndian32(head + 4) == FourCc("hdlr")) {
    return meta.contents;
  }
  return meta.contents + 4;
}

bool OpensIsoMedia(uint32_t type) {
  for (const uint32_t opening : {FourCc("ftyp"), FourCc("moov"), FourCc("mdat"), FourCc("wide"),
                                 FourCc("free"), FourCc("skip"), FourCc("pnot")}) {
    if (type == opening) return true;
  }
  return false;
}
