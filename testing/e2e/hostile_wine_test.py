"""Hostile input end to end under Wine: pages, titles and addresses from a
server that does not play by the layout, damaged store files, and a host
block that never ends. None of them may crash or hang the plug-in; the store
files are either updated correctly or left exactly as they were, and no
address other than an absolute web address reaches the browser."""
import unittest

import check_bench as cb
from check_bench import antenna_page as ap
from check_bench import store_bytes


class Hostile(cb.ProgramFolderCase):

    def check(self, page, timeout=120):
        with cb.AntennaServer() as server:
            server.body = page
            return cb.run_veskchk(self.folder, timeout=timeout)

    def test_a_50_mb_page_is_checked(self):
        items = ap.make_items(20)
        filler = '<P>' + '長い説明文。' * 80 + '</P>\n'
        padding = filler * (50 * 1024 * 1024 // len(filler.encode('euc_jp')))
        page = ap.page_bytes(items, 'euc_jp', head=padding)
        self.assertGreater(len(page), 50 * 1000 * 1000)
        self.check(page, timeout=600)
        self.assertEqual(self.file('vesk_old.dat').read_bytes(), store_bytes(items))

    def test_a_page_of_5000_items_keeps_the_first_1000(self):
        items = ap.make_items(5000, step_minutes=1)
        self.check(ap.page_bytes(items, 'cp932'))
        self.assertEqual(self.file('vesk_old.dat').read_bytes(), store_bytes(items[:1000]))

    def test_items_that_lack_a_marker_are_left_out(self):
        items = ap.make_items(8)
        texts = [it.text() for it in items]
        broken = {1: ('">◇', '">*'), 2: ('</A>', '</B>'), 3: ('&nbsp;&nbsp;', '&nbsp;'),
                  4: ('<SMALL>', '<BIG>'), 5: ('</SMALL>', '</BIG>')}
        for i, (marker, other) in broken.items():
            texts[i] = texts[i].replace(marker, other)
        at = texts[6].rfind(items[6].url)  # the address appears only once
        texts[6] = texts[6][:at] + 'http://elsewhere.example/' + texts[6][at + len(items[6].url):]
        body = ''.join(f'<LI>{t}</LI>' for t in texts)
        page = f'<HTML><BODY><UL>{body}<LI></LI><LI>x</LI></UL></BODY></HTML>'.encode('cp932')
        self.check(page)
        kept = [items[0], items[7]]
        self.assertEqual(self.file('vesk_old.dat').read_bytes(), store_bytes(kept))

    def test_titles_cannot_add_script_tags_or_request_lines(self):
        old = ap.make_items(3)
        new = ap.make_items(2, newest=ap.datetime.datetime(2026, 8, 1, 9, 0))
        new[0].title = 'a\\![raise,x]b] 100% \\e'
        new[1].title = 'two\r\nEntry: #evil,\\m[10001,0,1]'
        self.check(ap.page_bytes(old, 'cp932'))
        with cb.AntennaServer() as server, cb.HostStandIn(self.tmp) as host:
            server.body = ap.page_bytes(new + old, 'cp932')
            proc = cb.start_veskchk(self.folder, env=self.recorder.env)
            requests = host.wait_requests(2, seconds=60)
            proc.kill()
            proc.wait()
        text = requests[1].data.decode('cp932')
        lines = text.split('\r\n')
        self.assertEqual([ln.split(',')[0] for ln in lines if ln.startswith('Entry: ')],
                         ['Entry: #menu0', 'Entry: #ent0', 'Entry: #ent1'])
        self.assertIn('a＼![raise,x］b］ 100％ ＼e', text)
        self.assertIn('two  Entry: #evil,＼m[10001,0,1］', text)

    def test_addresses_that_are_not_web_addresses_are_not_opened(self):
        newest = ap.datetime.datetime(2026, 8, 1, 9, 0)
        urls = ['notepad.exe', 'file:///c:/windows/', '\\\\server\\share\\x.exe', 'javascript:alert(1)',
                'http://ok.example/a\r\nb', 'HTTPS://ok.example/"quoted" and blank']
        items = ap.make_items(len(urls), newest=newest)
        for it, url in zip(items, urls):
            it.url = url
        old = ap.make_items(2)
        self.check(ap.page_bytes(old, 'cp932'))
        with cb.HostStandIn(self.tmp) as host, cb.AntennaServer() as server:
            server.body = ap.page_bytes(items + old, 'cp932')
            proc = cb.start_veskchk(self.folder, env=self.recorder.env)
            try:
                host.wait_requests(2, seconds=60)
                # All picks before the next tick, which ends the program.
                host.send_all([(10001, 0, n) for n in range(1, len(urls) + 1)])
                proc.wait(timeout=10)
            finally:
                if proc.poll() is None:
                    proc.kill()
                    proc.wait()
        self.assertEqual(self.recorder.calls(), [['HTTPS://ok.example/%22quoted%22%20and%20blank']])

    def test_damaged_store_files(self):
        items = ap.make_items(4, newest=ap.datetime.datetime(2026, 9, 1, 0, 0))
        older = ap.make_items(2000, step_minutes=1)
        cases = {
            '2000 records': (store_bytes(older), 4),
            'a record cut in half': (store_bytes(older[:3])[:-40], 4),
            'binary garbage': (bytes(range(256)) * 64, None),
        }
        for name, (content, new_count) in cases.items():
            with self.subTest(name):
                self.file('vesk_old.dat').write_bytes(content)
                self.file('vesk_new.dat').unlink(missing_ok=True)
                self.check(ap.page_bytes(items, 'cp932'))
                self.assertEqual(self.file('vesk_old.dat').read_bytes(), store_bytes(items))
                if new_count is not None:
                    self.assertEqual(self.file('vesk_new.dat').read_bytes(), store_bytes(items[:new_count]))

    def test_a_host_that_hangs_does_not_hold_the_check(self):
        items = ap.make_items(3)
        with cb.AntennaServer() as server, cb.HostStandIn(self.tmp) as host:
            server.body = ap.page_bytes(items, 'cp932')
            self.assertEqual(host.hang(90000), 'hanging')
            cb.run_veskchk(self.folder, timeout=60)  # each request waits at most 10 s
        self.assertEqual(self.file('vesk_old.dat').read_bytes(), store_bytes(items))

    def test_a_host_block_of_ones_without_cr_finds_no_host(self):
        self.file('vesk_lst.dat').write_bytes(b'menu\r\n')
        self.file('vesk_old.dat').write_bytes(store_bytes(ap.make_items(2)))
        with cb.HostStandIn(self.tmp, block=b'\x01' * 4096) as host:
            cb.run_veskchk(self.folder, '/L', timeout=15)
            self.assertEqual(host.requests(), [])


if __name__ == '__main__':
    unittest.main()
