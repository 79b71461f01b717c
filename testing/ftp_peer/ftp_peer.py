"""A scripted FTP peer on port 21 of one loopback address, for tests of the
FTP command job.

It records every command line it receives (raw bytes, CR LF included) and
answers from a table of replies that a test can override per command. A reply
is bytes, a list of bytes and pauses (float seconds) to split or delay it,
None to withhold it, or CLOSE to close the control connection. Several replies sent as one string arrive merged. For
LIST the peer makes the active-mode data connection to the address that PORT
named (unless told not to) and sends the listing in chunks, with a pause
between them for a slow listing.
"""
import re
import socket
import threading
import time

DEFAULT_REPLIES = {
    'USER': b'331 Password required\r\n',
    'PASS': b'230 Logged in\r\n',
    'CWD': b'250 Directory changed\r\n',
    'PWD': b'257 "/pub/docs" is the current directory\r\n',
    'DELE': b'250 Deleted\r\n',
    'MKD': b'257 "/pub/docs/new" created\r\n',
    'RMD': b'250 Removed\r\n',
    'SITE': b'200 Mode changed\r\n',
    'PORT': b'200 PORT command successful\r\n',
    'TYPE': b'200 Type set to A\r\n',
    'QUIT': b'221 Bye\r\n',
}
GREETING = b'220 Scripted peer ready\r\n'
CLOSE = 'close'  # as a reply: the peer closes the control connection instead


class FtpPeer:
    """Serves one control connection after another until closed.

    greeting, replies: as described above. listing: the data bytes of LIST.
    list_preliminary: the first LIST reply ("150 ..." or "125 ..."); None, or
    an override of 'LIST' in replies, answers LIST without a data connection.
    connect_data: whether LIST makes the data connection at all.
    chunk, chunk_pause: listing chunk size and the pause after each chunk.
    """

    def __init__(self, host, greeting=GREETING, replies=None, listing=b'', list_preliminary=b'150 Opening\r\n',
                 connect_data=True, chunk=65536, chunk_pause=0.0, silent=False):
        self.host = host
        self.greeting = greeting
        self.replies = dict(DEFAULT_REPLIES)
        self.replies.update(replies or {})
        self.listing = listing
        self.list_preliminary = list_preliminary
        self.connect_data = connect_data
        self.chunk = chunk
        self.chunk_pause = chunk_pause
        self.silent = silent
        self.lines = []           # raw command lines as received
        self.client_address = None  # the job's end of the last control connection
        self.port_address = None  # (host, port) named by the last PORT
        self.data_connected = False
        self.data_sent = 0        # listing bytes handed to the data socket
        self.data_aborted = False  # the client closed the data connection early
        self.sessions_done = threading.Event()
        self._listener = socket.socket(socket.AF_INET, socket.SOCK_STREAM)
        self._listener.setsockopt(socket.SOL_SOCKET, socket.SO_REUSEADDR, 1)
        self._listener.bind((host, 21))
        self._listener.listen(4)
        self._listener.settimeout(0.05)  # so that closing never waits on a blocked accept
        self._closing = False
        self._thread = threading.Thread(target=self._serve, daemon=True)

    def __enter__(self):
        self._thread.start()
        return self

    def __exit__(self, *exc):
        self._closing = True
        self._thread.join(timeout=5)
        self._listener.close()

    @property
    def commands(self):
        """The command lines without their CR LF, as text."""
        return [line.rstrip(b'\r\n').decode('latin-1') for line in self.lines]

    def _serve(self):
        while not self._closing:
            try:
                conn, _ = self._listener.accept()
            except socket.timeout:
                continue
            except OSError:
                return
            conn.settimeout(None)
            with conn:
                try:
                    self._session(conn)
                except OSError:
                    pass
            self.sessions_done.set()

    def _send(self, conn, reply):
        if reply is None or self.silent:
            return
        for part in reply if isinstance(reply, list) else [reply]:
            if isinstance(part, float):
                time.sleep(part)
            elif part == CLOSE:  # closes the connection in the middle of a reply
                raise ConnectionAbortedError('closed mid-reply')
            else:
                conn.sendall(part)

    def _session(self, conn):
        self.client_address = conn.getpeername()[0]
        self._send(conn, self.greeting)
        pending = b''
        while True:
            data = conn.recv(4096)
            if not data:
                return
            pending += data
            while b'\n' in pending:
                line, pending = pending.split(b'\n', 1)
                line += b'\n'
                self.lines.append(line)
                verb = line.split(b' ', 1)[0].strip().upper().decode('latin-1')
                if verb == 'PORT':
                    self._note_port(line)
                if verb == 'LIST' and 'LIST' not in self.replies and not self.silent:
                    self._list(conn)
                elif self.replies.get(verb) == CLOSE:
                    return
                else:
                    self._send(conn, self.replies.get(verb, b'502 Not implemented\r\n'))
                if verb == 'QUIT':
                    return

    def _note_port(self, line):
        m = re.match(rb'PORT (\d+),(\d+),(\d+),(\d+),(\d+),(\d+)\r\n$', line)
        if m:
            n = [int(x) for x in m.groups()]
            self.port_address = ('%d.%d.%d.%d' % tuple(n[:4]), n[4] * 256 + n[5])

    def _list(self, conn):
        if self.list_preliminary is None or self.port_address is None:
            conn.sendall(b'425 No data connection\r\n')
            return
        data = None
        if self.connect_data:
            try:
                data = socket.create_connection(self.port_address, timeout=10)
            except OSError:
                conn.sendall(b"425 Can't open data connection\r\n")
                return
            self.data_connected = True
        conn.sendall(self.list_preliminary)
        if data is None:
            return
        with data:
            try:
                for at in range(0, len(self.listing), self.chunk):
                    data.sendall(self.listing[at:at + self.chunk])
                    self.data_sent += len(self.listing[at:at + self.chunk])
                    if self.chunk_pause:
                        time.sleep(self.chunk_pause)
            except OSError:
                self.data_aborted = True
        conn.sendall(b'426 Transfer aborted\r\n' if self.data_aborted else b'226 Transfer complete\r\n')
