"""A small HTTP server for the emulator's tests, on 127.0.0.1 and a free port.

Prints the port, then serves until its standard input closes, or ten minutes.
GET answers "hello" as text/plain; POST answers with the body it received,
upper-cased; any path starting /missing answers 404.
"""
import http.server
import sys
import threading


class Handler(http.server.BaseHTTPRequestHandler):
    def answer(self, status, body):
        self.send_response(status)
        self.send_header("Content-Type", "text/plain")
        self.send_header("Content-Length", str(len(body)))
        self.end_headers()
        if self.command != "HEAD":
            self.wfile.write(body)

    def do_GET(self):
        if self.path.startswith("/missing"):
            self.answer(404, b"not here")
        else:
            self.answer(200, b"hello")

    def do_HEAD(self):
        self.do_GET()

    def do_POST(self):
        length = int(self.headers.get("Content-Length", "0"))
        self.answer(200, self.rfile.read(length).upper())

    def log_message(self, format, *args):
        pass


def main():
    server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), Handler)
    threading.Thread(target=server.serve_forever, daemon=True).start()
    print(server.server_address[1], flush=True)
    stopper = threading.Thread(target=sys.stdin.read, daemon=True)
    stopper.start()
    stopper.join(600)
    server.shutdown()


if __name__ == "__main__":
    main()
