#!/bin/sh
# Runs the CUPS printing suite ($1) against a cupsd of its own: its configuration, spool,
# state and logs in a temporary folder, listening on a private socket only, with one
# cups-pdf queue Q as the default. The system's cupsd, if any, is never asked. Exits 77
# (skipped) only when cupsd cannot start here.
set -u
suite=$1
PATH=$PATH:/usr/sbin:/sbin
export PATH

if ! command -v cupsd >/dev/null; then
  echo "SKIP: cupsd is not installed (scripts/setup-debian.sh installs cups)"
  exit 77
fi

dir=$(mktemp -d) || exit 1
# The filters, which run as cupsd's user lp, open the spooled files inside.
chmod 755 "$dir"
mkdir "$dir/conf" "$dir/spool" "$dir/cache" "$dir/state" "$dir/log"
cat >"$dir/cupsd.conf" <<EOF
Listen $dir/cups.sock
Browsing No
WebInterface No
LogLevel info
<Location />
  Order allow,deny
  Allow all
</Location>
<Policy default>
  <Limit All>
    Order deny,allow
  </Limit>
</Policy>
EOF
# The temporary files go to the spool's tmp folder, which cupsd makes for its filters.
cat >"$dir/cups-files.conf" <<EOF
ServerRoot $dir/conf
RequestRoot $dir/spool
CacheDir $dir/cache
StateDir $dir/state
ErrorLog $dir/log/error_log
AccessLog $dir/log/access_log
PageLog $dir/log/page_log
FileDevice Yes
EOF

cupsd -f -c "$dir/cupsd.conf" -s "$dir/cups-files.conf" >"$dir/log/cupsd.out" 2>&1 &
cupsd_pid=$!
trap 'kill "$cupsd_pid" 2>/dev/null; wait "$cupsd_pid" 2>/dev/null; rm -rf "$dir"' EXIT
export CUPS_SERVER="$dir/cups.sock"

# Up to ten seconds for the scheduler to answer on its socket.
tries=0
until LC_ALL=C lpstat -r 2>/dev/null | grep -q '^scheduler is running'; do
  tries=$((tries + 1))
  if ! kill -0 "$cupsd_pid" 2>/dev/null || [ "$tries" -gt 100 ]; then
    echo "SKIP: cupsd could not start here:"
    cat "$dir/log/cupsd.out" "$dir/log/error_log" 2>/dev/null | tail -n 5
    exit 77
  fi
  sleep 0.1
done

# cups-pdf, a backend that runs as root only, writes a user's jobs to the Out folder of its
# own configuration, ${HOME}/PDF unless the system sets another. Under a cupsd that is not
# root, Q only takes jobs (into /dev/null), which is enough to refuse them.
if [ "$(id -u)" -eq 0 ]; then
  ppd=$(dpkg -L printer-driver-cups-pdf 2>/dev/null | grep '/CUPS-PDF_opt\.ppd$' | head -n 1)
  if [ -z "$ppd" ]; then
    echo "FAIL: no cups-pdf driver (scripts/setup-debian.sh installs printer-driver-cups-pdf)"
    exit 1
  fi
  lpadmin -p Q -E -v cups-pdf:/ -P "$ppd" || exit 1
  # The PostScript that cups-pdf takes, made by the default renderer, loses the text of
  # Qt's fonts for pdftotext; pdftocairo's keeps it.
  lpadmin -p Q -o pdftops-renderer-default=pdftocairo || exit 1
  out=$(sed -n 's/^Out[[:space:]]\{1,\}//p' /etc/cups/cups-pdf.conf 2>/dev/null | tail -n 1)
  home=$(getent passwd "$(id -un)" | cut -d: -f6)
  [ -n "$out" ] || out='${HOME}/PDF'
  CUPS_PDF_OUTPUT=$(printf '%s\n' "$out" | sed -e "s|\${HOME}|$home|" -e "s|\${USER}|$(id -un)|")
  export CUPS_PDF_OUTPUT
else
  lpadmin -p Q -E -v file:///dev/null || exit 1
fi
lpadmin -d Q || exit 1

"$suite"
