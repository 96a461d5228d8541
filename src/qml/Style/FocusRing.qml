import QtQuick 2.15
import QtQuick.Controls 2.15
import "."

// The kit's focus ring, drawn round `control` (the item it is declared in) in the accent of
// a focused field while the control has the focus from the keyboard: a click that gives a
// button the focus shows none. Return and Enter act on the control as Space does.
Rectangle {
    id: ring
    objectName: "focusRing"

    property Item control: parent
    // How far the ring stands outside the control; a control that touches its neighbours or
    // the window's edge takes it inside (a negative outset).
    property real nOutset: 3
    property real nRadius: 3

    // As Space does: a checkable control changes, unless it is the chosen one of its group.
    function click(event) {
        event.accepted = true
        if (event.isAutoRepeat)
            return
        if (control.checkable
                && !(control.checked && (control.autoExclusive || control.ButtonGroup.group !== null))) {
            control.toggle()
            control.toggled()
        }
        control.clicked()
    }

    anchors.fill: parent
    anchors.margins: -nOutset * Theme.dp
    radius: Math.max(nRadius + nOutset, 0) * Theme.dp
    visible: control.visualFocus === undefined ? control.activeFocus : control.visualFocus
    color: "transparent"
    border.color: Theme.accent

    // A drop-down list has its own keys.
    Component.onCompleted: {
        if (typeof control.clicked !== "function")
            return
        control.Keys.returnPressed.connect(click)
        control.Keys.enterPressed.connect(click)
    }
}
