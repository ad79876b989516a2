"""A scripted HTTP server on 127.0.0.1 for the updater's end-to-end test: each test sets the
routes it needs, and the server records every request it was sent.

A route can answer with any status, announce a length other than the body's, break the
connection off after some bytes, send slowly, or hold its answer until the test releases it.
"""
import http.server
import threading
import time
import urllib.parse


class Route:
    def __init__(self, body=b"", status=200, length=None, cut=None, delay=0.0, gate=None):
        self.body = body
        self.status = status
        self.length = len(body) if length is None else length
        self.cut = cut          # bytes sent before the connection is dropped
        self.delay = delay      # seconds between blocks of 64 KiB
        self.gate = gate        # a threading.Event the answer waits for


class _Handler(http.server.BaseHTTPRequestHandler):
    def do_GET(self):
        server = self.server.owner
        path, _, query = self.path.partition("?")
        path = urllib.parse.unquote(path)
        with server.lock:
            server.requests.append((path, urllib.parse.parse_qs(query, keep_blank_values=True)))
            route = server.routes.get(path)
        if route is None:
            self.send_error(404)
            return
        if route.gate is not None:
            route.gate.wait(120)
        try:
            self._answer(route)
        except (BrokenPipeError, ConnectionResetError):
            pass  # the updater hung up, as it does when cancelled or when a body runs long

    def _answer(self, route):
        self.send_response(route.status)
        self.send_header("Content-Type", "application/octet-stream")
        self.send_header("Content-Length", str(route.length))
        self.end_headers()
        body = route.body if route.cut is None else route.body[:route.cut]
        for start in range(0, len(body), 65536):
            self.wfile.write(body[start:start + 65536])
            self.wfile.flush()
            if route.delay:
                time.sleep(route.delay)
        self.close_connection = True

    def log_message(self, *args):
        pass


class UpdateServer:
    def __init__(self):
        self.lock = threading.Lock()
        self.routes = {}
        self.requests = []
        self._httpd = http.server.ThreadingHTTPServer(("127.0.0.1", 0), _Handler)
        self._httpd.daemon_threads = True
        self._httpd.owner = self
        self._thread = threading.Thread(target=self._httpd.serve_forever, daemon=True)
        self._thread.start()

    def url(self, path=""):
        return f"http://127.0.0.1:{self._httpd.server_address[1]}{path}"

    def reset(self, routes=None):
        with self.lock:
            self.routes = dict(routes or {})
            self.requests = []

    def paths(self):
        with self.lock:
            return [path for path, _ in self.requests]

    def stop(self):
        self._httpd.shutdown()
        self._httpd.server_close()
