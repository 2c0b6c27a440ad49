#!/bin/sh
# Writes a form with one tab control of N tabs to standard output, for timing the loader, the
# renderer and the writer on big forms without keeping multi-megabyte files in the tree:
#
#   bench/forms/make-big-form.sh 32767 > /tmp/big.frm
#   bench/forms/make-big-form.sh 1000 40 3 > /tmp/rows.frm      # 40 rows, justification 3
#
# Every tab has a caption with an access key, a unique key and a record count; every seventh tab
# has its own colours, so the loader reads numbers, strings and colours the way a saved form has
# them. ROWS (default 3) is TabRows, JUSTIFICATION (default 0) TabJustification.
set -eu
if [ $# -lt 1 ] || [ $# -gt 3 ]; then
    echo "usage: $0 N [ROWS [JUSTIFICATION]]" >&2
    exit 2
fi
n=$1
rows=${2:-3}
justification=${3:-0}
awk -v n="$n" -v rows="$rows" -v just="$justification" 'BEGIN {
    printf "VERSION 1.0\n"
    printf "Begin Form frmBig\n"
    printf "   Caption         =   \"%d tabs\"\n", n
    printf "   ScaleMode       =   1\n"
    printf "   ClientWidth     =   9600\n"
    printf "   ClientHeight    =   7200\n"
    printf "   Begin VNTabCtl VNTabCtl1\n"
    printf "      Left            =   120\n"
    printf "      Top             =   120\n"
    printf "      Width           =   9360\n"
    printf "      Height          =   6960\n"
    printf "      TabRows         =   %d\n", rows
    printf "      TabJustification =  %d\n", just
    printf "      NumTabs         =   %d\n", n
    for (i = 1; i <= n; i++) {
        if (i % 7 == 0) {
            printf "      TabBackColor%d   =   &H00C0E0FF&\n", i
            printf "      TabForeColor%d   =   &H00800000&\n", i
        }
        printf "      TabCaption%d     =   \"Page &%d\"\n", i, i
        printf "      TabKey%d         =   \"page%d\"\n", i, i
        printf "      Tab%dCtlCount    =   0\n", i
    }
    printf "   End\n"
    printf "End\n"
}'
