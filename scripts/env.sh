# Shared settings of the scripts: a private runtime folder for Qt.
export XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-/tmp/ruvo-runtime-$(id -u)}"
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
