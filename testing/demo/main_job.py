"""The main job: a real check run under Wine against a local antenna page,
with the host shell stand-in in place of the mascot program.

A first check stores the page; the page then gets three new entries; a
second check announces them with its menu, and the user's pick (sent by the
stand-in as the host would) opens its address in the browser recorder.
Everything this script starts, it stops.
"""
import os
import pathlib
import sys
import time

BUILD = pathlib.Path(__file__).resolve().parents[2] / 'build' / 'windows-x64'
os.environ.setdefault('VESK_BUILD', str(BUILD))
os.environ.setdefault('VESK_WINE', str(BUILD / 'wine-run.sh'))
sys.path.insert(0, str(pathlib.Path(__file__).resolve().parents[1] / 'pylib'))
sys.path.insert(0, str(pathlib.Path(__file__).resolve().parents[1] / 'e2e'))

import check_bench as cb  # noqa: E402
import winebench  # noqa: E402
from check_bench import antenna_page as ap  # noqa: E402


def show_requests(host, since):
    for r in host.requests()[since:]:
        text = r.data.decode('cp932', 'replace')
        script = text.split('Script: ', 1)[1].split('\r\nHWnd:', 1)[0]
        print('  mascot is asked to say:')
        for line in script.split('\r\n'):
            print('    ' + line)
    return len(host.requests())


def show_files(folder):
    for name in cb.STORE_FILES:
        path = folder / name
        if not path.exists():
            print(f'  {name}: (none)')
            continue
        lines = path.read_bytes().decode('cp932').split('\r\n')
        print(f'  {name}: {len([ln for ln in lines if ln])} line(s)')
        for line in lines[:4]:
            if line:
                print('    ' + line)


def main():
    items = ap.make_items(10)
    with winebench.temp_dir('mainjob') as tmp:
        folder = cb.program_folder(tmp)
        recorder = winebench.Recorder(tmp)
        print(f'program folder: {winebench.winpath(folder)}')
        print(f'antenna page: http://{winebench.ANTENNA_HOST}{cb.PAGE_PATH}\n')
        with cb.AntennaServer() as server, cb.HostStandIn(tmp) as host:
            print('== first check (no earlier data), page of 7 entries in EUC-JP')
            server.body = ap.page_bytes(items[3:], 'euc_jp')
            cb.run_veskchk(folder)
            seen = show_requests(host, 0)
            show_files(folder)

            print('\n== the page gets three new entries; second check')
            server.body = ap.page_bytes(items, 'euc_jp')
            proc = cb.start_veskchk(folder, env=recorder.env)
            host.wait_requests(seen + 2, seconds=60)
            seen = show_requests(host, seen)
            show_files(folder)

            print('\n== the user picks the second entry of the menu')
            time.sleep(0.5)
            host.send(10001, 0, 2)
            calls = recorder.wait_calls(1)
            print(f'  address opened in the browser: {calls[0][0] if calls else "(none)"}')
            proc.wait(timeout=10)
            print(f'  veskchk ended (exit code {proc.returncode})')
    return 0


if __name__ == '__main__':
    sys.exit(main())
