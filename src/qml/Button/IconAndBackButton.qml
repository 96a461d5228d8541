import QtQuick 2.15

// An icon with a tool tip on a background ("Clear All").
HoverButton {
    implicitWidth: implicitHeight
}
