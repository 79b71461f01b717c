"""A check run as the host shell starts it, for the end-to-end tests and the
main job: a program folder with the four deliverables, the antenna page on a
loopback HTTP server at the address built into the plug-in, the host shell
stand-in and the browser recorder.
"""
import http.server
import os
import pathlib
import subprocess
import sys
import time
import unittest

import winebench

sys.path.insert(0, str(winebench.SOURCE / 'testing' / 'host'))
sys.path.insert(0, str(winebench.SOURCE / 'testing' / 'antenna'))
import antenna_page  # noqa: E402
from host_standin import HostStandIn  # noqa: E402

DELIVERABLES = ['veskchk.exe', 'qvftp.dll', 'mojiro.exe', 'nuvel.dll']
STORE_FILES = ['vesk_old.dat', 'vesk_new.dat', 'vesk_lst.dat']
TEMP_FILES = ['vesk_dat.tmp', 'vesk.bat', 'vesk_dat.txt']
PAGE_PATH = '/antenna/index.shtml'

# What the mascot is asked to say.
CHECKING = 'アンテナチェック中～\\e'
NO_PREVIOUS = '前回のデータがないから比較できないよ～\\e'
NOTHING_NEW = '新着なし～\\e'
FAILED = '取得失敗。このマシン、ネットに繋がってる？'


class AntennaServer:
    """Serves the antenna page at the plug-in's built-in address. Set
    `body` (bytes) and `status`; every request path is recorded."""

    def __init__(self):
        host, port = winebench.ANTENNA_HOST.split(':')
        self.address = (host, int(port))
        self.body = b''
        self.status = 200
        self.paths = []
        self.user_agents = []
        self._running = None

    def __enter__(self):
        owner = self

        class Handler(http.server.BaseHTTPRequestHandler):
            def do_GET(self):
                owner.paths.append(self.path)
                owner.user_agents.append(self.headers.get('User-Agent', ''))
                self.send_response(owner.status if self.path == PAGE_PATH else 404)
                body = owner.body if self.path == PAGE_PATH else b'<HTML>not found</HTML>'
                self.send_header('Content-Type', 'text/html')
                self.send_header('Content-Length', str(len(body)))
                self.end_headers()
                self.wfile.write(body)

            def log_message(self, *args):
                pass

        self._running = winebench.http_server(Handler, *self.address)
        self._running.__enter__()
        return self

    def __exit__(self, *exc):
        self._running.__exit__(*exc)


def program_folder(parent, name='ピルトナー'):
    """A program folder holding the four deliverables; the host's library
    stand-in would sit two folders above it."""
    return winebench.install(DELIVERABLES, pathlib.Path(parent) / 'ghost' / 'plugin' / name)


def run_veskchk(folder, switch='/G', env=None, timeout=120):
    """Runs veskchk.exe to its end; returns (exit code, seconds taken)."""
    started = time.monotonic()
    proc = start_veskchk(folder, switch, env)
    try:
        proc.wait(timeout=timeout)
    except subprocess.TimeoutExpired:
        proc.kill()
        proc.wait()
        raise
    return proc.returncode, time.monotonic() - started


def start_veskchk(folder, switch='/G', env=None):
    """Starts veskchk.exe as the host does: one switch, the program folder
    as the working directory. The plug-in prints nothing."""
    full_env = dict(os.environ)
    full_env.update(env or {})
    return subprocess.Popen([winebench.WINE, str(pathlib.Path(folder) / 'veskchk.exe'), switch], cwd=folder,
                            env=full_env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)


def snapshot(folder, names=STORE_FILES):
    """The bytes of the named files, None for a missing one."""
    folder = pathlib.Path(folder)
    return {n: (folder / n).read_bytes() if (folder / n).exists() else None for n in names}


def stored_line(item):
    """An entry as the store writes it (fields without commas, quotes or
    leading blanks), in the ANSI code page."""
    return f'{item.stamp},{item.url},{item.title},{item.byline},{item.note}\r\n'.encode('cp932')


def store_bytes(items):
    """A whole store file holding `items`."""
    return b''.join(stored_line(i) for i in items)


class ProgramFolderCase(unittest.TestCase):
    """A test with a fresh program folder and browser recorder of its own."""

    def setUp(self):
        self._tmp = winebench.temp_dir('check')
        self.tmp = self._tmp.__enter__()
        self.folder = program_folder(self.tmp)
        self.recorder = winebench.Recorder(self.tmp)

    def tearDown(self):
        self._tmp.__exit__(None, None, None)

    def file(self, name):
        return self.folder / name


def menu_script(items):
    """The reading-menu script for new entries `items`, built independently
    from the rules the plug-in follows: seven choices a page, a link to the
    next page, one label per entry."""
    k = len(items)
    menu = ''
    labels = ''
    for pos in range(1, k + 1, 7):
        page = pos // 7
        if pos == 1:
            menu += f'Entry: #menu{page},\\m[10000,0,0]'
        else:
            menu += f'\\q7[#menu{page}][次ページへ]\\e\r\nEntry: #menu{page},\\m[10000,0,0]'
        for s in range(7):
            n = pos + s
            if n > k:
                break
            it = items[n - 1]
            title = it.title.replace('/～', '/~').replace('&quot;', '"').replace('&amp;', '&')
            menu += f'\\q{s}[#ent{n - 1}][{it.stamp[-11:]} {title}]'
            labels += f'\r\nEntry: #ent{n - 1},\\m[10001,0,{n}]\\e'
    return f'新着{k}件っ\\n%j[#menu0]\\e\r\n' + menu + labels


def request_bytes(script, window):
    """The SSTP request the plug-in sends for `script` from `window`."""
    text = (f'SEND SSTP/1.5\r\nSender: ピルトナ\r\nScript: {script}\r\nHWnd: {window}\r\n'
            'Charset: Shift_JIS\r\n')
    return text.encode('cp932')
