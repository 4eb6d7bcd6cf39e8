#!/usr/bin/env python3
"""A small web server for the tests, on 127.0.0.1 only, with the answers the tests need.

    http_test_server.py [--lifetime S] [--file URLPATH=LOCALPATH]... [--root FOLDER] -- COMMAND...

Runs COMMAND with QX_TEST_SITE set to the server's root address (http://127.0.0.1:PORT/)
and QX_TEST_TLS_SITE to the root of its TLS side (https://localhost:PORT2/, the same answers
over TLS), stops serving when COMMAND ends and exits with its exit code. COMMAND is stopped
after --lifetime seconds (default 600), so the server never outlives a test run. Without a
COMMAND it prints both addresses and serves for --lifetime seconds.

The TLS side shows the self-signed certificate tls/localhost.pem (made for these tests alone,
key beside it: a server's for localhost and 127.0.0.1, which cannot sign others); a client
trusts it only when a test adds it to its own root store.

Paths:
    /text/N          N bytes of numbered lines "000000\\n000001\\n...", with Content-Length
    /bytes/N         N bytes, byte i being i % 251 (NUL bytes included), with Content-Length
    /nolength/N      the bytes of /bytes/N without Content-Length; the connection closes after
    /short/N         announces N bytes of /text/N, sends the first half and closes
    /slow/S/N        waits S seconds (at most 60), then answers like /bytes/N
    /trickle/N       the bytes of /bytes/N, 1024 every tenth of a second (to watch a download)
    /drip/N          the bytes of /bytes/N, with Content-Length, one every second
    /head-drip/N/... the status line, then a header one byte a second for N seconds (at most
                     60), then the end of an empty answer; any path may follow N
    /to-http/S/N     answers S (301, 302, 303, 307 or 308) with a Location of plain http:
                     /text/N of the plain side
    /to-https/N      answers 302 with a Location of https: /text/N of the TLS side
    /to-path/N       answers 302 with the relative Location /text/N (the side asked)
    /hops/K/N        K redirects in a row (relative, 302), then the answer of /text/N
    /tls-cert        the TLS side's certificate (PEM)
    /stamp           "answer K" for the K-th request of it, which the client may cache for an hour
    /endless         bytes without Content-Length until the client hangs up (64 MiB at most)
    /soft/           a small page (the server's folder that the reachability probe opens)
    a --file path    that file's bytes
    a --root file    a file under the --root folder, by its path there (looked at first)
    anything else    404 with a small HTML page
"""

import argparse
import http.server
import os
import ssl
import subprocess
import sys
import threading
import time

MAX_BODY = 64 * 1024 * 1024
TLS_FILES = os.path.join(os.path.dirname(os.path.abspath(__file__)), "tls", "localhost")


def text_body(n):
    lines = (b"%06d\n" % i for i in range(n // 7 + 1))
    return b"".join(lines)[:n]


def byte_body(n):
    return bytes(i % 251 for i in range(n))


class Handler(http.server.BaseHTTPRequestHandler):
    # HTTP/1.0: one answer per connection, so a body without Content-Length ends with it.
    protocol_version = "HTTP/1.0"
    files = {}
    stamps = 0
    root = None  # --root: a folder whose files are served under their own paths
    sites = {}  # "http" and "https": each side's host and port

    def setup(self):
        # The TLS side shakes hands here, in the request's own thread, so that a client that
        # never does holds up no one else.
        if isinstance(self.request, ssl.SSLSocket):
            self.request.settimeout(30)
            self.request.do_handshake()
        super().setup()

    def log_message(self, *args):
        pass

    def answer(self, body, status=200, length=True, sent=None, pause=0, step=1024, headers=()):
        self.send_response(status)
        self.send_header("Content-Type", "application/octet-stream")
        for name, value in headers:
            self.send_header(name, value)
        if length:
            self.send_header("Content-Length", str(len(body)))
        self.end_headers()
        body = body if sent is None else body[:sent]
        step = step if pause else max(len(body), 1)
        for start in range(0, len(body), step):
            self.wfile.write(body[start:start + step])
            self.wfile.flush()
            time.sleep(pause)

    def head_drip(self, seconds):
        self.wfile.write(b"HTTP/1.0 200 OK\r\nX-Drip: ")
        self.wfile.flush()
        for _ in range(min(seconds, 60)):
            time.sleep(1)
            self.wfile.write(b"a")
            self.wfile.flush()
        self.wfile.write(b"\r\nContent-Length: 0\r\n\r\n")

    def redirect(self, status, location):
        self.answer(b"moved\n", status=status, headers=[("Location", location)])

    def not_found(self):
        self.answer(b"<html><body><h1>404 Not Found</h1></body></html>\n", status=404)

    def do_GET(self):
        parts = self.path.split("?")[0].strip("/").split("/")
        try:
            numbers = [int(p) for p in parts[1:]]
        except ValueError:
            numbers = None
        size = numbers[-1] if numbers else -1
        kind = parts[0]
        in_root = self.root and os.path.join(self.root, *self.path.split("?")[0].strip("/").split("/"))
        if in_root and os.path.isfile(in_root):
            with open(in_root, "rb") as f:
                self.answer(f.read())
        elif self.path.lstrip("/") in self.files:
            with open(self.files[self.path.lstrip("/")], "rb") as f:
                self.answer(f.read())
        elif self.path == "/tls-cert":
            with open(TLS_FILES + ".pem", "rb") as f:
                self.answer(f.read())
        elif self.path == "/soft/":
            self.answer(b"<html><body>soft</body></html>\n")
        elif self.path == "/stamp":
            Handler.stamps += 1
            self.answer(b"answer %d\n" % Handler.stamps,
                        headers=[("Cache-Control", "public, max-age=3600"),
                                 ("Last-Modified", "Mon, 01 Jan 2024 00:00:00 GMT")])
        elif self.path == "/endless":
            self.answer(b"", length=False)  # the headers; the body follows
            piece = byte_body(64 * 1024)
            for _ in range(MAX_BODY // len(piece)):
                self.wfile.write(piece)
        elif kind == "head-drip" and len(parts) > 1 and parts[1].isdigit():
            self.head_drip(int(parts[1]))
        elif not numbers or not 0 <= size <= MAX_BODY:
            self.not_found()
        elif kind == "text" and len(numbers) == 1:
            self.answer(text_body(size))
        elif kind == "bytes" and len(numbers) == 1:
            self.answer(byte_body(size))
        elif kind == "nolength" and len(numbers) == 1:
            self.answer(byte_body(size), length=False)
        elif kind == "short" and len(numbers) == 1:
            self.answer(text_body(size), sent=size // 2)
        elif kind == "trickle" and len(numbers) == 1:
            self.answer(byte_body(size), pause=0.1)
        elif kind == "drip" and len(numbers) == 1:
            self.answer(byte_body(size), pause=1, step=1)
        elif kind == "to-http" and len(numbers) == 2 and numbers[0] in (301, 302, 303, 307, 308):
            self.redirect(numbers[0], "http://%s/text/%d" % (self.sites["http"], size))
        elif kind == "to-https" and len(numbers) == 1:
            self.redirect(302, "https://%s/text/%d" % (self.sites["https"], size))
        elif kind == "to-path" and len(numbers) == 1:
            self.redirect(302, "/text/%d" % size)
        elif kind == "hops" and len(numbers) == 2 and numbers[0] == 0:
            self.answer(text_body(size))
        elif kind == "hops" and len(numbers) == 2:
            self.redirect(302, "/hops/%d/%d" % (numbers[0] - 1, size))
        elif kind == "slow" and len(numbers) == 2:
            time.sleep(min(numbers[0], 60))
            self.answer(byte_body(size))
        else:
            self.not_found()


class Server(http.server.ThreadingHTTPServer):
    daemon_threads = True

    def handle_error(self, request, client_address):
        pass  # a client that gave up (a test of time-outs) is no error of the server


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    parser.add_argument("--lifetime", type=float, default=600)
    parser.add_argument("--file", action="append", default=[], metavar="URLPATH=LOCALPATH")
    parser.add_argument("--root", metavar="FOLDER", help="also serve the files under FOLDER")
    parser.add_argument("command", nargs=argparse.REMAINDER)
    args = parser.parse_args()
    Handler.root = args.root
    for item in args.file:
        url, _, local = item.partition("=")
        Handler.files[url.lstrip("/")] = local
    command = args.command[1:] if args.command[:1] == ["--"] else args.command

    server = Server(("127.0.0.1", 0), Handler)
    tls_server = Server(("127.0.0.1", 0), Handler)
    context = ssl.SSLContext(ssl.PROTOCOL_TLS_SERVER)
    context.load_cert_chain(TLS_FILES + ".pem", TLS_FILES + ".key")
    tls_server.socket = context.wrap_socket(tls_server.socket, server_side=True,
                                            do_handshake_on_connect=False)
    Handler.sites = {"http": "127.0.0.1:%d" % server.server_address[1],
                     "https": "localhost:%d" % tls_server.server_address[1]}
    root = "http://%s/" % Handler.sites["http"]
    tls_root = "https://%s/" % Handler.sites["https"]
    for s in (server, tls_server):
        threading.Thread(target=s.serve_forever, daemon=True).start()
    try:
        if not command:
            print(root, tls_root, flush=True)
            time.sleep(args.lifetime)
            return 0
        env = dict(os.environ, QX_TEST_SITE=root, QX_TEST_TLS_SITE=tls_root)
        try:
            return subprocess.run(command, env=env, timeout=args.lifetime).returncode
        except subprocess.TimeoutExpired:
            print("http_test_server: %s still ran after %g s; stopped" % (command[0], args.lifetime),
                  file=sys.stderr)
            return 124
    finally:
        for s in (server, tls_server):
            s.shutdown()
            s.server_close()


if __name__ == "__main__":
    sys.exit(main())
