"""A mail server for the tests: receives on 127.0.0.1 and keeps each message.

Usage: smtp_sink.py FOLDER [--refuse ADDRESS]
                    [--tls CERT KEY | --smtps CERT KEY] [--login USER PASSWORD]

Writes the port it listens on to FOLDER/port once it accepts connections, and
each message to FOLDER/NNN.from, NNN.to (one recipient a line) and NNN.data
(the bytes after DATA, dot-stuffing undone). With --tls it offers STARTTLS and
requires it; with --smtps the connection is secure from its first byte. With
--login it requires a log-in (PLAIN or LOGIN) with the user and password given.
It ends by itself after 600 seconds, when the test that started it is gone, or
when FOLDER/stop appears.
"""
import argparse
import os
import socket
import ssl
import sys
import time

from aiosmtpd.controller import Controller
from aiosmtpd.smtp import AuthResult

LIFETIME_SECONDS = 600


def free_port():
    with socket.socket() as probe:
        probe.bind(("127.0.0.1", 0))
        return probe.getsockname()[1]


class Sink:
    def __init__(self, folder, refused):
        self.folder = folder
        self.refused = refused
        self.count = 0

    async def handle_RCPT(self, server, session, envelope, address, rcpt_options):
        if self.refused and address == self.refused:
            return "550 5.1.1 No such mailbox here"
        envelope.rcpt_tos.append(address)
        return "250 OK"

    async def handle_DATA(self, server, session, envelope):
        self.count += 1
        base = os.path.join(self.folder, "%03d" % self.count)
        with open(base + ".from", "w") as out:
            out.write(envelope.mail_from)
        with open(base + ".to", "w") as out:
            out.write("\n".join(envelope.rcpt_tos))
        data = envelope.original_content
        with open(base + ".data.part", "wb") as out:
            out.write(data)
        os.rename(base + ".data.part", base + ".data")
        return "250 Message accepted"


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("folder")
    parser.add_argument("--refuse")
    parser.add_argument("--tls", nargs=2)
    parser.add_argument("--smtps", nargs=2)
    parser.add_argument("--login", nargs=2)
    args = parser.parse_args()

    kwargs = {}
    keys = args.tls or args.smtps
    if keys:
        context = ssl.create_default_context(ssl.Purpose.CLIENT_AUTH)
        context.load_cert_chain(keys[0], keys[1])
        if args.tls:
            kwargs = dict(tls_context=context, require_starttls=True)
        else:
            kwargs = dict(ssl_context=context)
    if args.login:
        user, password = args.login
        expected = (user.encode(), password.encode())

        def authenticate(server, session, envelope, mechanism, auth_data):
            given = (auth_data.login, auth_data.password)
            return AuthResult(success=given == expected)

        # aiosmtpd counts only STARTTLS as secure: over --smtps it would never
        # offer AUTH, though the connection is secure from the start.
        kwargs.update(authenticator=authenticate, auth_required=True,
                      auth_require_tls=not args.smtps)
    for attempt in range(5):
        port = free_port()
        controller = Controller(Sink(args.folder, args.refuse), hostname="127.0.0.1",
                                port=port, **kwargs)
        try:
            controller.start()
            break
        except Exception:
            if attempt == 4:
                raise
    with open(os.path.join(args.folder, "port.part"), "w") as out:
        out.write(str(port))
    os.rename(os.path.join(args.folder, "port.part"), os.path.join(args.folder, "port"))
    end = time.monotonic() + LIFETIME_SECONDS
    stop = os.path.join(args.folder, "stop")
    parent = os.getppid()
    while (time.monotonic() < end and not os.path.exists(stop)
           and os.getppid() == parent):
        time.sleep(0.05)
    controller.stop()
    return 0


if __name__ == "__main__":
    sys.exit(main())
