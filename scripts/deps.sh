# Debian packages the project needs to build, test and run. Sourced by the scripts.
QEL_PACKAGES=(
    build-essential cmake ninja-build pkg-config
    qtbase5-dev qtdeclarative5-dev qtquickcontrols2-5-dev libqt5svg5-dev
    # The client's database goes through Qt SQL's SQLite driver, a plugin loaded at run time.
    libqt5sql5-sqlite
    # qmlcachegen, which compiles the QML into the client; lupdate and lrelease.
    qtdeclarative5-dev-tools qttools5-dev qttools5-dev-tools
    # The QML modules the screens import; QtTest for the Qt Quick tests.
    qml-module-qtquick2 qml-module-qtquick-controls2 qml-module-qtquick-window2
    qml-module-qtquick-dialogs qml-module-qttest
    # libbenchmark-dev builds bench_FormPost, a benchmark run by hand.
    libcurl4-openssl-dev libjsoncpp-dev libcpp-httplib-dev libbenchmark-dev
    # Tools the scripts and tests call: sqlite3 reads the databases the tests check,
    # desktop-file-validate checks the autostart entry, python3 reads the language list and
    # writes the settings in scripts/screenshots; xvfb-run needs xauth, which xvfb only
    # recommends.
    curl sqlite3 desktop-file-utils python3 xvfb xauth
    # Open Sans is the screens' font, WenQuanYi Micro Hei draws the Chinese and Japanese
    # translations, DejaVu is the default sans-serif for texts that name no font.
    fonts-open-sans fonts-wqy-microhei fonts-dejavu-core
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
