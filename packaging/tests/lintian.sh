# Debian's package checker for the package checks; sourced, not run. Needs fail().
# check_lintian DEB: Debian's lintian finds no error and no warning in the package.
check_lintian() {
    command -v lintian >/dev/null || fail "lintian is missing (Debian's lintian; scripts/install-deps.sh installs it)"
    local out status=0
    out=$(lintian --fail-on error,warning "$1" 2>&1) || status=$?
    # As root lintian says so on every run, which is no finding about the package.
    out=$(grep -v '^running with root privileges is not recommended!$' <<<"$out" || true)
    [ "$status" -eq 0 ] || fail "lintian rejects $(basename "$1"): $out"
    echo "lintian: $(basename "$1") passes${out:+: $out}"
}
