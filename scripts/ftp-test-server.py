#!/usr/bin/env python3
"""A local FTP (or FTPS) server for trying and testing uploads.

Serves --root on 127.0.0.1 for the user "web" (password "web"); "reader"
(password "reader") may only read; each --open-login takes any password. Prints "PORT <n>" once it listens, so a
caller that asked for port 0 learns the port it got. Every command the
server receives is appended to --log. The server ends by itself after
--lifetime seconds, so a test that dies cannot leave it behind.

    scripts/ftp-test-server.py --root build/ftp-site --port 2121
"""

import argparse
import logging
import os
import sys
import threading

try:
    from pyftpdlib.authorizers import DummyAuthorizer
    from pyftpdlib.handlers import FTPHandler, TLS_FTPHandler
    from pyftpdlib.log import config_logging
    from pyftpdlib.servers import FTPServer
except ImportError:  # an interpreter without the package: let the caller say so
    print("NO-PYFTPDLIB", flush=True)
    sys.exit(77)


def parse_arguments():
    parser = argparse.ArgumentParser()
    parser.add_argument("--root", required=True)
    parser.add_argument("--port", type=int, default=2121)
    parser.add_argument("--log", help="file that collects the commands received")
    parser.add_argument("--tls-cert",
                        help="PEM file with certificate and key: FTPS (made when missing)")
    parser.add_argument("--refuse-active", action="store_true",
                        help="refuse PORT and EPRT, as a firewall would")
    parser.add_argument("--drop-after", type=int, default=0,
                        help="close the connection after this many bytes of a file")
    parser.add_argument("--stall-stor", action="store_true",
                        help="never answer STOR")
    parser.add_argument("--open-login", action="append", default=[],
                        help="a login that any password opens, such as an example project's")
    parser.add_argument("--lifetime", type=float, default=0,
                        help="seconds after which the server ends itself")
    return parser.parse_args()


def make_certificate(path):
    """A self-signed certificate for 127.0.0.1 and its key, in one PEM file."""
    import datetime
    import ipaddress
    from cryptography import x509
    from cryptography.hazmat.primitives import hashes, serialization
    from cryptography.hazmat.primitives.asymmetric import ec
    from cryptography.x509.oid import NameOID

    key = ec.generate_private_key(ec.SECP256R1())
    name = x509.Name([x509.NameAttribute(NameOID.COMMON_NAME, "127.0.0.1")])
    now = datetime.datetime.now(datetime.timezone.utc)
    certificate = (
        x509.CertificateBuilder()
        .subject_name(name).issuer_name(name).public_key(key.public_key())
        .serial_number(x509.random_serial_number())
        .not_valid_before(now - datetime.timedelta(days=1))
        .not_valid_after(now + datetime.timedelta(days=30))
        .add_extension(x509.SubjectAlternativeName(
            [x509.IPAddress(ipaddress.ip_address("127.0.0.1"))]), critical=False)
        .add_extension(x509.BasicConstraints(ca=True, path_length=None), critical=True)
        .sign(key, hashes.SHA256()))
    with open(path, "wb") as out:
        out.write(certificate.public_bytes(serialization.Encoding.PEM))
        out.write(key.private_bytes(serialization.Encoding.PEM,
                                    serialization.PrivateFormat.PKCS8,
                                    serialization.NoEncryption()))


def tls_context(cert_file):
    # pyftpdlib's data channels fail the TLS 1.3 handshake; 1.2 is enough
    # for a server that exists to be tested against.
    from OpenSSL import SSL
    context = SSL.Context(SSL.TLS_SERVER_METHOD)
    context.set_options(SSL.OP_NO_SSLv2 | SSL.OP_NO_SSLv3 | SSL.OP_NO_TLSv1_3)
    context.use_certificate_chain_file(cert_file)
    context.use_privatekey_file(cert_file)
    return context


def make_handler(options):
    base = TLS_FTPHandler if options.tls_cert else FTPHandler

    class Handler(base):
        def pre_process_command(self, line, cmd, arg):
            if options.log:
                with open(options.log, "a", encoding="utf-8") as log:
                    log.write(cmd + (" " + arg if arg else "") + "\n")
            if options.refuse_active and cmd in ("PORT", "EPRT"):
                self.respond("500 Active mode is not allowed here.")
                return
            if options.stall_stor and cmd == "STOR":
                return
            super().pre_process_command(line, cmd, arg)

    if options.tls_cert:
        from pyftpdlib.handlers import TLS_DTPHandler

        class HandshakingDTP(TLS_DTPHandler):
            # A client that starts the data channel's TLS handshake before
            # sending STOR would otherwise be taken for one that hung up.
            def readable(self):
                return self._ssl_accepting or super().readable()

        Handler.certfile = options.tls_cert
        Handler.ssl_context = tls_context(options.tls_cert)
        Handler.dtp_handler = HandshakingDTP
        Handler.tls_control_required = True
        Handler.tls_data_required = True
    if options.drop_after:
        from pyftpdlib.handlers import DTPHandler

        class DroppingDTP(DTPHandler):
            def handle_read(self):
                super().handle_read()
                if self.tot_bytes_received >= options.drop_after:
                    self.cmd_channel.close()

            handle_read_event = handle_read  # the base class binds its own

        Handler.dtp_handler = DroppingDTP
    Handler.permit_foreign_addresses = False
    Handler.use_sendfile = False
    return Handler


class Authorizer(DummyAuthorizer):
    def __init__(self, open_logins):
        super().__init__()
        self.open_logins = set(open_logins)

    def validate_authentication(self, username, password, handler):
        if username in self.open_logins:
            return
        super().validate_authentication(username, password, handler)


def main():
    options = parse_arguments()
    os.makedirs(options.root, exist_ok=True)
    if options.tls_cert and not os.path.exists(options.tls_cert):
        make_certificate(options.tls_cert)
    authorizer = Authorizer(options.open_login)
    authorizer.add_user("web", "web", options.root, perm="elradfmwMT")
    for login in options.open_login:
        authorizer.add_user(login, "", options.root, perm="elradfmwMT")
    authorizer.add_user("reader", "reader", options.root, perm="elr")
    handler = make_handler(options)
    handler.authorizer = authorizer
    handler.banner = "Tagwright test server ready."
    config_logging(level=logging.WARNING)
    server = FTPServer(("127.0.0.1", options.port), handler)
    print("PORT %d" % server.address[1], flush=True)
    logins = ", ".join(["web (password web)"] + [l + " (any password)" for l in options.open_login])
    print("Serving %s as ftp%s://127.0.0.1:%d for %s; Ctrl+C ends it."
          % (options.root, "s" if options.tls_cert else "", server.address[1], logins),
          file=sys.stderr)
    if options.lifetime > 0:
        timer = threading.Timer(options.lifetime, lambda: os._exit(0))
        timer.daemon = True
        timer.start()
    server.serve_forever(handle_exit=False)


if __name__ == "__main__":
    main()
