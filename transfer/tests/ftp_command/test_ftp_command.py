"""Wine tests of the FTP command job of qvftp.dll, against the scripted FTP
peer and against pyftpdlib. One test program, so its jobs never draw data
ports from 1025..1279 at the same time as each other."""
# ctest: RESOURCE_LOCK ftp_data_ports
# ctest: TIMEOUT 600
import pathlib
import sys
import unittest

sys.path.insert(0, str(pathlib.Path(__file__).parent))

from cases_pyftpdlib import *  # noqa: E402,F401,F403
from cases_scripted_peer import *  # noqa: E402,F401,F403

if __name__ == '__main__':
    unittest.main(verbosity=2)
