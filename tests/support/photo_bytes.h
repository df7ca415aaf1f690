// Photos made in memory for the tests of the EXIF reader: TIFF data in either byte order,
// alone (a TIFF file) or in the EXIF segment of a JPEG file.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "entries/exif_date.h"

namespace testsupport {

// An ASCII entry: a date such as "2025:07:14 15:07:58" or an offset such as "+09:00".
struct PhotoText {
  uint16_t tag;
  std::string text;
};

struct PhotoTags {
  bool bigEndian = false;
  std::vector<PhotoText> first;  // the first image's directory
  std::vector<PhotoText> exif;   // the EXIF directory, which the first one points to
  uint32_t gap = 0;              // bytes of image data before the directories
  bool looped = false;           // the EXIF entry and the next-directory link lead to the first one
};

// The header, the first directory, the EXIF directory, then the texts (each with its NUL).
std::string TiffBytes(const PhotoTags& tags);
// SOI, an APP0 segment (JFIF), the APP1 segment "Exif\0\0" holding `tiff`, the start of the
// image data and EOI.
std::string JpegBytes(const std::string& tiff);

// A date read from a photo as "yyyy:MM:dd HH:mm:ss", and " +HH:MM" when it has an offset.
std::string ExifDateText(const ExifDate& date);

}  // namespace testsupport
