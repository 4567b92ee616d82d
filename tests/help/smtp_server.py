#!/usr/bin/python3
"""A mail server on 127.0.0.1 for the log-mail tests.

Accepts one account (AUTH PLAIN/LOGIN); with --cert/--key it offers STARTTLS and requires it
before AUTH, and with --implicit as well it speaks TLS from the first byte instead (as on port 465).
Every login it is given, right or wrong, adds a line to OUT/auth.txt. Every message received is written to OUT/<n>/: the raw message (message.eml), the
envelope and headers (meta.txt, "key<TAB>value" lines), the decoded text body (body.txt) and each
attachment decoded under its own name inside attachments/, their order in attachments.txt.
The chosen port is written to PORTFILE once the server listens; the server runs until killed or
until its standard input closes.
"""
import argparse
import email
import email.policy
import email.header
import email.utils
import os
import socket
import ssl
import sys

from aiosmtpd.controller import Controller
from aiosmtpd.smtp import AuthResult, LoginPassword


def free_port():
    with socket.socket() as s:
        s.bind(("127.0.0.1", 0))
        return s.getsockname()[1]


class Handler:
    def __init__(self, out):
        self.out = out
        self.count = 0
        self.logins = {}

    async def handle_DATA(self, server, session, envelope):
        self.count += 1
        folder = os.path.join(self.out, str(self.count))
        os.makedirs(os.path.join(folder, "attachments"), exist_ok=True)
        raw = envelope.original_content or envelope.content
        with open(os.path.join(folder, "message.eml"), "wb") as f:
            f.write(raw)
        msg = email.message_from_bytes(raw, policy=email.policy.compat32)
        try:
            date_ok = email.utils.parsedate_to_datetime(msg.get("Date", "")) is not None
        except (TypeError, ValueError):
            date_ok = False
        meta = {
            "date_ok": "1" if date_ok else "0",
            "mail_from": envelope.mail_from,
            "rcpt": ",".join(envelope.rcpt_tos),
            "tls": "1" if server.transport.get_extra_info("ssl_object") is not None else "0",
            "auth": self.logins.get(id(session), ""),
            "subject": msg.get("Subject", ""),
            "from": msg.get("From", ""),
            "from_decoded": str(email.header.make_header(email.header.decode_header(msg.get("From", "")))),
            "to": msg.get("To", ""),
            "content_type": msg.get_content_type(),
        }
        names = []
        for part in msg.walk():
            if part.is_multipart():
                continue
            name = part.get_filename()
            data = part.get_payload(decode=True) or b""
            if name:
                names.append(name)
                with open(os.path.join(folder, "attachments", os.path.basename(name)), "wb") as f:
                    f.write(data)
            elif part.get_content_type() == "text/plain":
                with open(os.path.join(folder, "body.txt"), "wb") as f:
                    f.write(data)
        with open(os.path.join(folder, "attachments.txt"), "w") as f:
            f.write("".join(n + "\n" for n in names))
        with open(os.path.join(folder, "meta.txt"), "w") as f:
            f.write("".join("%s\t%s\n" % (k, " ".join(str(v).split())) for k, v in meta.items()))
        with open(os.path.join(self.out, "received"), "w") as f:
            f.write(str(self.count))
        return "250 OK"


def main():
    p = argparse.ArgumentParser()
    p.add_argument("--port-file", required=True)
    p.add_argument("--out", required=True)
    p.add_argument("--user", required=True)
    p.add_argument("--password", required=True)
    p.add_argument("--cert")
    p.add_argument("--key")
    p.add_argument("--implicit", action="store_true")
    a = p.parse_args()

    handler = Handler(a.out)

    def authenticator(server, session, envelope, mechanism, auth_data):
        ok = (isinstance(auth_data, LoginPassword) and auth_data.login.decode() == a.user
              and auth_data.password.decode() == a.password)
        if ok:
            handler.logins[id(session)] = a.user
        login = getattr(auth_data, "login", b"").decode(errors="replace")
        with open(os.path.join(a.out, "auth.txt"), "a") as f:
            f.write("%s\t%s\n" % (login, "ok" if ok else "refused"))
        return AuthResult(success=ok, handled=False)

    kwargs = dict(authenticator=authenticator, auth_required=True, auth_require_tls=False)
    if a.cert:
        ctx = ssl.create_default_context(ssl.Purpose.CLIENT_AUTH)
        ctx.load_cert_chain(a.cert, a.key)
        if a.implicit:
            kwargs.update(ssl_context=ctx)
        else:
            kwargs.update(tls_context=ctx, require_starttls=True, auth_require_tls=True)
    port = free_port()
    controller = Controller(handler, hostname="127.0.0.1", port=port, **kwargs)
    controller.start()
    tmp = a.port_file + ".tmp"
    with open(tmp, "w") as f:
        f.write(str(port))
    os.rename(tmp, a.port_file)
    try:
        sys.stdin.read()
    finally:
        controller.stop()


if __name__ == "__main__":
    main()
