#!/bin/sh
# gra2png.sh IN.gra OUT.png [DPI]: draws a GRAF file with Ngraph, without a
# display. The file is merged into a one-object Ngraph project on an A4 page
# that ngp2 renders to PNG. Exit 0: drawn, no complaint from Ngraph; 1: Ngraph
# complained about the file ("merge: ...") or failed. ngp2 itself exits 0 on
# such errors, so its messages are read.
in=$(readlink -f "$1") || exit 2; out=$(readlink -f "$2") || exit 2; dpi=${3:-100}
tmp=$(mktemp -d) || exit 2
cat > "$tmp/page.ngp" <<NGP
#! ngraph
new merge
	merge::file='$in'
	merge::left_margin=0
	merge::top_margin=0
	merge::zoom_x=10000
	merge::zoom_y=10000
	merge::clip=true
new gra name:viewer
	gra::left_margin=0
	gra::top_margin=0
	gra::zoom=10000
	gra::paper_width=21000
	gra::paper_height=29700
	gra::decimalsign=period
	gra::draw_obj='merge'
NGP
log=$(cd "$tmp" && ngp2 -d "$dpi" -png page.ngp 2>&1); rc=$?
log=$(printf '%s\n' "$log" | grep -v -e 'cannot open the display' -e '^Drawing ' -e '^$' -e 'XDG_RUNTIME_DIR')
[ -n "$log" ] && printf '%s\n' "$log" >&2
if [ $rc -ne 0 ] || [ ! -s "$tmp/page.png" ] || printf '%s' "$log" | grep -q 'merge:'; then
  echo "gra2png: FAILED (ngp2 rc=$rc)" >&2; rm -rf "$tmp"; exit 1; fi
mv "$tmp/page.png" "$out"; rm -rf "$tmp"
