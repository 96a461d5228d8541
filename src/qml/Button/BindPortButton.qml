import QtQuick 2.15

// A row of the port and port-range lists.
ForwaredHoverButton {
}
