"""Shared helpers of the transfer library's Wine tests: running the test
driver (qvdriver.exe, which loads qvftp.dll by name) and reading its output.
"""
import os
import pathlib
import sys

import winebench

sys.path.insert(0, str(winebench.SOURCE / 'testing' / 'servers'))

DRIVER = winebench.BIN / 'qvdriver.exe'


class DriverResult:
    """The driver's "name value" lines: .values('start') lists every start."""

    def __init__(self, completed):
        self.returncode = completed.returncode
        self.text = completed.stdout.decode('utf-8', 'replace')
        self.lines = [line.split(' ', 1) for line in self.text.splitlines() if line]

    def values(self, name):
        return [int(v) for n, v in self.lines if n == name]

    def last(self, name):
        found = self.values(name)
        if not found:
            raise AssertionError(f'driver printed no "{name}":\n{self.text}')
        return found[-1]


def drive(*actions, timeout=240):
    """Runs the driver with its actions; fails on a driver error."""
    completed = winebench.run(DRIVER, *actions, timeout=timeout)
    result = DriverResult(completed)
    if completed.returncode != 0:
        raise AssertionError(f'driver failed ({completed.returncode}): {result.text} '
                             f'{completed.stderr.decode("utf-8", "replace")[-2000:]}')
    return result


def winpath(path):
    return winebench.winpath(path)


def temp_dir(prefix):
    return winebench.temp_dir(prefix)


def file_bytes(path):
    return pathlib.Path(path).read_bytes() if os.path.exists(path) else None
