#!/usr/bin/env python3
"""A small HTTP server on 127.0.0.1 for the version-check tests.

    http_server.py start STATE_DIR   # detaches; writes STATE_DIR/port and STATE_DIR/pid
    http_server.py stop STATE_DIR

"start" also empties STATE_DIR/opened, where the tests' stand-in browser
notes down the addresses it is given.

Paths it answers (everything else gets a 404 page):
    /page/<status>/<hex>[/<anything>]   the bytes <hex> with that status
    /big/<size>/<hex>[/<anything>]      <hex>, then 'x' up to <size> bytes, status 200
    /log                                one line per earlier request:
                                        method, path, version, User-Agent, Accept
                                        separated by tabs
Only loopback is ever bound.
"""
import http.server
import os
import signal
import sys
import threading
import time

LOG = []
LOG_LOCK = threading.Lock()


class Handler(http.server.BaseHTTPRequestHandler):
    protocol_version = "HTTP/1.0"

    def log_message(self, *args):
        pass

    def send_body(self, status, body, total=None):
        self.send_response(status)
        self.send_header("Content-Type", "text/html")
        self.send_header("Content-Length", str(total if total is not None else len(body)))
        self.end_headers()
        self.wfile.write(body)

    def do_GET(self):
        parts = self.path.split("/")
        if self.path != "/log":
            with LOG_LOCK:
                LOG.append("\t".join([self.command, self.path, self.request_version,
                                      self.headers.get("User-Agent", ""),
                                      self.headers.get("Accept", "")]))
        try:
            if self.path == "/log":
                with LOG_LOCK:
                    text = "".join(line + "\n" for line in LOG)
                self.send_body(200, text.encode("utf-8"))
            elif len(parts) >= 4 and parts[1] == "page":
                self.send_body(int(parts[2]), bytes.fromhex(parts[3]))
            elif len(parts) >= 4 and parts[1] == "big":
                size = int(parts[2])
                head = bytes.fromhex(parts[3])
                self.send_response(200)
                self.send_header("Content-Type", "text/html")
                self.send_header("Content-Length", str(size))
                self.end_headers()
                self.wfile.write(head)
                left = size - len(head)
                chunk = b"x" * 65536
                while left > 0:
                    n = min(left, len(chunk))
                    self.wfile.write(chunk[:n])
                    left -= n
            else:
                self.send_body(404, b"<html><body>not found</body></html>")
        except (BrokenPipeError, ConnectionResetError):
            pass  # the client stopped reading on purpose


def serve(state_dir):
    server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), Handler)
    server.daemon_threads = True
    with open(os.path.join(state_dir, "port.tmp"), "w") as f:
        f.write(str(server.server_address[1]))
    os.replace(os.path.join(state_dir, "port.tmp"), os.path.join(state_dir, "port"))
    server.serve_forever()


def stop(state_dir):
    pid_file = os.path.join(state_dir, "pid")
    try:
        with open(pid_file) as f:
            pid = int(f.read())
        os.kill(pid, signal.SIGTERM)
    except (OSError, ValueError):
        pass
    for name in ("pid", "port", "opened"):
        try:
            os.remove(os.path.join(state_dir, name))
        except OSError:
            pass


def start(state_dir):
    os.makedirs(state_dir, exist_ok=True)
    stop(state_dir)
    pid = os.fork()
    if pid == 0:
        # Detached from ctest's pipes, or ctest would wait for the server.
        os.setsid()
        devnull = os.open(os.devnull, os.O_RDWR)
        for fd in (0, 1, 2):
            os.dup2(devnull, fd)
        try:
            serve(state_dir)
        finally:
            os._exit(0)
    with open(os.path.join(state_dir, "pid"), "w") as f:
        f.write(str(pid))
    for _ in range(200):
        if os.path.exists(os.path.join(state_dir, "port")):
            return 0
        time.sleep(0.025)
    print("http_server.py: the server did not start", file=sys.stderr)
    return 1


if __name__ == "__main__":
    if len(sys.argv) != 3 or sys.argv[1] not in ("start", "stop"):
        print(__doc__, file=sys.stderr)
        sys.exit(2)
    if sys.argv[1] == "start":
        sys.exit(start(sys.argv[2]))
    stop(sys.argv[2])
