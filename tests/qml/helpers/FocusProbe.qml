import QtQuick 2.15

// What a person at the keyboard sees of the focus. The kit's ring is a shown rectangle
// bordered in the accent: in the focused item, or beside it in the item that holds it (a
// field's box). Keys go to the window with the focus, as the window system sends them.
QtObject {
    readonly property color accent: "#FF5C00"

    function isRing(item) {
        return item.visible && item.opacity > 0 && item.width > 0 && item.border !== undefined
               && item.border.width > 0 && Qt.colorEqual(item.border.color, accent)
    }

    function rings(item) {
        var found = isRing(item) ? [item] : []
        for (var i = 0; i < item.children.length; ++i)
            found = found.concat(rings(item.children[i]))
        return found
    }

    // The box a control is drawn in: its parent, or for a text scrolled in a view the view's.
    function holderOf(item) {
        var holder = item.parent
        while (holder && holder.parent && holder.parent.contentItem === holder
               && holder.parent.flicking !== undefined)
            holder = holder.parent.parent
        return holder
    }

    function ringShown(item) {
        if (!item)
            return false
        var holder = holderOf(item)
        return rings(item).length > 0
               || (holder !== null && (isRing(holder) || Array.from(holder.children).some(isRing)))
    }

    function isIn(item, control) {
        for (; item; item = item.parent) {
            if (item === control)
                return true
        }
        return false
    }

    function names(item) {
        var found = []
        for (; item; item = item.parent) {
            if (item.objectName !== "")
                found.push(item.objectName)
        }
        return found.join(" < ")
    }

    // Presses `key` until `control` has the focus; false when `nLimit` presses did not get there.
    function reach(testCase, window, key, control, nLimit) {
        for (var i = 0; i < nLimit && !isIn(window.activeFocusItem, control); ++i)
            testCase.keyClick(key)
        return isIn(window.activeFocusItem, control)
    }

    // Presses `key` once per control and tells what a person would find wrong: a control the
    // focus did not move to, one without its ring, a ring left on the control before.
    function walk(testCase, window, key, controls) {
        var faults = []
        var before = window.activeFocusItem
        controls.forEach(function (control) {
            testCase.keyClick(key)
            var focused = window.activeFocusItem
            if (!isIn(focused, control))
                faults.push(control.objectName + ": the focus is in " + names(focused))
            else if (!ringShown(focused))
                faults.push(control.objectName + ": no ring")
            if (ringShown(before))
                faults.push(names(before) + ": ring left")
            before = focused
        })
        return faults
    }
}
