#!/usr/bin/env bash
# A private print server for the print tests and for trying printing by hand: its own
# configuration, spool and log folders under DIR, a Unix socket instead of a port, and one queue
# "QuillonPDF" with the CUPS-PDF driver whose backend turns each job into a PDF file in DIR/out
# (the last step of cups-pdf, done with Ghostscript, so that the server needs no root rights and
# touches nothing outside DIR).
#   private_cups.sh start DIR        starts the server; exit 77 when it cannot run here
#   private_cups.sh stop DIR         stops it
#   private_cups.sh run COMMAND ...  runs the command with a server of its own in a new folder,
#                                    CUPS_SERVER and QUILLON_PRINT_OUT (the PDF folder) set;
#                                    exit 77 when no server can run here
# Clients reach it with CUPS_SERVER=DIR/sock.
set -u
# cupsd and lpadmin live in /usr/sbin, which not every user's PATH holds.
PATH="$PATH:/usr/sbin:/sbin"
cmd=${1:-}
dir=${2:-}
[ -n "$cmd" ] && [ -n "$dir" ] || { echo "usage: $0 start|stop DIR | run COMMAND..." >&2; exit 2; }

if [ "$cmd" = run ]; then
  shift
  dir=$(mktemp -d) || exit 77
  bash "$0" start "$dir" || { rc=$?; rm -rf "$dir"; exit "$rc"; }
  CUPS_SERVER="$dir/sock" QUILLON_PRINT_OUT="$dir/out" "$@"
  rc=$?
  bash "$0" stop "$dir"
  rm -rf "$dir"
  exit "$rc"
fi

if [ "$cmd" = stop ]; then
  if [ -f "$dir/pid" ]; then
    pid=$(cat "$dir/pid")
    kill "$pid" 2>/dev/null
    for _ in $(seq 50); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
  fi
  exit 0
fi

ppd=/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd
for tool in cupsd lpadmin lpstat gs; do
  command -v "$tool" >/dev/null || { echo "no $tool: install cups and printer-driver-cups-pdf" >&2; exit 77; }
done
[ -f "$ppd" ] || { echo "no $ppd" >&2; exit 77; }

mkdir -p "$dir"/{conf,spool,tmp,cache,state,log,out,bin/backend}
for x in filter cgi-bin daemon driver monitor notifier; do ln -sfn "/usr/lib/cups/$x" "$dir/bin/$x"; done
# Filters run as "lp" when the server runs as root: they must write the temporary folders.
chmod 1777 "$dir/tmp" "$dir/out" "$dir/spool"
chmod 755 "$dir" "$dir/bin" "$dir/bin/backend"

cat > "$dir/bin/backend/quillon-pdf" <<BACKEND
#!/bin/sh
# Without arguments a backend names its device class; with them it prints one job.
[ \$# -eq 0 ] && { echo 'file quillon-pdf "Quillon test PDF" "Quillon test PDF"'; exit 0; }
in=\${6:--}
gs -q -dSAFER -dBATCH -dNOPAUSE -sDEVICE=pdfwrite -sOutputFile="$dir/out/job-\$1.pdf.part" "\$in" \
  && mv "$dir/out/job-\$1.pdf.part" "$dir/out/job-\$1.pdf"
BACKEND
chmod 755 "$dir/bin/backend/quillon-pdf"

cat > "$dir/conf/cupsd.conf" <<CONF
Listen $dir/sock
LogLevel warn
WebInterface No
Browsing Off
<Location />
  Order allow,deny
  Allow all
</Location>
<Policy default>
  <Limit All>
    Order deny,allow
  </Limit>
</Policy>
CONF
cat > "$dir/conf/cups-files.conf" <<CONF
ServerRoot $dir/conf
ServerBin $dir/bin
DataDir /usr/share/cups
RequestRoot $dir/spool
TempDir $dir/tmp
CacheDir $dir/cache
StateDir $dir/state
AccessLog $dir/log/access_log
ErrorLog $dir/log/error_log
PageLog $dir/log/page_log
Sandboxing Relaxed
CONF

cupsd -f -c "$dir/conf/cupsd.conf" -s "$dir/conf/cups-files.conf" >"$dir/log/cupsd.out" 2>&1 &
echo $! >"$dir/pid"
export CUPS_SERVER="$dir/sock"
for _ in $(seq 50); do
  lpstat -r 2>/dev/null | grep -q "is running" && break
  sleep 0.1
done
if ! lpstat -r 2>/dev/null | grep -q "is running"; then
  echo "the private cupsd did not start:" >&2; cat "$dir/log/cupsd.out" "$dir/log/error_log" >&2 2>/dev/null
  bash "$0" stop "$dir"; exit 77
fi
if ! lpadmin -p QuillonPDF -v quillon-pdf:/ -P "$ppd" -E 2>"$dir/log/lpadmin.out" \
   || ! lpstat -v QuillonPDF >/dev/null 2>&1; then
  echo "cannot add the queue:" >&2; cat "$dir/log/lpadmin.out" >&2
  bash "$0" stop "$dir"; exit 77
fi
exit 0
