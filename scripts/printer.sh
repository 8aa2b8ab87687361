#!/usr/bin/env bash
# Sets up a PDF print queue, the default printer, for the printing tests. Only as root on a
# CI machine (CI=true): a developer's own printer setup is never touched.
set -u
[ "$(id -u)" -eq 0 ] || exit 0
[ "${CI:-}" = true ] || [ "${QUARVEL_SETUP_PRINTER:-}" = 1 ] || exit 0
command -v lpadmin >/dev/null || exit 0
if ! lpstat -r 2>/dev/null | grep -q "is running"; then
    mkdir -p /run/cups
    setsid /usr/sbin/cupsd -f >/dev/null 2>&1 < /dev/null &
    for _ in $(seq 50); do
        lpstat -r 2>/dev/null | grep -q "is running" && break
        sleep 0.2
    done
fi
mkdir -p /var/spool/cups-pdf/quarvel
cat > /etc/cups/cups-pdf-QuarvelPDF.conf <<CONF
Out /var/spool/cups-pdf/quarvel
AnonDirName /var/spool/cups-pdf/quarvel
CONF
lpadmin -p QuarvelPDF -v cups-pdf:/QuarvelPDF -m lsb/usr/cups-pdf/CUPS-PDF_noopt.ppd -E &&
    lpadmin -d QuarvelPDF && echo "Print queue QuarvelPDF ready (PDFs in /var/spool/cups-pdf/quarvel)"
