// HEIF, HEIC and AVIF images: an `ftyp` box, a `meta` box that lists the items (`iinf`) and
// where each lies (`iloc`), and the media data. The EXIF data is the item of type `Exif`.
#include <algorithm>
#include <cstdint>

#include "entries/iso_boxes.h"
#include "entries/media_date.h"

namespace {

// An image has a few items (a tiled one a few hundred); more is junk.
constexpr uint32_t kItemLimit = 65536;

// Numbers read one after the other from `at`, none beyond `end`.
class Cursor {
 public:
  Cursor(ByteSource& bytes, uint64_t at, uint64_t end) : bytes_(bytes), at_(at), end_(end) {}
  // `size` bytes (0 to 8) most significant first; false past the end.
  bool Read(int size, uint64_t& value) {
    uint8_t p[8];
    if (at_ > end_ || end_ - at_ < static_cast<uint64_t>(size) ||
        bytes_.ReadAt(at_, p, static_cast<size_t>(size)) != static_cast<size_t>(size)) {
      return false;
    }
    at_ += static_cast<uint64_t>(size);
    value = BigEndian(p, size);
    return true;
  }
  bool Skip(uint64_t count) {
    if (at_ > end_ || end_ - at_ < count) return false;
    at_ += count;
    return true;
  }

 private:
  ByteSource& bytes_;
  uint64_t at_;
  const uint64_t end_;
};

// The ID of the first item of type `Exif` in `iinf`: its entries are `infe` boxes of version
// 2 (16-bit IDs) or 3 (32-bit IDs); the older versions name no type.
bool ExifItem(ByteSource& bytes, const IsoBox& iinf, uint32_t& item) {
  uint8_t version;
  if (bytes.ReadAt(iinf.contents, &version, 1) != 1) return false;
  uint64_t at = iinf.contents + 4 + (version == 0 ? 2 : 4);
  for (uint32_t entries = 0; entries < kItemLimit; ++entries) {
    IsoBox infe;
    if (!ReadIsoBox(bytes, at, iinf.end, infe)) return false;
    at = infe.end;
    // Version and flags, the item's ID, its protection index (16 bits) and its type.
    uint8_t entry[14];
    if (infe.type != FourCc("infe")) continue;
    const size_t read = bytes.ReadAt(infe.contents, entry,
                                     std::min<uint64_t>(sizeof entry, infe.end - infe.contents));
    if (read >= 12 && entry[0] == 2 && BigEndian32(entry + 8) == FourCc("Exif")) {
      item = BigEndian16(entry + 4);
      return true;
    }
    if (read == 14 && entry[0] == 3 && BigEndian32(entry + 10) == FourCc("Exif")) {
      item = BigEndian32(entry + 4);
      return true;
    }
  }
  return false;
}

// Where the item lies, from `iloc`: its first extent, in the file (construction method 0) or
// in the `idat` box of `meta` (1). Items of other files or made of other items are not read.
bool ItemPlace(ByteSource& bytes, const IsoBox& iloc, uint64_t metaChildren, uint64_t metaEnd,
               uint32_t item, uint64_t& start, uint64_t& size) {
  Cursor c(bytes, iloc.contents, iloc.end);
  uint64_t version, sizes, more;
  if (!c.Read(1, version) || !c.Skip(3) || !c.Read(1, sizes) || !c.Read(1, more) || version > 2) {
    return false;
  }
  const int offsetSize = static_cast<int>(sizes >> 4), lengthSize = static_cast<int>(sizes & 15),
            baseSize = static_cast<int>(more >> 4),
            indexSize = version == 0 ? 0 : static_cast<int>(more & 15);
  for (const int s : {offsetSize, lengthSize, baseSize, indexSize}) {
    if (s != 0 && s != 4 && s != 8) return false;
  }
  const int idSize = version < 2 ? 2 : 4;
  uint64_t count;
  if (!c.Read(idSize, count)) return false;
  for (uint64_t i = 0; i < count && i < kItemLimit; ++i) {
    uint64_t id, method = 0, reference, base, extents;
    if (!c.Read(idSize, id) || (version > 0 && !c.Read(2, method)) || !c.Read(2, reference) ||
        !c.Read(baseSize, base) || !c.Read(2, extents)) {
      return false;
    }
    if (id != item) {
      if (!c.Skip(extents * static_cast<uint64_t>(indexSize + offsetSize + lengthSize))) {
        return false;
      }
      continue;
    }
    uint64_t index, offset, length;
    method &= 15;
    if (extents == 0 || reference != 0 || method > 1 || !c.Read(indexSize, index) ||
        !c.Read(offsetSize, offset) || !c.Read(lengthSize, length) || base > UINT64_MAX - offset) {
      return false;
    }
    uint64_t from = 0, end = UINT64_MAX;
    if (method == 1) {
      IsoBox idat;
      if (!FindIsoBox(bytes, metaChildren, metaEnd, FourCc("idat"), idat)) return false;
      from = idat.contents;
      end = idat.end;
    }
    if (base + offset > end - from) return false;
    start = from + base + offset;
    size = length == 0 || length > end - start ? end - start : length;
    return true;
  }
  return false;
}

// Whether `ftyp` names a brand of HEIF images (its major brand, or one of the first of the
// brands it is compatible with): a video is not searched for a `meta` box after its media.
bool HeifBrand(ByteSource& bytes, const IsoBox& ftyp) {
  constexpr uint64_t kBrandLimit = 64;
  uint8_t brand[4];
  for (uint64_t at = ftyp.contents, count = 0; at + 4 <= ftyp.end && count < kBrandLimit;
       at += at == ftyp.contents ? 8 : 4, ++count) {
    if (bytes.ReadAt(at, brand, 4) != 4) return false;
    for (const uint32_t heif : {FourCc("mif1"), FourCc("mif2"), FourCc("msf1"), FourCc("heic"),
                                FourCc("heix"), FourCc("heim"), FourCc("heis"), FourCc("hevc"),
                                FourCc("hevx"), FourCc("avif"), FourCc("avis")}) {
      if (BigEndian32(brand) == heif) return true;
    }
  }
  return false;
}

}  // namespace

bool ReadHeifDate(ByteSource& bytes, ExifDate& date) {
  IsoBox ftyp, meta, iinf, iloc;
  if (!ReadIsoBox(bytes, 0, UINT64_MAX, ftyp) || ftyp.type != FourCc("ftyp") ||
      !HeifBrand(bytes, ftyp) || !FindIsoBox(bytes, ftyp.end, UINT64_MAX, FourCc("meta"), meta) ||
      !WholeIsoBox(bytes, meta)) {
    return false;
  }
  const uint64_t children = meta.contents + 4;  // after the version and flags
  uint32_t item;
  uint64_t start, size;
  if (!FindIsoBox(bytes, children, meta.end, FourCc("iinf"), iinf) ||
      !ExifItem(bytes, iinf, item) ||
      !FindIsoBox(bytes, children, meta.end, FourCc("iloc"), iloc) ||
      !ItemPlace(bytes, iloc, children, meta.end, item, start, size)) {
    return false;
  }
  // The item, whole: the offset of the TIFF header from the end of this number, then EXIF
  // data.
  uint8_t lead[4], last;
  if (size < 4 || bytes.ReadAt(start, lead, 4) != 4 ||
      (start + size != UINT64_MAX && bytes.ReadAt(start + size - 1, &last, 1) != 1)) {
    return false;
  }
  const uint32_t offset = BigEndian32(lead);
  if (offset > size - 4) return false;
  SliceBytes tiff(bytes, start + 4 + offset, size - 4 - offset);
  return ReadExifDate(tiff, date);
}
