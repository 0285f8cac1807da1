#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Quick checks of the files that desktops, software centres, man and dpkg read: the
# desktop entry from the source tree, the man page, metainfo and changelog as a build
# wrote them from their templates; no root file system. Run by CTest; the slow test
# that installs the package into a fresh Debian 12 is install_test.sh beside this file.
#
#   tests/package/validate.sh source-root build-dir
#
# Ends with "validate: N passed, N failed" and fails when a check failed. Installs
# nothing: when a validator is missing it says which and ends with status 77, which
# CTest counts as skipped (scripts/test installs them).
set -euo pipefail

if [ $# -ne 2 ]; then
    echo "usage: $0 source-root build-dir" >&2
    exit 2
fi
root=$1
linux="$root/resources/linux"
built="$2/linux"
desktop="$linux/nl.korvel.Korvel.desktop"
metainfo="$built/nl.korvel.Korvel.metainfo.xml"
manpage="$built/korvel.6"
changelog="$built/changelog"

missing=()
for tool in desktop-file-validate appstreamcli xmllint dpkg-parsechangelog groff; do
    command -v "$tool" >/dev/null || missing+=("$tool")
done
if [ ${#missing[@]} -gt 0 ]; then
    echo "SKIP: missing ${missing[*]} (desktop-file-utils appstream libxml2-utils dpkg-dev groff-base)"
    exit 77
fi

passed=0 failed=0
pass() { echo "PASS: $*"; passed=$((passed + 1)); }
fail() { echo "FAIL: $*"; failed=$((failed + 1)); }

# desktop-file-validate exits 0 even for problems it calls errors ("will be fatal
# in the future"), so its output decides. Hints are advice, except the one that an
# entry without a main category ends up in a menu's catch-all section.
out=$(desktop-file-validate "$desktop" 2>&1) && rc=0 || rc=$?
if [ "$rc" -eq 0 ] && ! grep -qE ': (error|warning):|does not contain a registered main category' <<<"$out"; then
    pass "desktop-file-validate $(basename "$desktop")"
else
    fail "desktop-file-validate $(basename "$desktop")"$'\n'"$out"
fi

# --strict: the infos (an unknown tag, say) matter too, since a software centre
# quietly drops what it does not understand.
if out=$(appstreamcli validate --no-net --strict "$metainfo" 2>&1); then
    pass "appstreamcli validate --no-net --strict $(basename "$metainfo")"
else
    fail "appstreamcli validate --no-net --strict $(basename "$metainfo")"$'\n'"$out"
fi

# Software centres join the metainfo to the desktop entry by file name, and the
# metainfo's own file name must be its id; the validators see one file at a time.
meta() { xmllint --xpath "$1" "$metainfo"; }
id=$(meta 'string(/component/id)')
launchable=$(meta 'string(/component/launchable[@type="desktop-id"])')
if [ "$(basename "$metainfo")" = "$id.metainfo.xml" ] && [ "$launchable" = "$(basename "$desktop")" ]; then
    pass "metainfo id $id and launchable $launchable match the file names"
else
    fail "metainfo id '$id' / launchable '$launchable' do not match $(basename "$metainfo") / $(basename "$desktop")"
fi

# The program the desktop entry starts is the one the metainfo says it provides.
entry() { sed -n "s/^$1=//p" "$desktop" | head -n 1; }
exec_program=$(entry Exec | awk '{print $1}')
provided=$(meta 'string(/component/provides/binary)')
if [ -n "$exec_program" ] && [ "$exec_program" = "$provided" ]; then
    pass "desktop Exec and metainfo provides name the same program: $exec_program"
else
    fail "desktop Exec starts '$exec_program', metainfo provides '$provided'"
fi

# One version everywhere: the project, the package changelog (dpkg takes the
# package version from CPack, the changelog must not contradict it), the newest
# release in the metainfo, and the man page's footer. Their templates take it from
# the project and write no version of their own.
project_version=$(sed -nE 's/^project\(Korvel VERSION ([0-9.]+).*/\1/p' "$root/CMakeLists.txt")
changelog_version=$(dpkg-parsechangelog -l "$changelog" -S Version)
release_version=$(meta 'string(/component/releases/release[1]/@version)')
man_version=$(sed -nE 's/^\.TH .*"Korvel ([0-9.]+)".*/\1/p' "$manpage")
versions="project '$project_version', changelog '$changelog_version', metainfo '$release_version', man page '$man_version'"
if [ -n "$project_version" ] && [ "$changelog_version" = "$project_version" ] &&
    [ "$release_version" = "$project_version" ] && [ "$man_version" = "$project_version" ]; then
    pass "one version everywhere: $project_version"
else
    fail "versions differ: $versions"
fi
for template in "$linux"/*.in; do
    if ! grep -q '@PROJECT_VERSION@' "$template"; then
        fail "$(basename "$template") does not take the project's version"
    fi
done

# The man page as man renders it: groff's warnings are the mistakes lintian flags.
if out=$(groff -man -Tutf8 -ww -z "$manpage" 2>&1) && [ -z "$out" ]; then
    pass "man page renders without warnings"
else
    fail "groff warns about $(basename "$manpage")"$'\n'"$out"
fi

echo "validate: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
