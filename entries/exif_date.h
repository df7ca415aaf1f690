// The date a photo was taken, from the EXIF data of a JPEG file or of a TIFF-based file (TIFF,
// DNG and the raw formats built on it: CR2, NEF, ARW, PEF, SRW, and RW2 and ORF with their own
// numbers in the TIFF header).
#pragma once

#include "entries/byte_source.h"
#include "platform/time.h"

struct ExifDate {
  platform::SystemTime taken;  // as the camera's clock showed it; day of week left 0
  bool hasOffset = false;      // the file records the clock's offset from UTC
  int offsetMinutes = 0;       // east of Greenwich positive
};

// DateTimeOriginal, else DateTimeDigitized, else the DateTime of the first image, each only
// where it names a date and time that exist; with the offset tag recorded for the date that
// is taken (OffsetTimeOriginal, OffsetTimeDigitized, OffsetTime). False for bytes that hold
// no such date, whatever they are: every read is checked against the bytes there are, and
// only the first image's directory and the EXIF directory it points to are read.
bool ReadExifDate(ByteSource& bytes, ExifDate& date);
