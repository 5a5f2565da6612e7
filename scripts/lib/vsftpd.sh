# Sourced by the measuring scripts: a vsftpd configuration for one anonymous, writable root on
# 127.0.0.1, run as the calling user in the foreground.
# write_vsftpd_conf FILE PORT ROOT EMPTY_DIR [MORE_LINES]
write_vsftpd_conf() {
  cat >"$1" <<CONF
listen=YES
listen_ipv6=NO
listen_address=127.0.0.1
listen_port=$2
background=NO
anonymous_enable=YES
local_enable=NO
write_enable=YES
anon_upload_enable=YES
anon_other_write_enable=YES
anon_root=$3
no_anon_password=YES
anon_umask=022
run_as_launching_user=YES
secure_chroot_dir=$4
seccomp_sandbox=NO
connect_from_port_20=NO
xferlog_enable=NO
allow_writeable_chroot=YES
${5:-}
CONF
}
