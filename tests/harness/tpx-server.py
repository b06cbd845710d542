#!/usr/bin/env python3
"""A stand-in print-accounting server for the tests: HTTPS on a free loopback
port with a throw-away CA, steered through standard input, reporting through
standard output.

    tpx-server.py DIR

DIR (created when missing) receives the throw-away CA (DIR/ca.pem) and the
server's key and certificate for 127.0.0.1 (and no other name). Every line on
standard output is one JSON object:

    {"event": "ready", "port": N, "ca": "DIR/ca.pem"}   once, first
    {"event": "ok", "id": ID}                            a command was taken
    {"event": "request", "method": ..., "path": ...,
     "headers": [[name, value], ...], "body": BASE64}    a request came in
    {"event": "handshake-failed", "reason": ...}         a TLS handshake failed
    {"event": "cut-off", "sent": N}                      the client closed the
                                                         connection while a reply
                                                         was still being sent

Every line on standard input is a command, a JSON object with an "id" that
the "ok" answer repeats:

    {"cmd": "reply", "reply": R}    the next request without a queued reply gets R
    {"cmd": "default", "reply": R}  requests with no queued reply get R
    {"cmd": "release", "name": N}   lets the replies held under N go
    {"cmd": "clear"}                drops the queued replies, back to the default,
                                    and ends the endless replies still flowing
    {"cmd": "quit"}

A reply R: {"status": 200, "body": TEXT, "pieces": [TEXT, ...],
"pause_ms": 300, "pad_to": N, "chunked": true, "endless": true, "hold": NAME,
"silent": true}. "pieces" sends the body in parts with a pause between them;
"pad_to" fills the body up with blanks to N bytes; "chunked" sends it with
chunked transfer coding instead of a length; "endless" sends the body chunked
and then blanks without end, until the client goes or the next "clear";
"hold" keeps the reply back until NAME is released; "silent" reads the
request and never answers. The default reply is 200 with an empty body.
"""

import base64
import http.server
import json
import os
import socket
import ssl
import subprocess
import sys
import threading
import time

out_lock = threading.Lock()
state_lock = threading.Lock()
queued = []
default_reply = {"status": 200, "body": ""}
releases = {}
stopping = threading.Event()
# Counts the "clear" commands: an endless reply ends at the next one.
generation = [0]


def emit(event):
    with out_lock:
        sys.stdout.write(json.dumps(event) + "\n")
        sys.stdout.flush()


def release_event(name):
    with state_lock:
        return releases.setdefault(name, threading.Event())


def next_reply():
    with state_lock:
        return queued.pop(0) if queued else dict(default_reply)


def openssl(*args):
    subprocess.run(["openssl", *args], check=True, stdout=subprocess.DEVNULL, stderr=subprocess.PIPE)


def make_certificates(folder):
    ca_key = os.path.join(folder, "ca.key")
    ca = os.path.join(folder, "ca.pem")
    key = os.path.join(folder, "server.key")
    request = os.path.join(folder, "server.csr")
    cert = os.path.join(folder, "server.pem")
    extensions = os.path.join(folder, "server.ext")
    openssl("req", "-x509", "-newkey", "ec", "-pkeyopt", "ec_paramgen_curve:prime256v1", "-nodes", "-days", "2",
            "-subj", "/CN=Throw-away test CA", "-keyout", ca_key, "-out", ca,
            "-addext", "basicConstraints=critical,CA:TRUE",
            "-addext", "keyUsage=critical,keyCertSign,cRLSign")
    openssl("req", "-newkey", "ec", "-pkeyopt", "ec_paramgen_curve:prime256v1", "-nodes", "-subj", "/CN=127.0.0.1",
            "-keyout", key, "-out", request)
    with open(extensions, "w") as f:
        f.write("subjectAltName=IP:127.0.0.1\n"
                "basicConstraints=CA:FALSE\n"
                "extendedKeyUsage=serverAuth\n")
    openssl("x509", "-req", "-in", request, "-CA", ca, "-CAkey", ca_key,
            "-CAcreateserial", "-days", "2", "-extfile", extensions, "-out", cert)
    return ca, cert, key


class Handler(http.server.BaseHTTPRequestHandler):
    protocol_version = "HTTP/1.1"

    def log_message(self, *args):
        pass

    def handle_one_request(self):
        try:
            super().handle_one_request()
        except (ConnectionError, ssl.SSLError, socket.timeout):
            self.close_connection = True

    def do_POST(self):
        self.answer()

    def do_GET(self):
        self.answer()

    def answer(self):
        length = int(self.headers.get("Content-Length") or 0)
        body = self.rfile.read(length) if length > 0 else b""
        emit({"event": "request", "method": self.command, "path": self.path,
              "headers": [[k, v] for k, v in self.headers.items()],
              "body": base64.b64encode(body).decode("ascii")})
        reply = next_reply()
        started = generation[0]
        if reply.get("silent"):
            stopping.wait()
            self.close_connection = True
            return
        if reply.get("hold"):
            release_event(reply["hold"]).wait()
        pieces = [p.encode("utf-8") for p in reply.get("pieces") or [reply.get("body", "")]]
        padding = int(reply.get("pad_to", 0)) - sum(len(p) for p in pieces)
        if padding > 0:
            pieces[-1] += b" " * padding
        endless = bool(reply.get("endless"))
        chunked = endless or bool(reply.get("chunked"))
        self.send_response(int(reply.get("status", 200)))
        self.send_header("Content-Type", "application/json; charset=utf-8")
        if chunked:
            self.send_header("Transfer-Encoding", "chunked")
        else:
            self.send_header("Content-Length", str(sum(len(p) for p in pieces)))
        self.end_headers()
        sent = 0
        try:
            for i, piece in enumerate(pieces):
                if i > 0:
                    time.sleep(int(reply.get("pause_ms", 300)) / 1000.0)
                sent += self.send_piece(piece, chunked)
            filler = b" " * 65536
            while endless and not stopping.is_set() and generation[0] == started:
                sent += self.send_piece(filler, True)
            if chunked:
                self.wfile.write(b"0\r\n\r\n")
                self.wfile.flush()
        except (ConnectionError, ssl.SSLError, OSError):
            emit({"event": "cut-off", "sent": sent})
            self.close_connection = True

    def send_piece(self, piece, chunked):
        if chunked and piece:
            self.wfile.write(b"%x\r\n" % len(piece) + piece + b"\r\n")
        elif piece:
            self.wfile.write(piece)
        self.wfile.flush()
        return len(piece)


class Server(http.server.ThreadingHTTPServer):
    daemon_threads = True

    def __init__(self, context):
        super().__init__(("127.0.0.1", 0), Handler)
        self.context = context

    def finish_request(self, request, client_address):
        # The handshake runs in the connection's own thread, so a client that
        # gives up on the certificate holds up nobody else.
        try:
            request.settimeout(10)
            secured = self.context.wrap_socket(request, server_side=True)
        except (ssl.SSLError, OSError) as error:
            emit({"event": "handshake-failed", "reason": str(error)})
            return
        secured.settimeout(None)
        self.RequestHandlerClass(secured, client_address, self)


def serve_commands():
    global default_reply
    for line in sys.stdin:
        line = line.strip()
        if not line:
            continue
        command = json.loads(line)
        kind = command.get("cmd")
        if kind == "reply":
            with state_lock:
                queued.append(command["reply"])
        elif kind == "default":
            with state_lock:
                default_reply = command["reply"]
        elif kind == "clear":
            with state_lock:
                queued.clear()
                default_reply = {"status": 200, "body": ""}
                generation[0] += 1
        elif kind == "release":
            release_event(command["name"]).set()
        elif kind == "quit":
            emit({"event": "ok", "id": command.get("id")})
            break
        emit({"event": "ok", "id": command.get("id")})
    stopping.set()


def main():
    if len(sys.argv) != 2:
        sys.stderr.write("usage: tpx-server.py DIR\n")
        return 2
    folder = os.path.abspath(sys.argv[1])
    os.makedirs(folder, exist_ok=True)
    ca, cert, key = make_certificates(folder)
    context = ssl.SSLContext(ssl.PROTOCOL_TLS_SERVER)
    context.load_cert_chain(cert, key)
    server = Server(context)
    thread = threading.Thread(target=server.serve_forever, daemon=True)
    thread.start()
    emit({"event": "ready", "port": server.server_address[1], "ca": ca})
    serve_commands()
    server.shutdown()
    return 0


if __name__ == "__main__":
    sys.exit(main())
