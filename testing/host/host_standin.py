"""Drives testing/host/host_standin.exe, the host shell stand-in, from a test.

    with HostStandIn(work_dir, mutex=True) as host:
        ... run the plug-in ...
        host.requests()          # every WM_COPYDATA received, in order
        host.send(10001, 0, 3)   # to the window of the last "HWnd:" line

The stand-in is a second Wine process. It answers each command on its
standard output with one line; send() returns that line.
"""
import os
import pathlib
import re
import subprocess
import sys

import winebench

_HEADER = re.compile(rb'COPYDATA id=(\d+) bytes=(\d+) sender=(\d+)\n')


class Request:
    """One recorded WM_COPYDATA: its identifier, sender (wParam) and bytes."""

    def __init__(self, ident, sender, data):
        self.ident = ident
        self.sender = sender
        self.data = data

    def __repr__(self):
        return f'Request(id={self.ident}, sender={self.sender}, data={self.data!r})'


def parse_record(raw):
    """Splits the stand-in's record file into Requests."""
    out = []
    at = 0
    while at < len(raw):
        m = _HEADER.match(raw, at)
        if not m:
            raise ValueError(f'bad record at byte {at}')
        count = int(m.group(2))
        start = m.end()
        out.append(Request(int(m.group(1)), int(m.group(3)), raw[start:start + count]))
        at = start + count + 1
    return out


class HostStandIn:
    """The stand-in as a context manager. mapping=False publishes no "Sakura";
    block=bytes publishes those bytes instead of the usual block (b"%HWND%" in
    it becomes the stand-in's window handle in decimal); mutex=True
    also creates the mutex "NPP"."""

    def __init__(self, work_dir, mapping=True, block=None, mutex=False):
        self.dir = pathlib.Path(work_dir)
        self.dir.mkdir(parents=True, exist_ok=True)
        self.record = self.dir / 'standin-requests.bin'
        self.record.write_bytes(b'')
        args = [winebench.winpath(self.record)]
        if not mapping:
            args.append('--no-mapping')
        if block is not None:
            block_file = self.dir / 'standin-block.bin'
            block_file.write_bytes(block)
            args += ['--block-file', winebench.winpath(block_file)]
        if mutex:
            args.append('--mutex')
        self.args = args
        self.proc = None
        self.window = 0

    def __enter__(self):
        self.proc = subprocess.Popen([winebench.WINE, str(winebench.BIN / 'host_standin.exe'), *self.args],
                                     stdin=subprocess.PIPE, stdout=subprocess.PIPE, stderr=subprocess.DEVNULL,
                                     env=dict(os.environ))
        line = self._read_line()
        if not line.startswith('ready '):
            self.__exit__(None, None, None)
            raise RuntimeError(f'host stand-in did not start: {line!r}')
        self.window = int(line.split()[1])
        return self

    def __exit__(self, *exc):
        if self.proc is None:
            return
        try:
            self.proc.stdin.write(b'quit\n')
            self.proc.stdin.close()
            self.proc.wait(timeout=15)
        except (OSError, subprocess.TimeoutExpired):
            self.proc.kill()
            self.proc.wait()
        self.proc.stdout.close()
        self.proc = None

    def _read_line(self):
        return self.proc.stdout.readline().decode('ascii', 'replace').strip()

    def command(self, text):
        self.proc.stdin.write(text.encode('ascii') + b'\n')
        self.proc.stdin.flush()
        return self._read_line()

    def send(self, message, wparam, lparam):
        """Sends a window message to the window of the last "HWnd:" line;
        returns "sent <result>", "no-target" or "failed"."""
        return self.send_all([(message, wparam, lparam)])

    def send_all(self, messages):
        """Sends (message, wparam, lparam) triples back to back, with no
        pause between them; returns "sent <result> <result>..." or as send()."""
        return self.command('msg ' + ' '.join(f'{m} {w} {l}' for m, w, l in messages))

    def hang(self, milliseconds):
        """Makes the stand-in's window stop handling messages for a while."""
        return self.command(f'hang {milliseconds}')

    def target(self):
        return int(self.command('target').split()[1])

    def requests(self):
        return parse_record(self.record.read_bytes())

    def wait_requests(self, count, seconds=10):
        winebench.wait_until(lambda: len(self.requests()) >= count, seconds)
        return self.requests()


if __name__ == '__main__':
    sys.exit('import this module from a test')
