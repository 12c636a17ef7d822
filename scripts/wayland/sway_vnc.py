#!/usr/bin/python3
# Pointer, keys and screenshots of a headless sway, through wayvnc's UNIX socket (RFB 3.8, no security).
#   sway_vnc.py SOCKET pointer X Y [BUTTONS] | key KEYSYM | screenshot OUT.png
# BUTTONS is the RFB button mask (1 = left held); a key is an X keysym number.
import socket, struct, sys, zlib

# wayvnc now and then leaves a request unanswered (seen once in many runs, a screenshot on a still screen): a
# stalled exchange is given up after a while and tried again on a fresh connection, rather than hanging the test.
ATTEMPTS, SECONDS = 3, 10
s = None


def read(n):
    data = b''
    while len(data) < n:
        chunk = s.recv(n - len(data))
        if not chunk:
            sys.exit('sway_vnc: the server hung up')
        data += chunk
    return data


def exchange():
    global s
    s = socket.socket(socket.AF_UNIX)
    s.settimeout(SECONDS)
    s.connect(sys.argv[1])
    try:
        handshake_and_act()
    finally:
        s.close()


def handshake_and_act():
    read(12)
    s.sendall(b'RFB 003.008\n')
    read(read(1)[0])
    s.sendall(b'\x01')  # no security
    read(4)
    s.sendall(b'\x01')  # shared
    width, height = struct.unpack('>HH', read(4))
    read(16)
    read(struct.unpack('>I', read(4))[0])

    command = sys.argv[2]
    args = [int(a) for a in sys.argv[3:]] if command != 'screenshot' else []
    if command == 'pointer':
        s.sendall(struct.pack('>BBHH', 5, args[2] if len(args) > 2 else 0, args[0], args[1]))
    elif command == 'key':
        for down in (1, 0):
            s.sendall(struct.pack('>BBxxI', 4, down, args[0]))
    elif command == 'screenshot':
        # 32 bits a pixel, little-endian, red in the lowest byte: each pixel arrives as R, G, B, unused.
        s.sendall(struct.pack('>BxxxBBBBHHHBBBxxx', 0, 32, 24, 0, 1, 255, 255, 255, 0, 8, 16))
        s.sendall(struct.pack('>BxHi', 2, 1, 0))  # raw encoding only
        s.sendall(struct.pack('>BBHHHH', 3, 0, 0, 0, width, height))
        rgb = bytearray(width * height * 3)
        while True:
            kind = read(1)[0]
            if kind == 0:
                break
            if kind == 2:
                continue  # a bell
            sys.exit(f'sway_vnc: unexpected message {kind}')
        read(1)
        for _ in range(struct.unpack('>H', read(2))[0]):
            x, y, w, h, encoding = struct.unpack('>HHHHi', read(12))
            pixels = read(w * h * 4)
            for row in range(h):
                line = pixels[row * w * 4:(row + 1) * w * 4]
                start = ((y + row) * width + x) * 3
                target = rgb[start:start + w * 3]
                target[0::3], target[1::3], target[2::3] = line[0::4], line[1::4], line[2::4]
                rgb[start:start + w * 3] = target

        def chunk(kind, data):
            return struct.pack('>I', len(data)) + kind + data + struct.pack('>I', zlib.crc32(kind + data))

        rows = b''.join(b'\0' + rgb[r * width * 3:(r + 1) * width * 3] for r in range(height))
        with open(sys.argv[3], 'wb') as out:
            out.write(b'\x89PNG\r\n\x1a\n' + chunk(b'IHDR', struct.pack('>IIBBBBB', width, height, 8, 2, 0, 0, 0)) +
                      chunk(b'IDAT', zlib.compress(rows, 1)) + chunk(b'IEND', b''))


for _ in range(ATTEMPTS):
    try:
        exchange()
        sys.exit(0)
    except (socket.timeout, ConnectionError):
        pass
sys.exit(f'sway_vnc: no answer from wayvnc in {ATTEMPTS} tries of {SECONDS} s')
