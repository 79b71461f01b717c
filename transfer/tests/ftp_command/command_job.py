"""Runs the FTP command job of the built qvftp.dll through the test driver
(transfer/tests/win/qvdriver.cpp) and reads back what it printed."""
import os
import pathlib
import re
import sys
import time

import winebench

sys.path.insert(0, str(winebench.SOURCE / 'testing' / 'ftp_peer'))

DRIVER = winebench.BIN / 'qvdriver.exe'


def _wait_ms():
    """The job's bounded wait as this build set it: QV_FTP_WAIT_MS, else the
    library's QVFTP_NET_TIMEOUT_MS, else the built-in 30 s."""
    cache = winebench.BUILD / 'CMakeCache.txt'
    text = cache.read_text(errors='replace') if cache.exists() else ''
    for pattern in (r'^QV_FTP_WAIT_MS:\w+=(\d+)', r'-DQV_FTP_WAIT_MS=(\d+)', r'^QVFTP_NET_TIMEOUT_MS:\w+=(\d+)'):
        m = re.search(pattern, text, re.M)
        if m:
            return int(m.group(1))
    return 30000


WAIT_S = _wait_ms() / 1000.0


class JobRun:
    """What one driver run printed, and how long it took."""

    def __init__(self, completed, seconds):
        self.seconds = seconds
        self.stdout = completed.stdout.decode('latin-1')
        self.values = [tuple(line.split(' ', 1)) for line in self.stdout.splitlines() if ' ' in line]

    def all(self, name):
        return [int(v) for n, v in self.values if n == name]


def run_job(host, remote='/pub/docs/old.txt', mode='del', local='', user='anna', password='secret',
            during=(), timeout=None):
    """Starts qvcommand with the six parameters, runs the driver actions in
    `during` (e.g. 'sleep', '500', 'stop'), waits until the job is idle and
    prints the counters."""
    args = ['command', host, user, password, remote, mode, local, *during, 'wait', 'counters']
    begun = time.monotonic()
    completed = winebench.run(DRIVER, *args, timeout=timeout or (4 * WAIT_S + 60))
    return JobRun(completed, time.monotonic() - begun)


def local_path(directory, name='listing.txt'):
    """A listing file path in the Windows form, and its Unix path."""
    path = pathlib.Path(directory) / name
    return winebench.winpath(path), path
