#!/usr/bin/python3
"""Serves a page folder on loopback, as a static host would, with the types a
browser insists on: WebAssembly for streaming compilation, JavaScript for the
service worker, and the manifest's own.

    serve.py FOLDER PORT
"""
import functools
import http.server
import sys


class Handler(http.server.SimpleHTTPRequestHandler):
    extensions_map = {**http.server.SimpleHTTPRequestHandler.extensions_map, ".wasm": "application/wasm",
                      ".js": "text/javascript", ".webmanifest": "application/manifest+json"}


folder, port = sys.argv[1], int(sys.argv[2])
server = http.server.ThreadingHTTPServer(("127.0.0.1", port), functools.partial(Handler, directory=folder))
try:
    server.serve_forever()
except KeyboardInterrupt:
    pass
