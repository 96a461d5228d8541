import QtQuick 2.15

// The remark field: a text area whose wrapping the owner sets. It keeps at most
// `nMaxLength` characters (typing and pasting past it are cut where they went in) and takes
// Return or Enter as `accepted` rather than as a new line.
AreaBox {
    id: remarkEdit

    property int nMaxLength: 100

    signal accepted()

    function accept(event) {
        event.accepted = true
        accepted()
    }

    editModel.onTextChanged: {
        var input = editModel
        var nOver = input.length - nMaxLength
        if (nOver <= 0)
            return
        var nCut = Math.max(input.cursorPosition - nOver, 0)
        input.remove(nCut, nCut + nOver)
    }

    Component.onCompleted: {
        editModel.Keys.returnPressed.connect(accept)
        editModel.Keys.enterPressed.connect(accept)
    }
}
