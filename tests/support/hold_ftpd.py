"""A minimal FTP server on 127.0.0.1 that holds its greeting for a while, then logs anyone in.

Prints "PORT <n>" once it listens; serves one connection and ends. Used to measure what a client
costs while it waits for a slow server.
"""
import socket
import sys
import time


def main():
    hold = float(sys.argv[1]) if len(sys.argv) > 1 else 5.0
    listener = socket.socket(socket.AF_INET, socket.SOCK_STREAM)
    listener.bind(("127.0.0.1", 0))
    listener.listen(1)
    print("PORT %d" % listener.getsockname()[1], flush=True)
    listener.settimeout(30)
    conn, _ = listener.accept()
    conn.settimeout(30)
    time.sleep(hold)
    conn.sendall(b"220 Ready at last.\r\n")
    pending = b""
    replies = {b"USER": b"331 Password required.\r\n", b"PASS": b"230 Logged in.\r\n",
               b"QUIT": b"221 Goodbye.\r\n"}
    while True:
        data = conn.recv(4096)
        if not data:
            break
        pending += data
        while b"\n" in pending:
            line, pending = pending.split(b"\n", 1)
            word = line.strip().split(b" ")[0].upper()
            conn.sendall(replies.get(word, b"502 Not implemented.\r\n"))
            if word == b"QUIT":
                conn.close()
                return


if __name__ == "__main__":
    main()
