"""A real FTP server (pyftpdlib) on port 21 of one loopback address, for
the transfer library's FTP tests. It records every connection, login and
command so a test can tell what a job did, or that it never connected.

Users: "tester" / "secret" and anonymous, both with full rights in root.
"""
import contextlib
import logging
import threading
import warnings

from pyftpdlib.authorizers import DummyAuthorizer
from pyftpdlib.handlers import FTPHandler
from pyftpdlib.servers import FTPServer

USER = 'tester'
PASSWORD = 'secret'


class Transcript:
    def __init__(self):
        self.lock = threading.Lock()
        self.connections = 0
        self.logins = []  # user names as logged in
        self.commands = []  # (command, argument)

    def snapshot(self):
        with self.lock:
            return self.connections, list(self.logins), list(self.commands)


def _handler_class(transcript):
    class RecordingHandler(FTPHandler):
        def on_connect(self):
            with transcript.lock:
                transcript.connections += 1

        def on_login(self, username):
            with transcript.lock:
                transcript.logins.append(username)

        def pre_process_command(self, line, cmd, arg):
            with transcript.lock:
                transcript.commands.append((cmd, arg if cmd != 'PASS' else '***'))
            return super().pre_process_command(line, cmd, arg)

    return RecordingHandler


@contextlib.contextmanager
def ftp_server(host, root):
    """Serves directory `root` on host:21; yields the Transcript."""
    transcript = Transcript()
    authorizer = DummyAuthorizer()
    authorizer.add_user(USER, PASSWORD, str(root), perm='elradfmwMT')
    with warnings.catch_warnings():  # anonymous uploads are wanted here
        warnings.simplefilter('ignore')
        authorizer.add_anonymous(str(root), perm='elradfmwMT')
    handler = _handler_class(transcript)
    handler.authorizer = authorizer
    handler.banner = 'test server ready'
    quiet = logging.getLogger('pyftpdlib')  # a handler of its own keeps pyftpdlib from adding one
    if not quiet.handlers:
        quiet.addHandler(logging.NullHandler())
        quiet.setLevel(logging.WARNING)
        quiet.propagate = False
    FTPServer.allow_reuse_address = True
    server = FTPServer((host, 21), handler)
    stop = threading.Event()

    def serve():  # the server's loop is not thread-safe: it is closed on its own thread
        while not stop.is_set():
            server.ioloop.loop(timeout=0.05, blocking=False)
        server.close_all()

    thread = threading.Thread(target=serve, daemon=True)
    thread.start()
    try:
        yield transcript
    finally:
        stop.set()
        thread.join(10)
