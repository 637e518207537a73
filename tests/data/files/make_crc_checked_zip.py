#!/usr/bin/env python3
"""Writes crc_checked.zip: two members encrypted with the traditional zip cipher
*without* flag bit 3, so the header's check byte is the CRC's high byte (Info-ZIP
always sets bit 3 and checks the file time instead). Check it with
`unzip -P pineapple -t crc_checked.zip`."""
import struct, zlib, sys

PASSWORD = b"pineapple"
MEMBERS = [
    ("stored.txt", b"stored member, checked by its CRC\n", 0),
    ("deflated.txt", b"deflated member " * 64, 8),
]
DOS_TIME, DOS_DATE = 0x6000, 0x5821


def crc_step(crc, byte):
    return zlib.crc32(bytes([byte]), crc ^ 0xFFFFFFFF) ^ 0xFFFFFFFF


class Cipher:
    def __init__(self, password):
        self.k = [0x12345678, 0x23456789, 0x34567890]
        for c in password:
            self.update(c)

    def update(self, c):
        k = self.k
        k[0] = crc_step(k[0], c)
        k[1] = ((k[1] + (k[0] & 0xFF)) * 134775813 + 1) & 0xFFFFFFFF
        k[2] = crc_step(k[2], k[1] >> 24)

    def encrypt(self, data):
        out = bytearray()
        for p in data:
            t = (self.k[2] | 2) & 0xFFFF
            out.append(p ^ (((t * (t ^ 1)) >> 8) & 0xFF))
            self.update(p)
        return bytes(out)


def main(path):
    body, central = bytearray(), bytearray()
    for name, data, method in MEMBERS:
        crc = zlib.crc32(data)
        packed = data if method == 0 else zlib.compress(data, 9)[2:-4]
        header = bytes(range(1, 12)) + bytes([crc >> 24])
        payload = Cipher(PASSWORD).encrypt(header + packed)
        offset = len(body)
        fields = struct.pack("<HHHHHIIIHH", 20, 1, method, DOS_TIME, DOS_DATE, crc, len(payload), len(data),
                             len(name), 0)
        body += b"PK\x03\x04" + fields + name.encode() + payload
        central += b"PK\x01\x02" + struct.pack("<H", 20) + fields + struct.pack("<HHHII", 0, 0, 0, 0, offset)
        central += name.encode()
    end = b"PK\x05\x06" + struct.pack("<HHHHIIH", 0, 0, len(MEMBERS), len(MEMBERS), len(central), len(body), 0)
    with open(path, "wb") as f:
        f.write(body + central + end)


main(sys.argv[1] if len(sys.argv) > 1 else "crc_checked.zip")
