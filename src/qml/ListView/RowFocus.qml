import QtQuick 2.15
import QtQuick.Window 2.15

// The keyboard's way through the controls of a list's rows (the star, Renew, the remark pen).
// The view makes rows only near what it shows and in no fixed order, so Tab and Shift+Tab
// are steered here: row by row in the list's order, each row scrolled into view before its
// control takes the focus, so that its ring is seen and Space never acts on a row out of
// sight. Coming in from outside, they start at the first or the last row shown; past the
// last or the first row they leave the list.
Item {
    id: rowFocus

    property ListView view: null

    property Item hooked: null
    property bool bStepping: false

    function rowOf(item) {
        for (; item && item.parent; item = item.parent) {
            if (item.parent === view.contentItem)
                return item
        }
        return null
    }

    function isInView(item) {
        for (; item; item = item.parent) {
            if (item === view)
                return true
        }
        return false
    }

    function indexOf(row) {
        return view.indexAt(row.x + 1, row.y + 1)
    }

    // Row nIndex, scrolled into view (and so made); null past either end.
    function rowAt(nIndex) {
        if (nIndex < 0 || nIndex >= view.count)
            return null
        view.positionViewAtIndex(nIndex, ListView.Contain)
        return view.itemAtIndex(nIndex)
    }

    // The row's first or last control the keys reach; null when it has none.
    function edgeControl(row, bFirst) {
        var first = row.nextItemInFocusChain(true)
        if (rowOf(first) !== row)
            return null
        var last = first
        for (var item = first.nextItemInFocusChain(true); !bFirst && item !== first && rowOf(item) === row;
             item = item.nextItemInFocusChain(true))
            last = item
        return last
    }

    // The first item the keys reach outside the list from `item`.
    function pastList(item, bForward) {
        for (var i = 0; i < 1000 && item && isInView(item); ++i)
            item = item.nextItemInFocusChain(bForward)
        return item
    }

    function moveTo(item, bForward) {
        bStepping = true
        item.forceActiveFocus(bForward ? Qt.TabFocusReason : Qt.BacktabFocusReason)
        bStepping = false
    }

    function step(event, bForward) {
        event.accepted = true
        var from = hooked
        var row = rowOf(from)
        var next = from.nextItemInFocusChain(bForward)
        if (rowOf(next) !== row) {
            var other = rowAt(indexOf(row) + (bForward ? 1 : -1))
            next = (other && edgeControl(other, bForward)) || pastList(from, bForward)
        }
        if (next)
            moveTo(next, bForward)
    }
    function tab(event) { step(event, true) }
    function backtab(event) { step(event, false) }

    // The row shown first (Tab) or last (Shift+Tab).
    function entryIndex(bForward) {
        var nIndex = view.indexAt(1, bForward ? view.contentY + 1 : view.contentY + view.height - 1)
        return nIndex >= 0 ? nIndex : bForward ? 0 : view.count - 1
    }

    // Coming in from outside: moved on to the row shown first or last once the window has
    // done with this focus change, which a move within it would undo.
    function enter(control, bForward) {
        if (hooked !== control)
            return
        var entry = rowAt(entryIndex(bForward))
        var target = entry ? edgeControl(entry, bForward) : null
        if (target && target !== control)
            moveTo(target, bForward)
        else
            view.positionViewAtIndex(indexOf(rowOf(control)), ListView.Contain)
    }

    function arrive(control) {
        var nReason = control.focusReason
        if ((nReason === Qt.TabFocusReason || nReason === Qt.BacktabFocusReason) && !bStepping)
            Qt.callLater(enter, control, nReason === Qt.TabFocusReason)
        else if (nReason !== Qt.MouseFocusReason)
            view.positionViewAtIndex(indexOf(rowOf(control)), ListView.Contain)
    }

    // Steering moves the focus while the window tells of the last move, so it is followed
    // through the signal rather than a binding.
    Connections {
        target: rowFocus.Window.window
        function onActiveFocusItemChanged() {
            var item = rowFocus.Window.window.activeFocusItem
            if (rowFocus.hooked) {
                rowFocus.hooked.Keys.tabPressed.disconnect(rowFocus.tab)
                rowFocus.hooked.Keys.backtabPressed.disconnect(rowFocus.backtab)
                rowFocus.hooked = null
            }
            if (!rowFocus.view || !rowFocus.rowOf(item))
                return
            rowFocus.hooked = item
            item.Keys.tabPressed.connect(rowFocus.tab)
            item.Keys.backtabPressed.connect(rowFocus.backtab)
            rowFocus.arrive(item)
        }
    }
}
