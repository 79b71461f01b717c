#!/usr/bin/python3
"""Download speed of qvftp.dll's HTTP job under Wine against curl, both
fetching the same 100 MB body from one loopback HTTP server in one run.
Prints MB/s for each and their ratio; run by hand, never by ctest.

  transfer/bench/http_bench.py <windows-x64 build dir> [rounds]

Uses the build's Wine bench when it runs (testing/bench.sh start), else
starts one for the run and stops it afterwards.
"""
import hashlib
import http.server
import os
import pathlib
import subprocess
import sys
import tempfile
import threading
import time

BUILD = pathlib.Path(sys.argv[1]).resolve() if len(sys.argv) > 1 else None
ROUNDS = int(sys.argv[2]) if len(sys.argv) > 2 else 3
SIZE = 100 * 1024 * 1024
SOURCE = pathlib.Path(__file__).resolve().parents[2]
BODY = (hashlib.sha256(b'qv').digest() * 32) * (SIZE // 1024)  # 1 KiB pattern, 100 MiB
DIGEST = hashlib.sha256(BODY).hexdigest()


class BodyHandler(http.server.BaseHTTPRequestHandler):
    protocol_version = 'HTTP/1.1'

    def log_message(self, *args):
        pass

    def do_GET(self):  # noqa: N802
        self.send_response(200)
        self.send_header('Content-Type', 'application/octet-stream')
        self.send_header('Content-Length', str(SIZE))
        self.end_headers()
        view = memoryview(BODY)
        for i in range(0, SIZE, 1 << 20):
            self.wfile.write(view[i:i + (1 << 20)])


def check(path):
    data = pathlib.Path(path).read_bytes()
    if len(data) != SIZE or hashlib.sha256(data).hexdigest() != DIGEST:
        raise SystemExit(f'{path}: wrong body ({len(data)} bytes)')


def run_library(url, target):
    env = dict(os.environ, VESK_BUILD=str(BUILD))
    out = subprocess.run([str(BUILD / 'wine-run.sh'), str(BUILD / 'bin' / 'qvdriver.exe'), 'clock', 'http', url,
                          'Z:' + str(target).replace('/', '\\'), 'wait', 'clock', 'counters'],
                         env=env, capture_output=True, check=True, timeout=600).stdout.decode()
    clocks = [int(line.split()[1]) for line in out.splitlines() if line.startswith('clock ')]
    done = [int(line.split()[1]) for line in out.splitlines() if line.startswith('now ')]
    if done != [SIZE]:
        raise SystemExit(f'library job did not finish: {out}')
    return (clocks[1] - clocks[0]) / 1000.0


def run_curl(url, target):
    begun = time.perf_counter()
    subprocess.run(['curl', '-s', '-o', str(target), url], check=True, timeout=600)
    return time.perf_counter() - begun


def main():
    if BUILD is None:
        raise SystemExit(__doc__)
    started_bench = not (BUILD / 'wine-bench.env').exists()
    if started_bench:
        subprocess.run([str(SOURCE / 'testing' / 'bench.sh'), 'start', str(BUILD)], check=True,
                       stdout=subprocess.DEVNULL)
    server = http.server.ThreadingHTTPServer(('127.0.0.1', 0), BodyHandler)
    server.daemon_threads = True
    threading.Thread(target=server.serve_forever, daemon=True).start()
    url = f'http://127.0.0.1:{server.server_address[1]}/body'
    try:
        with tempfile.TemporaryDirectory(prefix='qv-bench-') as tmp:
            lib_times, curl_times = [], []
            for _ in range(ROUNDS):
                target = pathlib.Path(tmp) / 'lib.bin'
                lib_times.append(run_library(url, target))
                check(target)
                target.unlink()
                target = pathlib.Path(tmp) / 'curl.bin'
                curl_times.append(run_curl(url, target))
                check(target)
                target.unlink()
    finally:
        server.shutdown()
        if started_bench:
            subprocess.run([str(SOURCE / 'testing' / 'bench.sh'), 'stop', str(BUILD)], check=False)
    mb = SIZE / 1e6
    lib, curl = mb / min(lib_times), mb / min(curl_times)
    print(f'body {SIZE} bytes, best of {ROUNDS} rounds')
    print(f'qvftp.dll under Wine: {lib:8.1f} MB/s  (rounds: {", ".join(f"{t:.2f}s" for t in lib_times)})')
    print(f'curl:                 {curl:8.1f} MB/s  (rounds: {", ".join(f"{t:.2f}s" for t in curl_times)})')
    print(f'ratio library/curl:   {lib / curl:8.2f}')


if __name__ == '__main__':
    main()
