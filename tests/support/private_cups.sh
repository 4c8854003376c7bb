#!/bin/sh
# A private CUPS daemon for tests: its own configuration, spool and Unix socket in one folder,
# and one raw queue, made the default, whose backend writes every job it receives as a file
# into <folder>/out. The machine's own CUPS configuration and printers are never touched.
#
#   private_cups.sh start FOLDER   start the daemon in FOLDER (absolute, short: the socket's
#                                  path must stay under 108 bytes) and print, one per line:
#                                    CUPS_SERVER=FOLDER/cups.sock
#                                    PRINTER_QUEUE=KelvraPDF
#                                    OUTPUT_DIR=FOLDER/out
#   private_cups.sh stop FOLDER    stop the daemon started in FOLDER
#
# A client uses the daemon by setting CUPS_SERVER (and unsetting PRINTER and LPDEST) before
# its first CUPS call. Exit status 77 when cupsd or lpadmin is not installed, 1 on failure.
set -eu

queue=KelvraPDF
system_bin=/usr/lib/cups

usage() {
  echo "usage: $0 start|stop FOLDER" >&2
  exit 2
}

[ $# -eq 2 ] || usage
command=$1
folder=$2
case "$folder" in /*) ;; *) usage ;; esac
socket="$folder/cups.sock"

find_tool() {
  for dir in /usr/sbin /sbin /usr/bin /bin; do
    if [ -x "$dir/$1" ]; then
      echo "$dir/$1"
      return 0
    fi
  done
  return 1
}

write_configuration() {
  mkdir -p "$folder/etc" "$folder/spool" "$folder/cache" "$folder/state" "$folder/tmp" \
    "$folder/log" "$folder/out" "$folder/serverbin/backend"
  chmod 755 "$folder"
  cat >"$folder/etc/cupsd.conf" <<EOF
LogLevel warn
Listen $socket
Browsing No
BrowseLocalProtocols none
DefaultShared No
WebInterface No
DefaultAuthType None
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
  cat >"$folder/etc/cups-files.conf" <<EOF
ServerRoot $folder/etc
RequestRoot $folder/spool
CacheDir $folder/cache
StateDir $folder/state
TempDir $folder/tmp
ServerBin $folder/serverbin
DataDir /usr/share/cups
AccessLog $folder/log/access_log
ErrorLog $folder/log/error_log
PageLog $folder/log/page_log
SystemGroup root
Sandboxing Relaxed
EOF
  # The system's helpers and filters, with a backend of our own instead of the system's.
  for entry in "$system_bin"/*; do
    name=$(basename "$entry")
    [ "$name" = backend ] || ln -sfn "$entry" "$folder/serverbin/$name"
  done
  # Mode 0700: CUPS runs such a backend as root, so it may write into the output folder.
  cat >"$folder/serverbin/backend/kelvrafile" <<'EOF'
#!/bin/sh
# Writes the job's document into the folder named by the device URI, whole or not at all.
if [ $# -eq 0 ]; then
  echo 'direct kelvrafile "Unknown" "Private test output"'
  exit 0
fi
out="${DEVICE_URI#kelvrafile:}"
part="$out/.job-$1.part"
if [ $# -ge 6 ]; then cat "$6" >"$part"; else cat >"$part"; fi || exit 1
mv "$part" "$out/job-$1.pdf"
EOF
  chmod 700 "$folder/serverbin/backend/kelvrafile"
}

wait_for_scheduler() {
  tries=0
  while ! CUPS_SERVER="$socket" lpstat -r >/dev/null 2>&1; do
    tries=$((tries + 1))
    if [ $tries -gt 100 ] || ! kill -0 "$(cat "$folder/cupsd.pid")" 2>/dev/null; then
      echo "private cupsd did not start; its log:" >&2
      cat "$folder/log/error_log" "$folder/log/cupsd.out" >&2 2>/dev/null || true
      return 1
    fi
    sleep 0.1
  done
}

start() {
  cupsd=$(find_tool cupsd) || { echo "cupsd is not installed" >&2; exit 77; }
  lpadmin=$(find_tool lpadmin) || { echo "lpadmin is not installed" >&2; exit 77; }
  find_tool lpstat >/dev/null || { echo "lpstat is not installed" >&2; exit 77; }
  write_configuration
  "$cupsd" -f -c "$folder/etc/cupsd.conf" -s "$folder/etc/cups-files.conf" \
    >"$folder/log/cupsd.out" 2>&1 </dev/null &
  echo $! >"$folder/cupsd.pid"
  wait_for_scheduler
  # A raw queue hands Qt's PDF to the backend untouched; lpadmin warns that raw is deprecated.
  # A daemon that has just started may still drop a connection now and then: try again.
  tries=0
  until CUPS_SERVER="$socket" "$lpadmin" -p "$queue" -E -v "kelvrafile:$folder/out" -m raw \
    2>"$folder/log/lpadmin.err" && CUPS_SERVER="$socket" "$lpadmin" -d "$queue" \
    2>>"$folder/log/lpadmin.err"; do
    tries=$((tries + 1))
    if [ $tries -lt 20 ]; then
      sleep 0.2
      continue
    fi
    echo "lpadmin could not set up the queue:" >&2
    cat "$folder/log/lpadmin.err" "$folder/log/error_log" >&2 2>/dev/null || true
    stop
    return 1
  done
  echo "CUPS_SERVER=$socket"
  echo "PRINTER_QUEUE=$queue"
  echo "OUTPUT_DIR=$folder/out"
}

stop() {
  [ -f "$folder/cupsd.pid" ] || return 0
  pid=$(cat "$folder/cupsd.pid")
  kill "$pid" 2>/dev/null || true
  tries=0
  while kill -0 "$pid" 2>/dev/null && [ $tries -lt 50 ]; do
    tries=$((tries + 1))
    sleep 0.1
  done
  rm -f "$folder/cupsd.pid"
}

case "$command" in
  start) start ;;
  stop) stop ;;
  *) usage ;;
esac
