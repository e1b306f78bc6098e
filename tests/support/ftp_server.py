"""A real FTP server for the tests: pyftpdlib on 127.0.0.1, a free port.

Usage: ftp_server.py ROOT [REPORT]. Prints the port, then "STOR <type>" per
store. Ends when its standard input closes, or after ten minutes. With
REPORT, for a test under Wine, which starts a Linux program detached from
its pipes: the lines go to the file REPORT instead, and the server ends
when ROOT goes. Files are stored
as they came (no line-end conversion on an ASCII store), names byte for byte
as Latin-1, so the stored name shows the bytes on the wire. The user
"silent" never gets an answer to a store.
"""
import logging
import os
import sys
import threading
import time

from pyftpdlib.authorizers import DummyAuthorizer
from pyftpdlib.handlers import DTPHandler, FTPHandler
from pyftpdlib.servers import FTPServer


def wire(text):
    """A name or password as it arrives when sent in Windows-31J."""
    return text.encode("cp932").decode("latin-1")


class RawDTPHandler(DTPHandler):
    def enable_receiving(self, type, cmd):
        DTPHandler.enable_receiving(self, type, cmd)
        self._data_wrapper = None


def report(line):
    if len(sys.argv) > 2:
        with open(sys.argv[2], "a") as file:
            file.write(line + "\n")
    else:
        print(line, flush=True)


class RawHandler(FTPHandler):
    dtp_handler = RawDTPHandler

    def decode(self, bytes):
        return bytes.decode("latin-1")

    def push(self, s):
        super(FTPHandler, self).push(s.encode("latin-1", "replace"))

    def ftp_STOR(self, file, mode="w"):
        if self.username == "silent":
            return None
        report("STOR " + self._current_type.upper())
        return FTPHandler.ftp_STOR(self, file, mode)


def main():
    logging.basicConfig(level=logging.WARNING)
    root = sys.argv[1]
    authorizer = DummyAuthorizer()
    authorizer.add_user("user", "secret", root, perm="elradfmw")
    authorizer.add_user("reader", "secret", root, perm="elr")
    authorizer.add_user("silent", "secret", root, perm="elradfmw")
    authorizer.add_user(wire("ユーザ"), wire("秘密"), root, perm="elr")
    RawHandler.authorizer = authorizer
    RawHandler.use_sendfile = False
    server = FTPServer(("127.0.0.1", 0), RawHandler)
    report(str(server.address[1]))

    def stop_when_stdin_closes():
        sys.stdin.read()
        os._exit(0)

    def stop_when_root_goes():
        while os.path.isdir(root):
            time.sleep(0.2)
        os._exit(0)

    watch = stop_when_root_goes if len(sys.argv) > 2 else stop_when_stdin_closes
    threading.Thread(target=watch, daemon=True).start()
    threading.Timer(600, lambda: os._exit(0)).start()
    server.serve_forever(timeout=0.5)


if __name__ == "__main__":
    main()
