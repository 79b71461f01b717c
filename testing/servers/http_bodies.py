"""A loopback HTTP server with made-to-order responses for transfer tests.

Paths (n, sent: byte counts):
  /body/<n>          200, Content-Length n, n bytes of body_bytes(n)
  /missing           404 with a small HTML body
  /empty             200, Content-Length 0
  /nolength/<n>      200 without Content-Length, body closed by the server
  /slow/<n>          200, Content-Length n, sent in 10240-byte pieces 30 ms apart
  /stall/<n>/<sent>  200, Content-Length n, sends `sent` bytes, then nothing
  /drop/<n>/<sent>/<ms>  as /stall, but closes the connection after ms
Every request is counted in server.requests (path list).
"""
import contextlib
import hashlib
import http.server
import random
import re
import threading
import time

import winebench

NOT_FOUND_BODY = b'<html><body>404 no such page</body></html>\n'


def body_bytes(n):
    """n deterministic, non-repeating-looking bytes."""
    return random.Random(n).randbytes(n)


def digest(data):
    return hashlib.sha256(data).hexdigest()


class BodyHandler(http.server.BaseHTTPRequestHandler):
    protocol_version = 'HTTP/1.1'

    def log_message(self, *args):
        pass

    def _head(self, status, length=None, close=False):
        self.send_response(status)
        self.send_header('Content-Type', 'application/octet-stream')
        if length is not None:
            self.send_header('Content-Length', str(length))
        if close or length is None:
            self.send_header('Connection', 'close')
            self.close_connection = True
        self.end_headers()

    def _pieces(self, data, size, pause):
        for i in range(0, len(data), size):
            self.wfile.write(data[i:i + size])
            self.wfile.flush()
            if pause:
                time.sleep(pause)

    def do_GET(self):  # noqa: N802 (http.server's name)
        self.server.requests.append(self.path)
        path = self.path.split('?', 1)[0]  # a query only pads the address
        try:
            if m := re.fullmatch(r'/body/(\d+)', path):
                data = body_bytes(int(m[1]))
                self._head(200, len(data))
                self._pieces(data, 1 << 20, 0)
            elif path == '/missing':
                self._head(404, len(NOT_FOUND_BODY))
                self.wfile.write(NOT_FOUND_BODY)
            elif path == '/empty':
                self._head(200, 0)
            elif m := re.fullmatch(r'/nolength/(\d+)', path):
                data = body_bytes(int(m[1]))
                self._head(200, None)
                self._pieces(data, 65536, 0)
            elif m := re.fullmatch(r'/slow/(\d+)', path):
                data = body_bytes(int(m[1]))
                self._head(200, len(data))
                self._pieces(data, 10240, 0.03)
            elif m := re.fullmatch(r'/stall/(\d+)/(\d+)', path):
                data = body_bytes(int(m[2]))
                self._head(200, int(m[1]), close=True)
                self.wfile.write(data)
                self.wfile.flush()
                self.server.stalled.wait(600)
            elif m := re.fullmatch(r'/drop/(\d+)/(\d+)/(\d+)', path):
                data = body_bytes(int(m[2]))
                self._head(200, int(m[1]), close=True)
                self.wfile.write(data)
                self.wfile.flush()
                self.server.stalled.wait(int(m[3]) / 1000)
            else:
                self._head(404, 0)
        except (BrokenPipeError, ConnectionResetError):
            pass


@contextlib.contextmanager
def body_server(host='127.0.0.1'):
    """Yields the server; its base address is server.base ("http://h:p")."""
    with winebench.http_server(BodyHandler, host) as (_, port, server):
        server.requests = []
        server.stalled = threading.Event()  # set to release stalled responses
        server.base = f'http://{host}:{port}'
        try:
            yield server
        finally:
            server.stalled.set()
