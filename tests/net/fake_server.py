#!/usr/bin/env python3
# A TCP listener on a free loopback port for the rotctld client's faults: "silent" accepts and
# never answers; "not-hamlib" answers like a web server. Prints its port, serves for at most
# ten minutes, and is ended by its process id.
import socket
import sys
import time

mode = sys.argv[1]
server = socket.socket(socket.AF_INET, socket.SOCK_STREAM)
server.bind(("127.0.0.1", 0))
server.listen(8)
server.settimeout(1.0)
print(server.getsockname()[1], flush=True)
held = []
end = time.time() + 600
while time.time() < end:
    try:
        connection, _ = server.accept()
    except socket.timeout:
        continue
    held.append(connection)
    if mode == "not-hamlib":
        connection.settimeout(2.0)
        try:
            connection.recv(100)
        except OSError:
            pass
        connection.sendall(b"HTTP/1.0 400 Bad Request\r\nServer: test\r\n\r\n")
