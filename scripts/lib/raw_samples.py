"""Raw photos made by hand, for the tests of the readers of raw formats: no Debian tool writes
them. Each is the least of its format that exiftool reads as that format, with the date
taken given here. Also AVI with a camera's IDIT chunk put into the header list of an AVI that
ffmpeg made, and AVCHD transport streams (MTS with 192-byte packets, M2T with 188-byte ones)
whose H.264 SEI holds a camcorder's MDPM block.

  python3 raw_samples.py DIR JPEG AVI   # JPEG: a JPEG with EXIF (for RAF); AVI: ffmpeg's
"""
import struct
import sys

TAKEN = b"2021:03:04 05:06:07\0"


def tiff(order=b"II", magic=42, make=b"Camera\0", taken=TAKEN, prefix=b""):
    """A TIFF structure: IFD0 (Make, ExifIFD), the EXIF IFD (DateTimeOriginal), their texts.
    `prefix` follows the 8-byte header (CR2's own header)."""
    e = "<" if order == b"II" else ">"
    first = 8 + len(prefix)
    ifd0_size = 2 + 2 * 12 + 4
    exif_at = first + ifd0_size
    exif_size = 2 + 1 * 12 + 4
    make_at = exif_at + exif_size
    taken_at = make_at + len(make)
    out = order + struct.pack(e + "HI", magic, first) + prefix
    out += struct.pack(e + "H", 2)
    out += struct.pack(e + "HHII", 0x010F, 2, len(make), make_at)
    out += struct.pack(e + "HHII", 0x8769, 4, 1, exif_at)
    out += struct.pack(e + "I", 0)
    out += struct.pack(e + "H", 1)
    out += struct.pack(e + "HHII", 0x9003, 2, len(taken), taken_at)
    out += struct.pack(e + "I", 0)
    return out + make + taken


def raf(jpeg):
    head = b"FUJIFILMCCD-RAW 0201FF383501" + b"X-T1".ljust(32, b"\0")
    head += b"0100" + b"\0" * 20
    at = 0x94 + 4
    head += struct.pack(">II", at, len(jpeg)) + struct.pack(">IIII", 0, 0, 0, 0)
    head = head.ljust(at, b"\0")
    return head + jpeg


def mrw():
    prd = b"21810002" + struct.pack(">HHHH", 16, 16, 16, 16) + b"\x0c\x0c\x52\x00\x00\x00\x00\x00"
    ttw = tiff(b"MM", make=b"MINOLTA\0")
    blocks = b"\0PRD" + struct.pack(">I", len(prd)) + prd + b"\0TTW" + struct.pack(">I", len(ttw)) + ttw
    return b"\0MRM" + struct.pack(">I", len(blocks)) + blocks + b"\0" * 16


def crw(seconds):
    """A root heap holding the ImageProps heap (0x300a), which holds the TimeStamp (0x180e)."""
    def heap(records):
        data = b""
        table = []
        for kind, payload in records:
            table.append((kind, len(payload), len(data)))
            data += payload
        out = data + struct.pack("<H", len(table))
        for kind, size, offset in table:
            out += struct.pack("<HII", kind, size, offset)
        return out + struct.pack("<I", len(data))

    stamp = struct.pack("<iiI", seconds, 0, 0x80000000)
    props = heap([(0x180E, stamp)])
    make = b"Canon\0Canon PowerShot\0"
    root = heap([(0x080A, make), (0x300A, props)])
    header = b"II" + struct.pack("<I", 26) + b"HEAPCCDR" + struct.pack("<I", 0x00010002) + b"\0" * 8
    return header + root


def avi_with_idit(avi, text):
    """The IDIT chunk put at the end of the `hdrl` list, the sizes of RIFF and LIST grown."""
    data = bytearray(avi)
    at = 12
    while at < len(data):
        kind, size = data[at:at + 4], struct.unpack("<I", data[at + 4:at + 8])[0]
        if kind == b"LIST" and data[at + 8:at + 12] == b"hdrl":
            chunk = b"IDIT" + struct.pack("<I", len(text)) + text + (b"\0" if len(text) % 2 else b"")
            end = at + 8 + size
            data[end:end] = chunk
            struct.pack_into("<I", data, at + 4, size + len(chunk))
            struct.pack_into("<I", data, 4, struct.unpack("<I", data[4:8])[0] + len(chunk))
            return bytes(data)
        at += 8 + size + (size & 1)
    raise SystemExit("no hdrl list")


def crc32_mpeg(data):
    crc = 0xFFFFFFFF
    for byte in data:
        crc ^= byte << 24
        for _ in range(8):
            crc = ((crc << 1) ^ 0x04C11DB7) if crc & 0x80000000 else crc << 1
            crc &= 0xFFFFFFFF
    return crc


def ts_packets(pid, payload, m2ts):
    """The packets of one PID that carry `payload`, the last filled by an adaptation field."""
    out = b""
    counter = 0
    first = True
    while payload or first:
        chunk, payload = payload[:184], payload[184:]
        flags = (0x4000 if first else 0) | pid
        if len(chunk) < 184:
            stuffing = 184 - len(chunk) - 1
            field = bytes([stuffing]) + (b"\0" + b"\xff" * (stuffing - 1) if stuffing else b"")
            head = struct.pack(">BHB", 0x47, flags, 0x30 | counter) + field
        else:
            head = struct.pack(">BHB", 0x47, flags, 0x10 | counter)
        out += (b"\0\0\0\0" if m2ts else b"") + head + chunk
        counter = (counter + 1) & 15
        first = False
    return out


def escaped(nal):
    """The NAL unit with 03 put in after each 00 00 that comes before a byte of 0 to 3."""
    out = bytearray()
    zeros = 0
    for byte in nal:
        if zeros >= 2 and byte <= 3:
            out.append(3)
            zeros = 0
        out.append(byte)
        zeros = zeros + 1 if byte == 0 else 0
    return bytes(out)


def avchd(zone, m2ts):
    """A program association table, a program map table naming H.264 video on PID 0x1011, and
    the video's first PES packet: an access unit delimiter, filler data, the SEI unit with the
    MDPM block (a time code whose bytes need an emulation prevention byte, the date 2021-03-04
    05:06:07 with the time zone byte `zone`, the maker), and slice data."""
    def section(table, body):
        head = bytes([table]) + struct.pack(">HHBBB", 0xB000 | (5 + len(body) + 4), 1, 0xC1, 0, 0)
        return b"\0" + head + body + struct.pack(">I", crc32_mpeg(head + body))

    entries = [(0x13, b"\0\0\x01\0"), (0x18, bytes([zone, 0x20, 0x21, 0x03])),
               (0x19, b"\x04\x05\x06\x07"), (0x70, b"\x00\x00\x02\xff"), (0xE0, b"\x01\x08\0\0")]
    mdpm = b"MDPM" + bytes([len(entries)]) + b"".join(bytes([t]) + v for t, v in entries)
    uuid = bytes.fromhex("17ee8c60f84d11d98cd60800200c9a66")
    sei = b"\x06\x05" + bytes([len(uuid + mdpm)]) + uuid + mdpm + b"\x80"
    units = (b"\0\0\0\x01\x09\xf0" + b"\0\0\x01\x0c" + b"\xff" * 150 + b"\x80" +
             b"\0\0\0\x01" + escaped(sei) + b"\0\0\x01\x65" + b"\x88" * 300)
    pes = b"\0\0\x01\xe0\0\0\x80\x80\x05\x21\0\x01\0\x01" + units
    pat = section(0, struct.pack(">HH", 1, 0xE100))
    pmt = section(2, struct.pack(">HHBHH", 0xF011, 0xF000, 0x1B, 0xF011, 0xF000))
    return ts_packets(0, pat, m2ts) + ts_packets(0x100, pmt, m2ts) + ts_packets(0x1011, pes, m2ts)


def main():
    out, jpeg_path, avi_path = sys.argv[1:4]
    jpeg = open(jpeg_path, "rb").read()
    samples = {
        "hand.raf": raf(jpeg),
        "hand.orf": tiff(b"II", 0x4F52, b"OLYMPUS IMAGING CORP.\0"),
        "hand.rw2": tiff(b"II", 0x55, b"Panasonic\0"),
        "hand.cr2": tiff(b"II", 42, b"Canon\0", prefix=b"CR\x02\0" + struct.pack("<I", 0)),
        "hand.nef": tiff(b"MM", 42, b"NIKON CORPORATION\0"),
        "hand.arw": tiff(b"II", 42, b"SONY\0"),
        "hand.pef": tiff(b"MM", 42, b"PENTAX\0"),
        "hand.srw": tiff(b"II", 42, b"SAMSUNG\0"),
        "hand.mrw": mrw(),
        # 2021-03-04 05:06:07 on the camera's clock, counted as if it were UTC.
        "hand.crw": crw(1614834367),
        "idit.avi": avi_with_idit(open(avi_path, "rb").read(), b"THU MAR 04 05:06:07 2021\n\0"),
        # Zones +09:00 and -03:30 (west, 3 hours, half an hour).
        "hand.mts": avchd(0x12, True),
        "hand.m2t": avchd(0x27, False),
    }
    for name, data in samples.items():
        with open(f"{out}/{name}", "wb") as f:
            f.write(data)


main()
