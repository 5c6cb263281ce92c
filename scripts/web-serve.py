#!/usr/bin/env python3
"""Serves a folder of vxtools web pages on localhost with the two headers that
make a page cross-origin isolated (WebAssembly threads need it).

  web-serve.py DIR [--port N] [--plain]

--plain leaves the headers out, as a static host that cannot set them does
(the pages' service worker adds them then). Port 0 picks a free port; the
URL is printed on the first line of standard output."""
import argparse
import functools
import http.server
import sys


class Handler(http.server.SimpleHTTPRequestHandler):
    isolate = True
    extensions_map = {**http.server.SimpleHTTPRequestHandler.extensions_map,
                      '.wasm': 'application/wasm', '.js': 'text/javascript'}

    def end_headers(self):
        if self.isolate:
            self.send_header('Cross-Origin-Opener-Policy', 'same-origin')
            self.send_header('Cross-Origin-Embedder-Policy', 'require-corp')
        self.send_header('Cache-Control', 'no-cache')
        super().end_headers()

    def log_message(self, format, *args):
        pass


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument('folder')
    parser.add_argument('--port', type=int, default=8080)
    parser.add_argument('--plain', action='store_true', help='without the isolation headers')
    args = parser.parse_args()
    Handler.isolate = not args.plain
    handler = functools.partial(Handler, directory=args.folder)
    server = http.server.ThreadingHTTPServer(('127.0.0.1', args.port), handler)
    print(f'http://localhost:{server.server_address[1]}/', flush=True)
    try:
        server.serve_forever()
    except KeyboardInterrupt:
        sys.exit(0)


if __name__ == '__main__':
    main()
