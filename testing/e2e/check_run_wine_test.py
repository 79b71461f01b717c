"""The check switch end to end under Wine: veskchk.exe with the real
transfer library, converter tool and converter library beside it, the
antenna page on a loopback server at its built-in address, the host shell
stand-in and the browser recorder."""
import time
import unittest

import check_bench as cb
from check_bench import CHECKING, FAILED, NO_PREVIOUS, NOTHING_NEW, store_bytes
from check_bench import antenna_page as ap


class CheckRun(cb.ProgramFolderCase):
    def setUp(self):
        super().setUp()
        self.items = ap.make_items(12)

    def assert_spoken(self, host, texts):
        requests = host.wait_requests(len(texts))
        self.assertEqual([r.data for r in requests], [cb.request_bytes(t, r.sender) for t, r in zip(texts, requests)])
        return requests

    def assert_no_temp_files(self):
        for name in cb.TEMP_FILES:
            self.assertFalse(self.file(name).exists(), name)

    def seed_store(self, items):
        """Runs a first check on `items` so the store holds that page."""
        with cb.AntennaServer() as server:
            server.body = ap.page_bytes(items, 'cp932')
            code, _ = cb.run_veskchk(self.folder)
        self.assertTrue(self.file('vesk_old.dat').exists(),
                        f'no store after a first check: exit code {code}, requests {server.paths}, '
                        f'folder {sorted(p.name for p in self.folder.iterdir())}')
        self.assertEqual(self.file('vesk_old.dat').read_bytes(), store_bytes(items))

    def test_first_check_stores_the_page_and_ends(self):
        with cb.AntennaServer() as server, cb.HostStandIn(self.tmp) as host:
            server.body = ap.page_bytes(self.items, 'euc_jp')
            cb.run_veskchk(self.folder)
            self.assert_spoken(host, [CHECKING, NO_PREVIOUS])
        self.assertEqual(server.paths, [cb.PAGE_PATH])
        self.assertEqual(server.user_agents, ['QVHTTP'])
        self.assertEqual(self.file('vesk_old.dat').read_bytes(), store_bytes(self.items))
        self.assertFalse(self.file('vesk_new.dat').exists())
        self.assertFalse(self.file('vesk_lst.dat').exists())
        self.assert_no_temp_files()

    def test_pages_in_each_encoding_store_the_same_entries(self):
        for encoding in ['euc_jp', 'iso2022_jp_ext', 'cp932', 'utf-8']:
            with self.subTest(encoding=encoding):
                self.file('vesk_old.dat').unlink(missing_ok=True)
                with cb.AntennaServer() as server:
                    server.body = ap.page_bytes(self.items, encoding)
                    cb.run_veskchk(self.folder)
                self.assertEqual(self.file('vesk_old.dat').read_bytes(), store_bytes(self.items))

    def test_new_entries_are_offered_and_a_pick_opens_its_address(self):
        self.seed_store(self.items[3:])
        with cb.AntennaServer() as server, cb.HostStandIn(self.tmp) as host:
            server.body = ap.page_bytes(self.items, 'utf-8')
            proc = cb.start_veskchk(self.folder, env=self.recorder.env)
            try:
                script = cb.menu_script(self.items[:3])
                requests = self.assert_spoken(host, [CHECKING, script])
                self.assertEqual(host.target(), requests[1].sender)
                self.assertEqual(self.file('vesk_new.dat').read_bytes(), store_bytes(self.items[:3]))
                self.assertEqual(self.file('vesk_lst.dat').read_bytes(), (script + '\r\n').encode('cp932'))
                self.assertEqual(self.file('vesk_old.dat').read_bytes(), store_bytes(self.items))
                self.assert_no_temp_files()
                time.sleep(1.5)
                self.assertIsNone(proc.poll(), 'the follow-up phase keeps the program alive')
                host.send(10001, 0, 2)
                self.assertEqual(self.recorder.wait_calls(1), [[self.items[1].url]])
                proc.wait(timeout=5)
            finally:
                if proc.poll() is None:
                    proc.kill()
                    proc.wait()

    def test_nothing_new_ends_even_with_the_host_present(self):
        self.seed_store(self.items)
        self.file('vesk_lst.dat').write_bytes(b'earlier menu\r\n')
        with cb.AntennaServer() as server, cb.HostStandIn(self.tmp) as host:
            server.body = ap.page_bytes(self.items, 'cp932')
            cb.run_veskchk(self.folder, timeout=15)
            self.assert_spoken(host, [CHECKING, NOTHING_NEW])
        self.assertEqual(self.file('vesk_new.dat').read_bytes(), b'')
        self.assertEqual(self.file('vesk_lst.dat').read_bytes(), b'earlier menu\r\n')

    def test_new_entries_without_a_host_write_the_store_and_end_at_once(self):
        self.seed_store(self.items[5:])
        with cb.AntennaServer() as server:
            server.body = ap.page_bytes(self.items, 'cp932')
            cb.run_veskchk(self.folder, timeout=15)  # no follow-up phase without a host
        self.assertEqual(self.file('vesk_new.dat').read_bytes(), store_bytes(self.items[:5]))
        self.assertEqual(self.file('vesk_lst.dat').read_bytes(),
                         (cb.menu_script(self.items[:5]) + '\r\n').encode('cp932'))
        self.assertEqual(self.file('vesk_old.dat').read_bytes(), store_bytes(self.items))

    def test_a_check_without_an_antenna_page_leaves_the_store_as_it_was(self):
        self.seed_store(self.items[2:])
        self.file('vesk_lst.dat').write_bytes(b'earlier menu\r\n')
        self.file('vesk_new.dat').write_bytes(b'earlier new\r\n')
        before = cb.snapshot(self.folder)
        page = ap.page_bytes(self.items, 'cp932')
        cases = {
            'server down': None,
            '404 error page': (404, b'<HTML><BODY><H1>404 Not Found</H1></BODY></HTML>'),
            'page without the list': (200, page.replace(b'<UL>', b'<OL>')),
            'truncated page': (200, page[:len(page) // 2]),
            'empty body': (200, b''),
        }
        for name, reply in cases.items():
            with self.subTest(name):
                with cb.HostStandIn(self.tmp) as host:
                    if reply is None:
                        cb.run_veskchk(self.folder, timeout=60)
                    else:
                        with cb.AntennaServer() as server:
                            server.status, server.body = reply
                            cb.run_veskchk(self.folder, timeout=60)
                    self.assert_spoken(host, [CHECKING, FAILED])
                self.assertEqual(cb.snapshot(self.folder), before)
                self.assert_no_temp_files()

    def test_a_title_with_a_comma_loses_no_entry(self):
        self.items[4].title = 'お茶, ケーキ, and more'
        with cb.AntennaServer() as server:
            server.body = ap.page_bytes(self.items[2:], 'cp932')
            cb.run_veskchk(self.folder)
            server.body = ap.page_bytes(self.items, 'cp932')
            cb.run_veskchk(self.folder, timeout=15)
        self.assertEqual(self.file('vesk_new.dat').read_bytes(), store_bytes(self.items[:2]))
        old = self.file('vesk_old.dat').read_bytes().split(b'\r\n')
        self.assertEqual(len(old), len(self.items) + 1)
        self.assertIn('"お茶, ケーキ, and more"'.encode('cp932'), old[4])

    def test_a_thousand_new_entries_make_143_linked_menu_pages(self):
        items = ap.make_items(1001, step_minutes=1)
        self.seed_store(items[1000:])
        with cb.AntennaServer() as server, cb.HostStandIn(self.tmp) as host:
            server.body = ap.page_bytes(items, 'cp932')
            proc = cb.start_veskchk(self.folder, env=self.recorder.env)
            try:
                script = cb.menu_script(items[:1000])
                self.assert_spoken(host, [CHECKING, script])
                lines = script.split('\r\n')
                pages = [ln for ln in lines if ln.startswith('Entry: #menu')]
                self.assertEqual(len(pages), 143)
                self.assertTrue(all(p.endswith(f'\\q7[#menu{i + 1}][次ページへ]\\e') for i, p in enumerate(pages[:-1])))
                self.assertEqual(pages[-1].count('\\q'), 6)
                host.send(10001, 0, 1000)
                self.assertEqual(self.recorder.wait_calls(1), [[items[999].url]])
                proc.wait(timeout=5)
            finally:
                if proc.poll() is None:
                    proc.kill()
                    proc.wait()


if __name__ == '__main__':
    unittest.main()
