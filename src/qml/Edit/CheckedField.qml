import QtQuick 2.15

// A one-line field whose text is checked before it is used. `check(text)` gives "" for an
// accepted text, else the reason; `take()` keeps an accepted text as `goodText`, and puts
// the last accepted text back after a refused one, leaving the reason in `reason` for the
// page to show beside the field.
ApiEdit {
    id: checkedField

    property var check: function (qstrText) { return "" }
    property string goodText: ""
    property string reason: ""
    readonly property string text: editModel.text

    function take() {
        reason = check(editModel.text)
        if (reason !== "") {
            editModel.text = goodText
            return false
        }
        goodText = editModel.text
        return true
    }

    // Shows and keeps a text that needs no check.
    function reset(qstrText) {
        editModel.text = qstrText
        goodText = qstrText
        reason = ""
    }
}
