"""Entry point that ctest calls.

    run_e2e.py create-prefix|end-prefix|<test module> --exe X --driver D --prefix P --screenshots S

create-prefix makes the run's throw-away Wine prefix and starts its persistent wineserver;
end-prefix ends that server; a test module name runs that suite against the program.
"""

import argparse
import os
import sys
import time
import unittest

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from program import ProgramTestCase  # noqa: E402
from wine_session import Config, WineSession  # noqa: E402


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("what")
    parser.add_argument("--exe", required=True)
    parser.add_argument("--driver", required=True)
    parser.add_argument("--prefix", required=True)
    parser.add_argument("--screenshots", required=True)
    args = parser.parse_args()

    session = WineSession(Config(args.exe, args.driver, args.prefix, args.screenshots))
    try:
        if args.what == "create-prefix":
            started = time.monotonic()
            session.create_prefix()
            print("prefix %s ready in %.1f s" % (args.prefix, time.monotonic() - started))
            return 0
        if args.what == "end-prefix":
            session.kill_server()
            return 0
        if not os.path.isfile(os.path.join(args.prefix, "system.reg")):
            session.create_prefix()  # run alone, without the prefix test before it
        ProgramTestCase.session = session
        suite = unittest.defaultTestLoader.loadTestsFromName(args.what)
        result = unittest.TextTestRunner(verbosity=2, stream=sys.stdout).run(suite)
        return 0 if result.wasSuccessful() else 1
    finally:
        session.close()


if __name__ == "__main__":
    sys.exit(main())
