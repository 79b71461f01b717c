"""Shared set-up of the veskchk.exe Wine tests: a program folder with the
plug-in and its companion files, starting the program, and the exact bytes
the plug-in is expected to write or send.
"""
import contextlib
import os
import pathlib
import subprocess
import sys
import time

import winebench

sys.path.insert(0, str(winebench.SOURCE / 'testing' / 'host'))
from host_standin import HostStandIn  # noqa: E402,F401  (re-exported for the tests)

COMPANIONS = ('mojiro.exe', 'qvftp.dll', 'nuvel.dll')
TITLE_BOX = 'ピルトナ'
TITLE_FORM = 'ピルトナー設定'
CHECK1 = '15分間隔で自動チェック'


def program_dir(root, name='veskchk', companions=COMPANIONS):
    """root/plugin/<name> holding veskchk.exe and the companion files (empty
    stand-ins: start-up only tests that they are present). The host library
    "..\\..\\sakurap.dll" of this folder is root/sakurap.dll."""
    folder = pathlib.Path(root) / 'plugin' / name
    winebench.install(['veskchk.exe'], folder)
    for c in companions:
        (folder / c).write_bytes(b'')
    return folder


def start(folder, *args, env=None, cwd=None):
    """Starts veskchk.exe of `folder` (current directory `cwd`, default the
    folder); returns (Popen, start time)."""
    full_env = dict(os.environ)
    full_env.update(env or {})
    proc = subprocess.Popen([winebench.WINE, str(pathlib.Path(folder) / 'veskchk.exe'), *args],
                            cwd=cwd or folder, env=full_env, stdin=subprocess.DEVNULL,
                            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    return proc, time.monotonic()


def ends_within(proc, seconds):
    """True when the process ends within `seconds`; else it is killed."""
    try:
        proc.wait(timeout=seconds)
        return True
    except subprocess.TimeoutExpired:
        proc.kill()
        proc.wait()
        return False


def sjis(text):
    return text.encode('cp932')


def request_bytes(script_bytes, hwnd):
    """The SSTP request that carries `script_bytes` (already in code page 932)."""
    return (b'SEND SSTP/1.5\r\nSender: ' + sjis('ピルトナ') + b'\r\nScript: ' + script_bytes +
            b'\r\nHWnd: ' + str(hwnd).encode() + b'\r\nCharset: Shift_JIS\r\n')


def hwnd_of(request):
    for line in request.data.split(b'\r\n'):
        if line.startswith(b'HWnd: '):
            return int(line[6:])
    return None


def wine_prefix():
    env_file = winebench.BUILD / 'wine-bench.env'
    if env_file.exists():
        for line in env_file.read_text().splitlines():
            if line.startswith('export WINEPREFIX='):
                return pathlib.Path(line.split('=', 1)[1])
    return pathlib.Path(os.environ.get('WINEPREFIX', winebench.BUILD / 'wineprefix'))


@contextlib.contextmanager
def drive_root(folder):
    """Maps a free drive letter of the Wine prefix to `folder` for the
    duration; yields the drive's root, such as "V:\\"."""
    devices = wine_prefix() / 'dosdevices'
    for letter in 'vwxyutsrqponm':
        link = devices / f'{letter}:'
        if not os.path.lexists(link):
            break
    else:
        raise RuntimeError('no free drive letter')
    link.symlink_to(folder)
    try:
        yield f'{letter.upper()}:\\'
    finally:
        link.unlink()
