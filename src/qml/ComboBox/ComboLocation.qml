import QtQuick 2.15
import "../Style"

// The base of the location boxes: a choice or a clear hands the entry's code to
// `SearchManager` through `storeCode`, typing narrows the rows through `search` and a clear
// widens them to the whole level again. Boxes that notify their page (`bNotifyPage`) send it
// 120 (reload states) after a country and 121 (reload cities) after a country or state, by
// the page's origin, and emit their signals.
ComboBase {
    id: location

    property var service: null
    property int nOrigin: 0
    // The catalogue level of the box (1 country ... 5 postal code, 8 and 9 device states).
    property int typeFlag: 1
    property bool bNotifyPage: true
    // A choice puts the entry's name into the text; otherwise the page sets the text.
    property bool bShowChoice: true
    // Message 0 empties the text before it clears the box.
    property bool bResetText: true
    // function (qstrCode, nType, nOrigin)
    property var storeCode: function () {}
    // function (qstrKey, nType, nOrigin) giving the rows; without it typing only opens.
    property var search: null
    // function (), run at the end of a clear.
    property var afterClear: function () {}

    signal signal_ClickSel()
    signal signal_CodeChanged(string qstrCode)

    function notifyPage(nLevel) {
        if (!bNotifyPage)
            return
        if (nLevel === 1)
            service.signal_SetUiData(120, "", nOrigin)
        if (nLevel === 1 || nLevel === 2)
            service.signal_SetUiData(121, "", nOrigin)
        signal_ClickSel()
        signal_CodeChanged(currentCode)
    }

    // The rows for what the box holds: the entries its typed text matches, or the whole
    // level when it holds a choice or nothing. A search typed before the catalogue came is
    // answered when the page calls this on the catalogue's arrival.
    function showMatches() {
        if (!search)
            return
        var qstrKey = editTextModel.text === currentName ? "" : editTextModel.text
        dataModel = search(qstrKey, typeFlag, nOrigin)
        if (qstrKey !== "" && editTextModel.activeFocus)
            openList()
    }

    defaultText: qsTr("e.g., US") + Theme.emptyString

    onEntryChosen: {
        currentName = entry.qstrName
        currentCode = entry.qstrCode
        storeCode(entry.qstrCode, entry.enumDataType, nOrigin)
        if (bShowChoice)
            editTextModel.text = entry.qstrName
        notifyPage(entry.enumDataType)
    }
    onEdited: {
        currentCode = qstrText
        if (search)
            dataModel = search(qstrText, typeFlag, nOrigin)
        openList()
    }
    onCleared: {
        storeCode("", typeFlag, nOrigin)
        showMatches()
        notifyPage(typeFlag)
        afterClear()
    }
    onSignal_SetUiData: {
        if (nType !== 0)
            return
        if (bResetText)
            editTextModel.text = ""
        clear()
    }
}
