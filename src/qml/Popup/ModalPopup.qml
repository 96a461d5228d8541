import QtQuick 2.15
import QtQuick.Controls 2.15

// The base of the modal popups. A popup takes the focus as it opens, so that the keys go to
// it and to nothing behind it: with the focus, Tab and Shift+Tab go round its own controls
// only, and on closing it gives the focus back to the popup beneath it or to the window's
// content, where the control that had the focus before gets it again. A popup without the
// focus leaves the keys to the control behind it: Tab walks on to the side bar and the
// header, and Space presses what it reaches there.
Popup {
    modal: true
    focus: true
}
