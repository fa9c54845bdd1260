#!/usr/bin/env python3
"""first_paint_clock.py PNG COMMAND...: the ms from starting COMMAND to the
creation of PNG, seen by inotify on PNG's folder, which must hold nothing else
being created. Unlike strace it stops the program at no system call, so a
program that opens more files pays nothing more for being watched."""
import ctypes
import os
import select
import struct
import subprocess
import sys
import time

IN_CREATE = 0x100


def main():
    png, command = sys.argv[1], sys.argv[2:]
    libc = ctypes.CDLL(None, use_errno=True)
    fd = libc.inotify_init1(os.O_CLOEXEC)
    folder = os.path.dirname(os.path.abspath(png)).encode()
    if fd < 0 or libc.inotify_add_watch(fd, folder, IN_CREATE) < 0:
        sys.exit("inotify: " + os.strerror(ctypes.get_errno()))
    name = os.path.basename(png).encode()
    start = time.monotonic()
    program = subprocess.Popen(command, stdout=subprocess.DEVNULL)
    while select.select([fd], [], [], 20)[0]:
        data = os.read(fd, 4096)
        seen = time.monotonic()
        offset = 0
        while offset < len(data):
            _, _, _, length = struct.unpack_from("iIII", data, offset)
            created = data[offset + 16:offset + 16 + length].rstrip(b"\0")
            offset += 16 + length
            if created == name:
                program.wait()
                print("%.2f" % ((seen - start) * 1000))
                return
    program.kill()
    sys.exit("%s was not created" % png)


main()
