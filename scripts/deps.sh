# Debian packages the project needs to build, test and run. Sourced by the scripts.
QEL_PACKAGES=(
    build-essential cmake ninja-build pkg-config git
    qtbase5-dev qtdeclarative5-dev qtquickcontrols2-5-dev libqt5svg5-dev libqt5sql5-sqlite
    qtdeclarative5-dev-tools qttools5-dev qttools5-dev-tools
    qml-module-qtquick2 qml-module-qtquick-controls qml-module-qtquick-controls2
    qml-module-qtquick-layouts qml-module-qtquick-window2 qml-module-qtquick-dialogs
    qml-module-qttest
    libcurl4-openssl-dev libjsoncpp-dev libcpp-httplib-dev libbenchmark-dev
    curl sqlite3 desktop-file-utils xvfb xauth x11-utils imagemagick fonts-dejavu-core
    fonts-open-sans fonts-wqy-microhei
)

qel_install_deps() {
    local missing=()
    local pkg
    for pkg in "${QEL_PACKAGES[@]}"; do
        dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q "install ok installed" ||
            missing+=("$pkg")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    if [ "$(id -u)" -ne 0 ]; then
        echo "Missing packages. Install them with:"
        echo "  sudo apt-get install -y ${missing[*]}"
        exit 1
    fi
    echo "Installing: ${missing[*]}"
    apt-get update -qq
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "${missing[@]}"
}
