#!/usr/bin/env bash
# Lighthouse, as tests/web/package-lock.json pins it, on the site served on 127.0.0.1, with its
# mobile settings (a phone's screen, a slow network and processor simulated): the scores of
# performance, accessibility and best practices, and every audit that fell short.
#   lighthouse.sh SITE LIGHTHOUSE REPORT.json
set -euo pipefail
site=$1 lighthouse=$2 report=$3
port=$(python3 -c 'import socket; s = socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])')
python3 -m http.server --bind 127.0.0.1 --directory "$site" "$port" >/dev/null 2>&1 &
server=$!
profile=$(mktemp -d)
trap 'kill $server; rm -rf "$profile"' EXIT
sleep 1
CHROME_PATH=${CHROME_PATH:-/usr/bin/chromium} "$lighthouse" "http://127.0.0.1:$port/" --quiet \
    --only-categories=performance,accessibility,best-practices --output=json \
    --output-path="$report" --chrome-flags="--headless=new --no-sandbox --disable-gpu \
    --disable-quic --no-first-run --disable-background-networking --disable-component-update \
    --disable-sync --user-data-dir=$profile"
node -e '
const report = require(process.argv[1]);
console.log(`Lighthouse ${report.lighthouseVersion}, ${report.configSettings.formFactor}, ${report.environment.hostUserAgent}`);
for (const category of Object.values(report.categories)) {
  console.log(`${category.title}: ${Math.round(category.score * 100)}`);
  for (const ref of category.auditRefs) {
    const audit = report.audits[ref.id];
    if (ref.weight > 0 && audit.score !== null && audit.score < 1)
      console.log(`  ${audit.id}: ${audit.score} ${audit.displayValue || ""}`);
  }
}' "$(realpath "$report")"
