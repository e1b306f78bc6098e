"""A real FTP server for the tests: pyftpdlib on 127.0.0.1, a free port.

Usage: ftp_server.py ROOT. Prints the port on its first line, then one
"LOGIN <user>" line per successful login. Ends when its standard input
closes (the test is gone) or after ten minutes at the latest.
"""
import os
import sys
import threading

from pyftpdlib.authorizers import DummyAuthorizer
from pyftpdlib.handlers import FTPHandler
from pyftpdlib.servers import FTPServer
import logging


class CountingHandler(FTPHandler):
    def on_login(self, username):
        print("LOGIN " + username, flush=True)


def main():
    logging.basicConfig(level=logging.WARNING)
    root = sys.argv[1]
    authorizer = DummyAuthorizer()
    authorizer.add_user("user", "secret", root, perm="elradfmw")
    authorizer.add_user("reader", "secret", root, perm="elr")
    CountingHandler.authorizer = authorizer
    CountingHandler.encoding = "utf-8"
    CountingHandler.use_sendfile = False
    server = FTPServer(("127.0.0.1", 0), CountingHandler)
    print(server.address[1], flush=True)

    def stop_when_stdin_closes():
        sys.stdin.read()
        os._exit(0)

    threading.Thread(target=stop_when_stdin_closes, daemon=True).start()
    threading.Timer(600, lambda: os._exit(0)).start()
    server.serve_forever(timeout=0.5)


if __name__ == "__main__":
    main()
