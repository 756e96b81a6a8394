"""Serves a folder over HTTP on 127.0.0.1 with python3's http.server, for the web page.

Usage: python3 scripts/web_serve.py <port> <folder>

Unlike `python3 -m http.server` it keeps each connection open for the next request (HTTP/1.1)
and sends every reply at once: the page fetches a hundred small pictures at its start, and a
new connection for each, or a reply held back by the system's small-packet delay, would cost
the start more than all the rest.
"""
import functools
import http.server
import sys


class Handler(http.server.SimpleHTTPRequestHandler):
    protocol_version = "HTTP/1.1"
    disable_nagle_algorithm = True

    def log_message(self, format, *args):
        pass


class Server(http.server.ThreadingHTTPServer):
    daemon_threads = True

    def handle_error(self, request, client_address):
        # A browser that closes a kept-open connection, or leaves a page while its pictures
        # come, is no error of the server's.
        if isinstance(sys.exc_info()[1], (ConnectionResetError, BrokenPipeError)):
            return
        super().handle_error(request, client_address)


def main():
    port, folder = int(sys.argv[1]), sys.argv[2]
    handler = functools.partial(Handler, directory=folder)
    server = Server(("127.0.0.1", port), handler)
    print(f"serving at http://127.0.0.1:{port}/", flush=True)
    server.serve_forever()


if __name__ == "__main__":
    main()
