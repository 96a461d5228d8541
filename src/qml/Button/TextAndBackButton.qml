import QtQuick 2.15

// A text on a light background.
HoverButton {
}
