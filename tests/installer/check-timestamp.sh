#!/usr/bin/env bash
# A release's time stamp: check-timestamp.sh <cmake> <SignFile.cmake> <osslsigncode> <openssl> <a DLL>
# Signs a copy of the DLL as the build does with CW_SIGN_TIMESTAMP_URL naming a time-stamping server of the
# test's own (RFC 3161, answered by openssl ts on this machine); the signature then carries a time stamp that
# verifies. With the server gone, signing fails and leaves the file as it was: no release goes out unstamped.
set -uo pipefail
cmake=$1 sign_file=$2 osslsigncode=$3 openssl=$4 dll=$5
work=$(mktemp -d)
trap 'kill "${server:-}" 2>/dev/null; rm -rf "$work"' EXIT
failures=0
fail() { echo "FAILED: $*"; failures=$((failures + 1)); }
certificate() { # name, extended key usage
  "$openssl" req -x509 -newkey rsa:2048 -nodes -days 2 -subj "/CN=$1" -addext "extendedKeyUsage=critical,$2" \
    -keyout "$work/$1-key.pem" -out "$work/$1.pem" >/dev/null 2>&1
}
certificate signer codeSigning && certificate tsa timeStamping || { echo "openssl failed"; exit 1; }
echo password >"$work/password"
"$openssl" pkcs12 -export -inkey "$work/signer-key.pem" -in "$work/signer.pem" -passout "file:$work/password" \
  -out "$work/signer.pfx"
echo 01 >"$work/serial"
printf '[tsa]\ndefault_tsa=t\n[t]\nserial=%s\nsigner_cert=%s\nsigner_key=%s\nsigner_digest=sha256\ndefault_policy=1.2.3.4.1\ndigests=sha256\n' \
  "$work/serial" "$work/tsa.pem" "$work/tsa-key.pem" >"$work/tsa.cnf"

python3 - "$openssl" "$work" >"$work/port" <<'SERVER' &
import http.server, subprocess, sys
openssl, work = sys.argv[1:]
class TimeStamps(http.server.BaseHTTPRequestHandler):
    def do_POST(self):
        with open(work + "/query.tsq", "wb") as query: query.write(self.rfile.read(int(self.headers["Content-Length"])))
        subprocess.run([openssl, "ts", "-reply", "-config", work + "/tsa.cnf", "-queryfile", work + "/query.tsq",
                        "-out", work + "/reply.tsr"], check=True, capture_output=True)
        reply = open(work + "/reply.tsr", "rb").read()
        self.send_response(200)
        self.send_header("Content-Type", "application/timestamp-reply")
        self.send_header("Content-Length", str(len(reply)))
        self.end_headers()
        self.wfile.write(reply)
    def log_message(self, *arguments): pass
server = http.server.HTTPServer(("127.0.0.1", 0), TimeStamps)
print(server.server_port, flush=True)
server.serve_forever()
SERVER
server=$!
for _ in $(seq 100); do [ -s "$work/port" ] && break; sleep 0.1; done
url=http://127.0.0.1:$(cat "$work/port")/

sign() {
  "$cmake" -DOSSLSIGNCODE="$osslsigncode" -DPFX="$work/signer.pfx" -DPASSWORD_FILE="$work/password" \
    -DDESCRIPTION=Test -DURL=https://example.invalid/ -DTIMESTAMP_URL="$url" -DFILE="$1" -P "$sign_file"
}
cp "$dll" "$work/stamped.dll"
if ! sign "$work/stamped.dll" >"$work/sign.txt" 2>&1; then fail "signing with a time stamp:"; cat "$work/sign.txt"; fi
"$osslsigncode" verify -CAfile "$work/signer.pem" -TSA-CAfile "$work/tsa.pem" -in "$work/stamped.dll" >"$work/verify.txt" 2>&1 ||
  { fail "the stamped DLL does not verify:"; cat "$work/verify.txt"; }
grep -q 'Timestamp Server Signature verification: ok' "$work/verify.txt" || fail "the signature carries no valid time stamp"

kill "$server"; wait "$server" 2>/dev/null
cp "$dll" "$work/unstamped.dll"
sign "$work/unstamped.dll" >/dev/null 2>&1 && fail "signing succeeded without the time-stamping server"
cmp -s "$dll" "$work/unstamped.dll" || fail "a failed signing changed the file"
ls "$work"/unstamped.dll.* >/dev/null 2>&1 && fail "a failed signing left a file behind"
exit $(( failures > 0 ))
