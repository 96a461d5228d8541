import QtQuick 2.15
import QtQuick.Controls 2.15
import "../Style"
import "../Scrollbar"

// The base of the kit's drop-down lists: a box with a text input (typing can filter the
// rows), a clear icon while there is text, a triangle that points up while the list is open,
// and a pop-up list of at most `nMaxRows` rows of 29 units. The members decide what a
// choice, an edit and a clear do through `entryChosen`, `edited` and `cleared`.
Item {
    id: combo

    property var dataModel: []
    property string defaultText: ""
    property string currentCode: ""
    property string currentName: ""
    property string textTitle: ""
    // The entry's member shown in a row, unless the member gives `rowText`.
    property string textRole: "qstrName"
    property var rowText: function (entry) { return entry ? entry[textRole] : "" }
    property bool bReadOnly: false
    property bool bClearable: !bReadOnly
    // The list keeps 7 rows of height even when it has fewer entries.
    property bool bFixedRows: false
    property int nMaxRows: 7

    // The one highlighted row of the open list: the mouse moves it to the row it moves over,
    // Up and Down move it on from there; -1 before either.
    property int nHighlightedRow: -1
    // Where the mouse was last seen over a row, in the window: rows that open or scroll under
    // a resting mouse leave the highlight where the keys put it.
    property point pointerAt
    property bool bPointerKnown: false

    property alias comboBoxModel: dropDown
    property alias editTextModel: edit
    property alias comboBoxEdit: box

    signal signal_SetUiData(int nType, string qstrValue, int nValue)
    signal entryChosen(var entry)
    signal edited(string qstrText)
    signal cleared()

    // The entry is read before the list closes: a row of an item model goes with its row.
    function pick(entry) {
        entryChosen(entry)
        dropDown.close()
    }

    function choose(entry) {
        pick(entry)
        edit.focus = false
    }

    // Read from the model, not from the row's delegate: the list drops the rows scrolled out
    // of sight.
    function entryAt(nRow) {
        return dataModel.length !== undefined ? dataModel[nRow] : dataModel.get(nRow)
    }

    function hoverRow(area, nRow) {
        var at = area.mapToItem(null, area.mouseX, area.mouseY)
        var bMoved = bPointerKnown && (at.x !== pointerAt.x || at.y !== pointerAt.y)
        pointerAt = at
        bPointerKnown = true
        if (bMoved)
            nHighlightedRow = nRow
    }

    function highlight(nRow) {
        nHighlightedRow = Math.max(0, Math.min(nRow, rows.count - 1))
        rows.positionViewAtIndex(nHighlightedRow, ListView.Contain)
    }

    function isReturn(nKey) { return nKey === Qt.Key_Return || nKey === Qt.Key_Enter }

    // While the list is open, Up and Down move the highlight and Return chooses the
    // highlighted row as a click does, but the focus stays for the next key. A box with no
    // text to type opens and closes on Space or Return, as a click does. Any other key goes
    // on to the field and the box's own handlers.
    function listKey(event) {
        if (dropDown.visible && isReturn(event.key) && nHighlightedRow >= 0)
            pick(entryAt(nHighlightedRow))
        else if (dropDown.visible && (event.key === Qt.Key_Down || event.key === Qt.Key_Up))
            highlight(nHighlightedRow + (event.key === Qt.Key_Down ? 1 : -1))
        else if (bReadOnly && !event.isAutoRepeat && (event.key === Qt.Key_Space || isReturn(event.key)))
            toggleList()
        else
            return
        event.accepted = true
    }

    // An array, a ListModel or an item model: an empty list stays closed however it is asked
    // to open, since its empty rows would cover the controls below the box.
    function rowCount() {
        if (!dataModel)
            return 0
        if (dataModel.length !== undefined)
            return dataModel.length
        return dataModel.count !== undefined ? dataModel.count : dataModel.rowCount()
    }

    function openList() {
        if (rowCount() > 0)
            dropDown.open()
        else
            dropDown.close()
    }

    function toggleList() {
        if (dropDown.visible)
            dropDown.close()
        else
            openList()
    }

    // A click on the box gives it the keys as well: what is typed next goes to the list it
    // opened, and the list of the box that had them closes.
    function toggleByClick() {
        edit.forceActiveFocus(Qt.MouseFocusReason)
        toggleList()
    }

    function clear() {
        dropDown.close()
        currentName = ""
        currentCode = ""
        cleared()
    }

    // The width that shows the title and the hint whole beside the triangle; a box given
    // less cuts the hint short.
    readonly property real nFullWidth: (title.visible ? title.x + title.implicitWidth : 0)
                                       + edit.leftPadding + hintMetrics.advanceWidth + edit.rightPadding
                                       + triangle.width + triangle.anchors.rightMargin

    onDataModelChanged: nHighlightedRow = -1

    implicitWidth: 200 * Theme.dp
    implicitHeight: 36 * Theme.dp

    TextMetrics {
        id: hintMetrics
        font: edit.font
        text: combo.defaultText
    }

    Rectangle {
        id: box
        // Sized by bindings: filled by anchors, the field inside never drew its hint.
        width: parent.width
        height: parent.height
        radius: 4 * Theme.dp
        color: edit.activeFocus ? "white" : "#FAFBFD"
        border.color: edit.activeFocus || dropDown.visible ? "#FF5C00" : "#EBEDF4"

        MouseArea {
            anchors.fill: parent
            cursorShape: Qt.PointingHandCursor
            onClicked: combo.toggleByClick()
        }

        Text {
            id: title
            visible: text !== ""
            x: 12 * Theme.dp
            anchors.baseline: edit.baseline
            text: combo.textTitle
            color: "#8C92AC"
            font.family: Theme.fontFamily
            font.pixelSize: 12 * Theme.dp
        }

        TextField {
            id: edit
            objectName: "comboEdit"
            anchors.left: title.visible ? title.right : parent.left
            anchors.right: clearIcon.visible ? clearIcon.left : triangle.left
            anchors.top: parent.top
            anchors.bottom: parent.bottom
            leftPadding: (title.visible ? 6 : 12) * Theme.dp
            rightPadding: 4 * Theme.dp
            verticalAlignment: TextInput.AlignVCenter
            readOnly: combo.bReadOnly
            selectByMouse: !combo.bReadOnly
            color: shownText.visible ? "transparent" : "#042040"
            font.family: Theme.fontFamily
            font.pixelSize: 13 * Theme.dp
            // A hint beside a title is an example, gone while the box has the keys as a
            // field's is; a box without a title is named by its hint, which stays while empty.
            placeholderText: activeFocus && title.visible ? "" : combo.defaultText
            placeholderTextColor: "#B4BCCC"
            background: null
            onTextEdited: text === "" ? combo.clear() : combo.edited(text)
            Keys.onPressed: combo.listKey(event)
            // A name longer than the box shows its beginning while nobody types in it.
            onTextChanged: if (!activeFocus) cursorPosition = 0
            // The list goes with the focus, so only one box looks active.
            onActiveFocusChanged: {
                if (activeFocus)
                    return
                cursorPosition = 0
                dropDown.close()
            }

            // While nobody types, a name too long for the box ends in "…" rather than being cut.
            Text {
                id: shownText
                objectName: "comboShownText"
                anchors.fill: parent
                visible: !edit.activeFocus && edit.text !== ""
                leftPadding: edit.leftPadding
                rightPadding: edit.rightPadding
                verticalAlignment: Text.AlignVCenter
                textFormat: Text.PlainText
                elide: Text.ElideRight
                text: edit.text
                color: "#042040"
                font: edit.font
            }

            MouseArea {
                anchors.fill: parent
                visible: combo.bReadOnly
                cursorShape: Qt.PointingHandCursor
                onClicked: combo.toggleByClick()
            }
        }

        Image {
            id: clearIcon
            objectName: "comboClear"
            visible: combo.bClearable && edit.text !== ""
            anchors.right: triangle.left
            anchors.rightMargin: 6 * Theme.dp
            anchors.verticalCenter: parent.verticalCenter
            width: 14 * Theme.dp
            height: width
            source: "qrc:/image/clear_logo.png"

            MouseArea {
                anchors.fill: parent
                cursorShape: Qt.PointingHandCursor
                onClicked: {
                    if (!combo.bReadOnly)
                        edit.text = ""
                    combo.clear()
                }
            }
        }

        Image {
            id: triangle
            anchors.right: parent.right
            anchors.rightMargin: 10 * Theme.dp
            anchors.verticalCenter: parent.verticalCenter
            width: 10 * Theme.dp
            height: 10 * Theme.dp
            rotation: dropDown.visible ? 180 : 0
            source: "qrc:/image/combo_arrow.png"
        }
    }

    Popup {
        id: dropDown
        objectName: "comboDropDown"
        y: combo.height + 2 * Theme.dp
        width: combo.width
        height: Math.min(combo.bFixedRows ? combo.nMaxRows : Math.max(rows.count, 1),
                         combo.nMaxRows) * 29 * Theme.dp + 2 * Theme.dp
        padding: 1 * Theme.dp
        closePolicy: Popup.CloseOnEscape | Popup.CloseOnPressOutsideParent
        onAboutToShow: {
            combo.nHighlightedRow = -1
            combo.bPointerKnown = false
        }

        background: Rectangle {
            radius: 4 * Theme.dp
            color: "white"
            border.color: "#EBEDF4"
        }

        contentItem: ListView {
            id: rows
            objectName: "comboRows"
            clip: true
            // Rows exist only while the list is open: a page holds many closed boxes.
            model: dropDown.visible ? combo.dataModel : null
            boundsBehavior: Flickable.StopAtBounds
            ScrollBar.vertical: ScrollbarVertical {}

            delegate: Rectangle {
                readonly property var entry: model.modelData !== undefined ? model.modelData : model

                width: rows.width
                height: 29 * Theme.dp
                color: index === combo.nHighlightedRow ? "#FFEFEB" : "white"

                Text {
                    textFormat: Text.PlainText
                    x: 12 * Theme.dp
                    width: parent.width - 2 * x
                    anchors.verticalCenter: parent.verticalCenter
                    elide: Text.ElideRight
                    text: combo.rowText(parent.entry)
                    color: "#042040"
                    font.family: Theme.fontFamily
                    font.pixelSize: 13 * Theme.dp
                }

                MouseArea {
                    id: rowArea
                    anchors.fill: parent
                    hoverEnabled: true
                    cursorShape: Qt.PointingHandCursor
                    onEntered: combo.hoverRow(rowArea, index)
                    onPositionChanged: combo.hoverRow(rowArea, index)
                    onClicked: combo.choose(combo.entryAt(index))
                }
            }
        }
    }
}
