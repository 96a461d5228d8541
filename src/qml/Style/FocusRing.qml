import QtQuick 2.15
import QtQuick.Controls 2.15
import "."

// The kit's focus ring, drawn round `control` (the item it is declared in) in the accent of
// a focused field while the control has the focus from the keyboard: a click that gives a
// button the focus shows none. The focus given back to a control that had it from the keyboard
// (a popup it opened closes, a plan card chosen by Space) is ringed again, until a click takes
// it. Return and Enter act on the control as Space does.
// A window has many controls and few ever get the focus, so the ring is made only while its
// control has the focus, and the keys are heard from the first time it gets it.
Loader {
    id: ring

    property Item control: parent
    // How far the ring stands outside the control; a control that touches its neighbours or
    // the window's edge takes it inside (a negative outset).
    property real nOutset: 3
    property real nRadius: 3
    property bool bHearsKeys: false
    property bool bFromKeys: false

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

    // A drop-down list has its own keys.
    function hearKeys() {
        if (bHearsKeys || typeof control.clicked !== "function")
            return
        bHearsKeys = true
        control.Keys.returnPressed.connect(click)
        control.Keys.enterPressed.connect(click)
    }

    active: control.activeFocus
    onLoaded: hearKeys()
    // Read as the focus comes and goes: the reason is then the one it came or went with.
    onActiveChanged: {
        if (control.focusReason === Qt.MouseFocusReason)
            bFromKeys = false
        else if (control.visualFocus === true)
            bFromKeys = true
    }

    sourceComponent: Rectangle {
        objectName: "focusRing"
        x: -ring.nOutset * Theme.dp
        y: x
        width: ring.control.width - 2 * x
        height: ring.control.height - 2 * y
        radius: Math.max(ring.nRadius + ring.nOutset, 0) * Theme.dp
        visible: ring.control.visualFocus !== false || ring.bFromKeys
        color: "transparent"
        border.color: Theme.accent
    }
}
