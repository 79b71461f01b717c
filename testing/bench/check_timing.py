"""Times whole checks under Wine on a 1000-entry page from loopback and
splits each into its steps, seen from outside the plug-in:

  start-up    program start until the "checking" announcement arrives
  download    until "vesk.bat" appears (the download ended; includes up to
              one 100 ms poll of the job state)
  conversion  while "vesk.bat" exists (the converter runs)
  parse+store+script  until the menu announcement arrives

Each run is a second check with 1000 new entries, so the whole menu is
built. Prints the median of several runs. Run with the Wine bench started:
  testing/bench.sh start build/windows-x64
  python3 testing/bench/check_timing.py [runs]
"""
import os
import pathlib
import statistics
import sys
import time

ROOT = pathlib.Path(__file__).resolve().parents[2]
BUILD = ROOT / 'build' / 'windows-x64'
os.environ.setdefault('VESK_BUILD', str(BUILD))
os.environ.setdefault('VESK_WINE', str(BUILD / 'wine-run.sh'))
sys.path.insert(0, str(ROOT / 'testing' / 'pylib'))
sys.path.insert(0, str(ROOT / 'testing' / 'e2e'))

import check_bench as cb  # noqa: E402
import winebench  # noqa: E402
from check_bench import antenna_page as ap  # noqa: E402


def one_run(tmp, page, seed):
    folder = cb.program_folder(tmp)
    (folder / 'vesk_old.dat').write_bytes(seed)
    with cb.HostStandIn(tmp) as host:
        base = len(host.requests())
        t0 = time.perf_counter()
        proc = cb.start_veskchk(folder)
        marks = {}
        bat = folder / 'vesk.bat'
        while 'menu' not in marks and time.perf_counter() - t0 < 120:
            now = time.perf_counter()
            n = len(host.requests()) - base
            if n >= 1 and 'checking' not in marks:
                marks['checking'] = now
            if bat.exists() and 'bat' not in marks:
                marks['bat'] = now
            if 'bat' in marks and not bat.exists() and 'converted' not in marks:
                marks['converted'] = now
            if n >= 2:
                marks['menu'] = now
            time.sleep(0.001)
        proc.kill()
        proc.wait()
    return {
        'start-up': marks['checking'] - t0,
        'download': marks['bat'] - marks['checking'],
        'conversion': marks['converted'] - marks['bat'],
        'parse+store+script': marks['menu'] - marks['converted'],
        'total': marks['menu'] - t0,
    }


def main():
    runs = int(sys.argv[1]) if len(sys.argv) > 1 else 5
    items = ap.make_items(1001, step_minutes=1)
    page = ap.page_bytes(items, 'euc_jp')
    seed = cb.stored_line(items[1000])
    results = []
    with cb.AntennaServer() as server:
        server.body = page
        for _ in range(runs):
            with winebench.temp_dir('timing') as tmp:
                results.append(one_run(tmp, page, seed))
    print(f'whole check under Wine, 1000 new entries, page of {len(page) / 1024:.0f} KiB (EUC-JP), '
          f'median of {runs} runs:')
    for step in results[0]:
        values = [r[step] * 1000 for r in results]
        print(f'  {step:<20} {statistics.median(values):8.1f} ms   (min {min(values):.1f}, max {max(values):.1f})')


if __name__ == '__main__':
    main()
