import QtQuick 2.15

// A wrapping text area that never overflows its box: an edit that would need more lines
// than fit is undone at once.
AreaBox {
    id: normal

    property string lastFitting: ""

    editModel.wrapMode: TextEdit.Wrap
    editModel.onTextChanged: {
        var input = editModel
        if (input.contentHeight <= input.height - input.topPadding - input.bottomPadding) {
            lastFitting = input.text
            return
        }
        var nCursor = Math.min(input.cursorPosition, lastFitting.length)
        input.text = lastFitting
        input.cursorPosition = nCursor
    }
}
