#!/bin/sh
# Writes CHANGELOG.md as a Debian changelog, the form Debian tools read from a native package's
# /usr/share/doc/PACKAGE/changelog.gz: one entry per "## VERSION - YYYY-MM-DD" heading, its text
# indented, "- " items as "* " items. The section "## Unreleased" belongs to no release and is left out.
#   debian_changelog.sh CHANGELOG.md PACKAGE "NAME <ADDRESS>"
set -eu
awk -v package="$2" -v maintainer="$3" '
function close_entry() {
    if (version == "") return
    while (n > 0 && lines[n] == "") n--
    for (i = 1; i <= n; i++) print lines[i]
    cmd = "date -R -u -d " date
    cmd | getline stamp
    close(cmd)
    print ""
    print " -- " maintainer "  " stamp
    print ""
}
/^## Unreleased$/ {
    close_entry()
    version = ""
    next
}
/^## / {
    close_entry()
    version = $2; date = $4; n = 0
    print package " (" version ") unstable; urgency=medium"
    print ""
    next
}
version == "" { next }
n == 0 && $0 == "" { next }
{
    line = $0
    sub(/^- /, "* ", line)
    lines[++n] = (line == "" ? "" : "  " line)
}
END { close_entry() }
' "$1"
