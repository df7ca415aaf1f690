// The date a photo or video was taken, from the files that phones and cameras make. Each
// reader is bounded as ReadExifDate is: every size is checked against the bytes there are,
// the boxes and chunks looked at are capped, nothing is read recursively, and the image and
// video data are passed over by their sizes, never read.
#pragma once

#include "entries/byte_source.h"
#include "entries/exif_date.h"

// The reader that the file's first bytes name: JPEG and TIFF-based files (ReadExifDate), HEIF
// and AVIF images, then QuickTime and MP4 videos (both ISO base media files), PNG, WebP, the
// raw photos RAF, MRW and CRW, the videos AVI, Matroska and WebM, WMV and ASF, and MTS and
// M2TS (AVCHD).
bool ReadTakenDate(ByteSource& bytes, ExifDate& date);

// HEIF, HEIC and AVIF (a HEIF brand in `ftyp`): the EXIF data of the `Exif` item that the
// `meta` box lists.
bool ReadHeifDate(ByteSource& bytes, ExifDate& date);

// QuickTime and MP4 (MOV, MP4, M4V, 3GP): the text of com.apple.quicktime.creationdate in
// the `meta` box of `moov` (or of its `udta`), with the offset it gives; else the creation
// time of `mvhd`, which is UTC (0 and the start of 1970 are none).
bool ReadMovieDate(ByteSource& bytes, ExifDate& date);

// PNG: the EXIF data of the `eXIf` chunk, else the "Creation Time" of a `tEXt` or an
// uncompressed `iTXt` chunk. The chunks before the image data are read, and those after it
// that lie in the first 64 KiB.
bool ReadPngDate(ByteSource& bytes, ExifDate& date);

// WebP: the EXIF data of the `EXIF` chunk, with or without the "Exif\0\0" that some writers
// put before it.
bool ReadWebpDate(ByteSource& bytes, ExifDate& date);

// Fujifilm RAF: the EXIF data of the JPEG preview that its header places.
bool ReadRafDate(ByteSource& bytes, ExifDate& date);

// Minolta MRW: the EXIF data of the TIFF structure in its `TTW` block.
bool ReadMrwDate(ByteSource& bytes, ExifDate& date);

// Canon CRW (CIFF): the TimeStamp record (seconds since 1970 on the camera's clock) in the
// root heap or the heaps it holds, a few levels down.
bool ReadCrwDate(ByteSource& bytes, ExifDate& date);

// AVI: the `IDIT` chunk of the header list, else the `ICRD` chunk of the INFO list; on the
// camera's clock. The whole RIFF chunk must be there.
bool ReadAviDate(ByteSource& bytes, ExifDate& date);

// Matroska and WebM: DateUTC of the Segment's Info, nanoseconds from 2001-01-01 in UTC.
bool ReadMatroskaDate(ByteSource& bytes, ExifDate& date);

// WMV and ASF: the creation date of the File Properties object, 100 ns from 1601 in UTC (0 is
// none). The whole Header object must be there.
bool ReadAsfDate(ByteSource& bytes, ExifDate& date);

// MTS and M2TS (AVCHD): the recording date of the MDPM block in the H.264 video's SEI, in the
// stream's first 4 MiB; on the camera's clock, with the zone it records (none where it marks
// daylight saving time). A block cut short or a date that does not exist gives none.
bool ReadAvchdDate(ByteSource& bytes, ExifDate& date);
