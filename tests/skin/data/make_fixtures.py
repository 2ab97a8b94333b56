#!/usr/bin/env python3
"""Writes small skin containers for the tests with real archivers: Python's zipfile and Info-ZIP
(zip -P for traditional encryption), then turns the first local header's "PK" into "SK".

usage: make_fixtures.py OUT_DIR
"""
import io
import os
import struct
import subprocess
import sys
import tempfile
import zipfile
import zlib

ENTRY = "SKINDATA.SK2"
PASSWORD = b"secret"


def bmp(width, height, rgb):
    """A 24-bit bottom-up BMP filled with one colour (r, g, b)."""
    row = bytes([rgb[2], rgb[1], rgb[0]]) * width
    row += b"\0" * ((4 - len(row) % 4) % 4)
    pixels = row * height
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(pixels), 2835, 2835, 0, 0)
    return b"BM" + struct.pack("<IHHI", 14 + 40 + len(pixels), 0, 0, 54) + info + pixels


def sk2(elements):
    """An SK2 archive: header, then each 77-byte record followed by its data, then a terminator."""
    out = bytearray(b"SKINFILE_SK2" + struct.pack("<III", 24, 2, 24))
    for name, kind, data in elements:
        data_offset = len(out) + 77
        out += name.ljust(64, b"\0") + bytes([kind])
        out += struct.pack("<III", data_offset, len(data), data_offset + len(data)) + data
    out += b"\0" * 64 + bytes([2]) + b"\0" * 12
    return bytes(out)


PAYLOAD = sk2([
    (b"SKIN2_TITLEBAR1", 0, bmp(3, 2, (0x31, 0x6A, 0xC5))),
    (b"SKIN2_TRANSCOLOR", 1, struct.pack("<i", 0x00FF00FF)),
    (b"SKIN2_BOTTOMREGIONMINY", 1, struct.pack("<i", -1)),
    (b"SKIN2_TITLEBARNEEDREGION", 2, b"\1"),
])


def as_skin(data):
    assert data[:2] == b"PK"
    return b"SK" + data[2:]


def with_zipfile(build, comment=b""):
    """A container made by Python's zipfile; `build` adds the entries."""
    buffer = io.BytesIO()
    with zipfile.ZipFile(buffer, "w", zipfile.ZIP_DEFLATED) as z:
        build(z)
        z.comment = comment
    return buffer.getvalue()


def with_infozip(payload):
    """An enciphered container made by Info-ZIP, which sets flag bit 3 (time check byte)."""
    with tempfile.TemporaryDirectory() as work:
        with open(os.path.join(work, ENTRY), "wb") as f:
            f.write(payload)
        subprocess.run(["zip", "-q", "-X", "-P", PASSWORD.decode(), "out.zip", ENTRY], cwd=work,
                       check=True)
        with open(os.path.join(work, "out.zip"), "rb") as f:
            return f.read()


def central(data):
    return data.index(b"PK\x01\x02")


def patched_size(data, delta):
    """The same container with the central directory's uncompressed size changed."""
    at = central(data) + 24
    size, = struct.unpack_from("<I", data, at)
    return data[:at] + struct.pack("<I", size + delta) + data[at + 4:]


def raw_container(raw, size, crc=0, flags=0, mod_time=0):
    """A one-entry container around raw (already deflated, maybe enciphered) data."""
    name = ENTRY.encode()
    fields = struct.pack("<HHHHHIIIHH", 20, flags, 8, mod_time, 0x21, crc, len(raw), size,
                         len(name), 0)
    local = b"SK\x03\x04" + fields + name + raw
    cd = b"PK\x01\x02" + struct.pack("<H", 20) + fields + struct.pack("<HHHII", 0, 0, 0, 0x20, 0)
    cd += name
    end = b"PK\x05\x06" + struct.pack("<HHHHIIH", 0, 0, 1, 1, len(cd), len(local), 0)
    return local + cd + end


def deflate(data):
    c = zlib.compressobj(9, zlib.DEFLATED, -15)
    return c.compress(data) + c.flush()


class ZipCrypto:
    """The traditional PKWARE cipher, written here apart from the program's own."""

    def __init__(self, password):
        self.keys = [0x12345678, 0x23456789, 0x34567890]
        for b in password:
            self.update(b)

    @staticmethod
    def crc(value, byte):
        return zlib.crc32(bytes([byte]), value ^ 0xFFFFFFFF) ^ 0xFFFFFFFF

    def update(self, b):
        k = self.keys
        k[0] = self.crc(k[0], b)
        k[1] = ((k[1] + (k[0] & 0xFF)) * 134775813 + 1) & 0xFFFFFFFF
        k[2] = self.crc(k[2], k[1] >> 24)

    def encrypt(self, data):
        out = bytearray()
        for b in data:
            t = (self.keys[2] | 2) & 0xFFFF
            out.append(b ^ (((t * (t ^ 1)) >> 8) & 0xFF))
            self.update(b)
        return bytes(out)


def crc_checked_container(payload):
    """Enciphered with flag bit 3 clear: the check byte is the CRC's high byte."""
    crc = zlib.crc32(payload)
    header = os.urandom(11) + bytes([crc >> 24])
    return raw_container(ZipCrypto(PASSWORD).encrypt(header + deflate(payload)), len(payload), crc,
                         flags=1)


def damaged(data):
    """Block type 3 does not exist: the first data byte makes the stream invalid."""
    start = 30 + len(ENTRY)
    return data[:start] + b"\x07" + data[start + 1:]


def extras_before(z):
    readme = zipfile.ZipInfo("README.TXT")
    readme.extra = struct.pack("<HH", 0xCAFE, 4) + b"abcd"
    readme.comment = b"not the skin"
    readme.compress_type = zipfile.ZIP_DEFLATED
    z.writestr(readme, b"hello " * 20)
    z.writestr(ENTRY, PAYLOAD)


def fixtures():
    plain = with_zipfile(lambda z: z.writestr(ENTRY, PAYLOAD))
    infozip = as_skin(with_infozip(PAYLOAD))
    return {
        "payload.sk2": PAYLOAD,
        "plain.ssk": as_skin(plain),
        "pk-signature.zip": plain,
        "lowercase-entry.ssk": as_skin(with_zipfile(lambda z: z.writestr(ENTRY.lower(), PAYLOAD))),
        "comment.ssk": as_skin(with_zipfile(lambda z: z.writestr(ENTRY, PAYLOAD), b"a comment")),
        "extras-before.ssk": as_skin(with_zipfile(extras_before)),
        "empty-entry.ssk": as_skin(with_zipfile(lambda z: z.writestr(ENTRY, b""))),
        "size-mismatch.ssk": patched_size(as_skin(plain), 1),
        "damaged.ssk": damaged(as_skin(plain)),
        # Dynamic block headers declaring 288 literal/length codes, then 32 distance codes.
        "too-many-lengths.ssk": raw_container(b"\xfd\x00\x00\x00", 10),
        "too-many-distances.ssk": raw_container(b"\x05\x1f\x00\x00", 10),
        "infozip-enciphered.ssk": infozip,
        "infozip-size-mismatch.ssk": patched_size(infozip, 1),
        "crc-enciphered.ssk": crc_checked_container(PAYLOAD),
    }


def main():
    out = sys.argv[1]
    os.makedirs(out, exist_ok=True)
    for name, data in fixtures().items():
        with open(os.path.join(out, name), "wb") as f:
            f.write(data)


if __name__ == "__main__":
    main()
