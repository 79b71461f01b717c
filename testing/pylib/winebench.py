"""Helpers for tests that drive this build's Windows programs under Wine.

The ctest registration (vesk_add_wine_test) sets VESK_BUILD, VESK_SOURCE and
VESK_WINE; testing/bench.sh has started Xvfb and a persistent wineserver.
"""
import contextlib
import http.server
import os
import pathlib
import shutil
import socket
import subprocess
import tempfile
import threading
import time

BUILD = pathlib.Path(os.environ.get('VESK_BUILD', '.')).resolve()
SOURCE = pathlib.Path(os.environ.get('VESK_SOURCE', pathlib.Path(__file__).parents[2])).resolve()
WINE = os.environ.get('VESK_WINE', str(BUILD / 'wine-run.sh'))
BIN = BUILD / 'bin'
ANTENNA_HOST = os.environ.get('ANTENNA_HOST', '127.0.0.1:8931')


def winpath(path):
    """The Windows form (drive Z:) of a Unix path."""
    return 'Z:' + str(pathlib.Path(path).resolve()).replace('/', '\\')


def run(exe, *args, cwd=None, env=None, timeout=60, check=False):
    """Runs a Windows program to its end; returns the CompletedProcess (bytes)."""
    full_env = dict(os.environ)
    full_env.update(env or {})
    return subprocess.run([WINE, str(exe), *map(str, args)], cwd=cwd, env=full_env, timeout=timeout,
                          capture_output=True, check=check)


def spawn(exe, *args, cwd=None, env=None):
    """Starts a Windows program and returns its Popen; the caller waits for it."""
    full_env = dict(os.environ)
    full_env.update(env or {})
    return subprocess.Popen([WINE, str(exe), *map(str, args)], cwd=cwd, env=full_env,
                            stdout=subprocess.PIPE, stderr=subprocess.PIPE)


def poke(verb, title, *more, seconds=10):
    """Runs testing/win/winpoke.exe; returns (exit code, its UTF-8 output)."""
    p = run(BIN / 'winpoke.exe', verb, title, *more, seconds, timeout=seconds + 30)
    return p.returncode, p.stdout.decode('utf-8', 'replace')


@contextlib.contextmanager
def temp_dir(prefix='vesk'):
    d = pathlib.Path(tempfile.mkdtemp(prefix=prefix + '-'))
    try:
        yield d
    finally:
        shutil.rmtree(d, ignore_errors=True)


def install(names, target):
    """Copies the named binaries of this build into target (a program folder)."""
    target = pathlib.Path(target)
    target.mkdir(parents=True, exist_ok=True)
    for name in names:
        shutil.copy2(BIN / name, target / name)
    return target


class Recorder:
    """The browser recorder's log: every address the shell handed over."""

    def __init__(self, directory):
        self.path = pathlib.Path(directory) / 'recorder.log'
        self.path.write_bytes(b'')

    @property
    def env(self):
        return {'VESK_RECORDER_LOG': winpath(self.path)}

    def calls(self):
        """One list of arguments per start of the recorder."""
        text = self.path.read_bytes().decode('utf-8', 'replace')
        return [line.split('\t') for line in text.splitlines()]

    def wait_calls(self, count, seconds=10):
        deadline = time.monotonic() + seconds
        while time.monotonic() < deadline:
            calls = self.calls()
            if len(calls) >= count:
                return calls
            time.sleep(0.05)
        return self.calls()


def free_port(host='127.0.0.1'):
    with socket.socket() as s:
        s.bind((host, 0))
        return s.getsockname()[1]


@contextlib.contextmanager
def http_server(handler_class, host='127.0.0.1', port=0):
    """A threaded HTTP server on loopback (port 0: any free port) that
    serves with `handler_class`; yields (host, port, server)."""
    http.server.ThreadingHTTPServer.allow_reuse_address = True
    server = http.server.ThreadingHTTPServer((host, port), handler_class)
    server.daemon_threads = True
    thread = threading.Thread(target=server.serve_forever, daemon=True)
    thread.start()
    try:
        yield host, server.server_address[1], server
    finally:
        server.shutdown()
        server.server_close()


def wait_until(predicate, seconds=10, step=0.05):
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        if predicate():
            return True
        time.sleep(step)
    return predicate()
