"""The FTP command job under Wine against the scripted peer: the command
transcript, the listing file and the job's end for replies a real server
seldom sends (split, merged, late, multi-line, refused, withheld)."""
import socket
import unittest

import winebench
from command_job import DRIVER, local_path, run_job
from ftp_peer import CLOSE, FtpPeer

HOST = '127.0.0.31'
LOGIN = ['USER anna', 'PASS secret', 'CWD /pub/docs/', 'PWD']
LISTING = b'-rw-r--r-- 1 anna staff 12 Jan  1 00:00 old.txt\r\ndrwxr-xr-x 2 anna staff 4096 Jan  1 00:00 sub\r\n'
OLD = b'left as it was'


class PeerCase(unittest.TestCase):

    def setUp(self):
        self._dir = winebench.temp_dir('ftpcmd')
        self.dir = self._dir.__enter__()
        self.local, self.file = local_path(self.dir)

    def tearDown(self):
        self._dir.__exit__(None, None, None)

    def job(self, peer_args=None, **job_args):
        """Runs one job against a fresh peer; returns (peer, run)."""
        with FtpPeer(HOST, **(peer_args or {})) as peer:
            run = run_job(HOST, **job_args)
            if peer.client_address:  # a job that connected: let the peer finish its session
                peer.sessions_done.wait(5)
        self.assertEqual(run.all('wait'), [0], run.stdout)
        counters = run.all('all') + run.all('now')
        self.assertTrue(counters and not any(counters), run.stdout)
        return peer, run

    def transcript(self, peer):
        return [c if not c.startswith('PORT ') else 'PORT' for c in peer.commands]


class WholeJob(PeerCase):

    def test_command_order_port_and_listing_file(self):
        peer, _ = self.job({'listing': LISTING}, local=self.local)
        self.assertEqual(self.transcript(peer), LOGIN + ['DELE old.txt', 'PORT', 'TYPE A', 'LIST', 'QUIT'])
        self.assertTrue(all(line.endswith(b'\r\n') and line.count(b'\n') == 1 for line in peer.lines))
        self.assertEqual(self.file.read_bytes(), b'/pub/docs\r\n' + LISTING)
        host, port = peer.port_address
        self.assertTrue(host.startswith('127.'), host)
        self.assertTrue(1025 <= port <= 1279, port)
        self.assertEqual(peer.commands[5].split(',')[4], '4')

    def test_port_names_the_local_address_of_the_control_connection(self):
        peer, _ = self.job({'listing': LISTING}, local=self.local)
        self.assertEqual(peer.port_address[0], peer.client_address)

    def test_taken_data_ports_are_skipped(self):
        free = 1200
        held = []
        try:
            for port in range(1025, 1280):
                if port == free:
                    continue
                s = socket.socket()
                try:
                    s.bind(('0.0.0.0', port))
                    s.listen(1)
                except OSError:  # taken already, which serves as well
                    s.close()
                    continue
                held.append(s)
            peer, _ = self.job({'listing': LISTING}, local=self.local)
        finally:
            for s in held:
                s.close()
        self.assertEqual(peer.port_address[1], free)
        self.assertEqual(self.file.read_bytes(), b'/pub/docs\r\n' + LISTING)

    def test_125_opens_the_listing_as_150_does(self):
        peer, _ = self.job({'listing': LISTING, 'list_preliminary': b'125 Data connection already open\r\n'},
                           local=self.local)
        self.assertEqual(self.file.read_bytes(), b'/pub/docs\r\n' + LISTING)
        self.assertEqual(peer.commands[-1], 'QUIT')

    def test_listing_file_that_cannot_be_created(self):
        local, path = local_path(self.dir / 'missing', 'listing.txt')
        peer, _ = self.job({'listing': LISTING}, mode='', local=local)
        self.assertTrue(peer.data_connected)
        self.assertEqual(self.transcript(peer), LOGIN + ['PORT', 'TYPE A', 'LIST', 'QUIT'])
        self.assertFalse(path.parent.exists())

    def test_jobs_through_every_path_leave_no_handle_open(self):
        missing, _ = local_path(self.dir / 'missing', 'listing.txt')
        one_of_each = []
        for mode, local in (('del', self.local), ('', missing), ('644', ''), ('rmdir', self.local)):
            one_of_each += ['command', HOST, 'anna', 'secret', '/pub/docs/old.txt', mode, local, 'wait']
        with FtpPeer(HOST, listing=LISTING * 200) as peer:
            run = winebench.run(DRIVER, *one_of_each, 'handles', *one_of_each, *one_of_each, 'handles', timeout=120)
        counts = [int(line.split()[1]) for line in run.stdout.decode().splitlines() if line.startswith('handles ')]
        self.assertEqual(len(counts), 2, run.stdout)
        self.assertEqual(counts[0], counts[1])
        self.assertEqual(peer.commands.count('QUIT'), 12)


class WrongCodes(PeerCase):
    """Each refused step: what follows it is QUIT, and nothing else."""

    def test_each_wrong_code_goes_to_quit(self):
        rows = [
            ({'greeting': b'421 Too busy\r\n'}, []),
            ({'replies': {'USER': b'530 No such user\r\n'}}, LOGIN[:1]),
            ({'replies': {'PASS': b'530 Login incorrect\r\n'}}, LOGIN[:2]),
            ({'replies': {'CWD': b'550 No such directory\r\n'}}, LOGIN[:3]),
            ({'replies': {'PWD': b'550 Cannot\r\n'}}, LOGIN),
            ({'replies': {'DELE': b'550 Not found\r\n'}}, LOGIN + ['DELE old.txt']),
        ]
        for peer_args, expected in rows:
            with self.subTest(peer_args):
                self.file.write_bytes(OLD)
                peer, _ = self.job(peer_args, local=self.local)
                self.assertEqual(self.transcript(peer), expected + ['QUIT'])
                self.assertEqual(self.file.read_bytes(), OLD)

    def test_each_wrong_action_code_goes_to_quit(self):
        rows = [
            ('mkdir', 'MKD', 'MKD old.txt', b'250 Made but wrong code\r\n'),
            ('rmdir', 'RMD', 'RMD old.txt', b'550 Not empty\r\n'),
            ('644', 'SITE', 'SITE CHMOD 644 old.txt', b'500 Unknown\r\n'),
        ]
        for word, verb, line, reply in rows:
            with self.subTest(word):
                self.file.write_bytes(OLD)
                peer, _ = self.job({'replies': {verb: reply}}, mode=word, local=self.local)
                self.assertEqual(self.transcript(peer), LOGIN + [line, 'QUIT'])
                self.assertEqual(self.file.read_bytes(), OLD)

    def test_refused_data_steps_send_list_but_store_nothing(self):
        rows = [
            {'replies': {'PORT': b'500 Illegal PORT\r\n'}},
            {'replies': {'TYPE': b'504 Not implemented for that parameter\r\n'}},
            {'replies': {'LIST': b'550 No listing\r\n'}},
        ]
        for peer_args in rows:
            with self.subTest(peer_args):
                self.file.write_bytes(OLD)
                peer, _ = self.job(dict(peer_args, listing=LISTING), mode='', local=self.local)
                self.assertEqual(self.transcript(peer), LOGIN + ['PORT', 'TYPE A', 'LIST', 'QUIT'])
                self.assertEqual(self.file.read_bytes(), OLD)


class ReplyShapes(PeerCase):
    """Replies in pieces, merged, late or spread over several lines."""

    def test_login_goes_on_whatever_the_shape(self):
        rows = [
            ('multi-line greeting after USER',
             {'greeting': b'220-Welcome\r\n', 'replies': {'USER': b'220 Ready\r\n331 Password required\r\n'}}),
            ('multi-line greeting', {'greeting': b'220-Welcome\r\n220-Be nice\r\n220 Ready\r\n'}),
            ('greeting without LF at first', {'greeting': [b'220 Rea', 0.3, b'dy\r\n']}),
            ('greeting whose LF never comes', {'greeting': b'220 Ready'}),
            ('greeting whose LF comes after USER', {'greeting': [b'220 Ready', 1.5, b'\r\n']}),
            ('two replies merged', {'replies': {'USER': b'331 Password required\r\n230 Logged in\r\n',
                                                'PASS': None}}),
            ('multi-line PASS reply', {'replies': {'PASS': b'230-Welcome\r\n230-Rules\r\n230 Logged in\r\n'}}),
            ('PASS answered 331 twice', {'replies': {'PASS': [b'331 Wait\r\n', 0.2, b'230 Logged in\r\n']}}),
            ('CWD after a late 230', {'replies': {'PASS': [b'230 Logged in\r\n', 0.1, b'230 Really\r\n'],
                                                  'CWD': b'250 Ok\r\n'}}),
            ('split PWD reply', {'replies': {'PWD': [b'25', 0.2, b'7 "/pub/do', 0.2, b'cs" is current\r\n']}}),
            ('overlong PWD reply', {'replies': {'PWD': b'257-' + b'x' * 30000 + b'\r\n257 "/pub/docs"\r\n'}}),
        ]
        for what, peer_args in rows:
            with self.subTest(what):
                peer, _ = self.job(dict(peer_args, listing=LISTING), mode='', local=self.local)
                self.assertEqual(self.transcript(peer), LOGIN + ['PORT', 'TYPE A', 'LIST', 'QUIT'])
                directory = b'\r\n' if what == 'overlong PWD reply' else b'/pub/docs\r\n'
                self.assertEqual(self.file.read_bytes(), directory + LISTING)

    def test_directory_line_from_pwd(self):
        rows = [
            (b'257 current directory is /pub\r\n', b'\r\n'),
            (b'257 "/a""b" is current\r\n', b'/a\r\n'),
            (b'257 "/' + b'd' * 150 + b'"\r\n', b'/' + b'd' * 96 + b'\r\n'),
        ]
        for reply, line in rows:
            with self.subTest(reply[:30]):
                self.job({'replies': {'PWD': reply}, 'listing': LISTING}, mode='', local=self.local)
                self.assertEqual(self.file.read_bytes(), line + LISTING)


class CommandWords(PeerCase):

    def test_each_word_sends_its_action_and_no_listing_without_a_file(self):
        rows = [
            ('del', ['DELE old.txt']), ('DEL', []), ('Del', []), ('mkdir', ['MKD old.txt']),
            ('rmdir', ['RMD old.txt']), ('644', ['SITE CHMOD 644 old.txt']), ('0', []), ('000', []),
            ('755x', ['SITE CHMOD 755x old.txt']), ('', []),
        ]
        for word, action in rows:
            with self.subTest(word):
                peer, _ = self.job(mode=word, local='')
                self.assertEqual(self.transcript(peer), LOGIN + action + ['QUIT'])

    def test_paths_without_slash_or_ending_in_slash(self):
        peer, _ = self.job(remote='old.txt')
        self.assertEqual(peer.lines[2], b'CWD \r\n')
        self.assertEqual(self.transcript(peer), ['USER anna', 'PASS secret', 'CWD ', 'PWD', 'DELE old.txt', 'QUIT'])
        peer, _ = self.job(remote='/pub/')
        self.assertEqual(self.transcript(peer)[2:], ['CWD /pub/', 'PWD', 'DELE ', 'QUIT'])

    def test_line_break_in_a_parameter_ends_the_job_before_it_connects(self):
        for field in ('user', 'password', 'remote', 'mode', 'local'):
            with self.subTest(field):
                peer, _ = self.job(**{field: 'x\r\nDELE victim.txt'})
                self.assertEqual(peer.lines, [])


class Waits(PeerCase):
    """Every wait ends: no data connection, a stop, a silent or closing server."""

    def test_data_connection_never_made(self):
        self.file.write_bytes(OLD)
        peer, _ = self.job({'connect_data': False}, mode='', local=self.local)
        self.assertEqual(self.transcript(peer), LOGIN + ['PORT', 'TYPE A', 'LIST', 'QUIT'])
        self.assertEqual(self.file.read_bytes(), OLD)

    def test_stop_during_a_slow_listing(self):
        listing = b''.join(bytes([65 + i % 26]) * 10240 for i in range(60))
        peer, run = self.job({'listing': listing, 'chunk': 10240, 'chunk_pause': 0.1}, mode='', local=self.local,
                             during=('sleep', '1500', 'counters', 'stop'))
        self.assertEqual(run.all('stop'), [3])
        self.assertEqual(run.all('all') + run.all('now'), [0, 0, 0, 0])
        body = self.file.read_bytes()
        self.assertTrue(body.startswith(b'/pub/docs\r\n'))
        body = body[len(b'/pub/docs\r\n'):]
        self.assertGreater(len(body), 0)
        self.assertLess(len(body), len(listing))
        self.assertEqual(body, listing[:len(body)])
        self.assertEqual(peer.commands[-1], 'QUIT')

    def test_silent_or_closing_server(self):
        rows = [
            ('no greeting', {'silent': True}, ['QUIT']),
            ('no PWD reply', {'replies': {'PWD': None, 'QUIT': None}}, LOGIN + ['QUIT']),
            ('connection closed after PASS', {'replies': {'PASS': CLOSE}}, LOGIN[:2]),
            ('connection closed at TYPE A', {'replies': {'TYPE': CLOSE}}, LOGIN + ['DELE old.txt', 'PORT', 'TYPE A']),
            ('connection closed in the middle of the PASS reply', {'replies': {'PASS': [b'230 Logg', 0.2, CLOSE]}},
             LOGIN[:2]),
            ('a greeting line of 1 MB', {'greeting': b'220-' + b'w' * (1 << 20) + b'\r\n220 Ready\r\n'}, LOGIN + [
                'DELE old.txt', 'PORT', 'TYPE A', 'LIST', 'QUIT']),
            ('a reply that never ends its line', {'replies': {'PWD': b'257 "/pub/docs" and no line end'}},
             LOGIN + ['QUIT']),
        ]
        for what, peer_args, expected in rows:
            with self.subTest(what):
                peer, _ = self.job(peer_args, local=self.local)
                self.assertEqual(self.transcript(peer), expected)


if __name__ == '__main__':
    unittest.main()
