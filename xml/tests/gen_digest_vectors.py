#!/usr/bin/env python3
"""Random buffers with their MD5 (hashlib) and CRC-32 (zlib), one line each: hex md5 crc."""
import hashlib
import random
import sys
import zlib

rng = random.Random(1321)
with open(sys.argv[1], 'w') as f:
    for i in range(60):
        n = rng.choice([0, 1, 55, 56, 57, 63, 64, 65, 119, 120, 128, 1000, rng.randrange(1, 30000)])
        data = bytes(rng.randrange(256) for _ in range(n))
        f.write('%s %s %08x\n' % (data.hex() or '-', hashlib.md5(data).hexdigest(), zlib.crc32(data)))
