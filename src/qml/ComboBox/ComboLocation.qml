import QtQuick 2.15
import "../Style"

// The base of the location boxes: a choice or a clear hands the entry's code to
// `SearchManager` through `storeCode`, typing narrows the rows through `search` and a clear
// widens them to the whole level again. Boxes that notify their page (`bNotifyPage`) send it
// 120 (reload states) after a country and 121 (reload cities) after a country or state, by
// the page's origin, and emit their signals. The page hands each box the catalogue's
// messages 116-122, which the box of the level concerned takes.
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
    // The page's boxes, country first. After a choice or a clear in any of them, each box
    // below the country offers what fits the levels above it and lets go of a choice that no
    // longer fits; a clear also empties the levels that depend on the one cleared.
    property var levelBoxes: []

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

    function showName(qstrName) {
        editTextModel.text = qstrName
        currentName = qstrName
    }

    // Also in the catalogue, without messages.
    function forget() {
        currentName = ""
        currentCode = ""
        editTextModel.text = ""
        storeCode("", typeFlag, 0)
    }

    // A chosen entry still fits when a search for its name still finds its code.
    function stillFits() {
        var found = search(currentName, typeFlag, nOrigin)
        for (var i = 0; i < found.length; ++i)
            if (found[i].qstrCode === currentCode)
                return true
        return false
    }

    // The state and city depend on the country, the city on the state, ISP and zip on the
    // country.
    function dependsOn(nLevel) {
        return nLevel === 1 ? typeFlag > 1 : nLevel === 2 && typeFlag === 3
    }

    // Before a page searches, the catalogue takes its choices again: the pages share one.
    function handOverLevels() {
        levelBoxes.forEach(function (box) { box.storeCode(box.currentCode, box.typeFlag, 0) })
    }

    function narrowLevels(nCleared) {
        levelBoxes.slice(1).forEach(function (box) {
            if (box.dependsOn(nCleared) && box.editTextModel.text !== "")
                box.forget()
            else if (box.currentName !== "" && !box.stillFits())
                box.forget()
            box.dataModel = box.search("", box.typeFlag, box.nOrigin)
        })
    }

    defaultText: qsTr("e.g., US") + Theme.emptyString

    onEntryChosen: {
        currentName = entry.qstrName
        currentCode = entry.qstrCode
        storeCode(entry.qstrCode, entry.enumDataType, nOrigin)
        if (bShowChoice)
            editTextModel.text = entry.qstrName
        narrowLevels(0)
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
        narrowLevels(typeFlag)
        notifyPage(typeFlag)
        afterClear()
    }

    // The messages by type: the levels that take one (all when none are named), and what
    // they do with its text and origin. Message 0 is every box's reset.
    readonly property var messageActions: ({
        0: [[], function (s, n) {
            if (bResetText)
                editTextModel.text = ""
            clear()
        }],
        116: [[1], showName],
        117: [[2], showName],
        118: [[1], function (s, n) { currentCode = s }],
        119: [[2], function (s, n) { currentCode = s }],
        120: [[2], function (s, n) { dataModel = search("", typeFlag, n) }],
        121: [[3], function (s, n) { dataModel = search("", typeFlag, n) }],
        122: [[2, 3], function (s, n) {
            showName("")
            currentCode = ""
        }]
    })
    onSignal_SetUiData: {
        var action = messageActions[nType]
        if (action && (action[0].length === 0 || action[0].indexOf(typeFlag) >= 0))
            action[1](qstrValue, nValue)
    }
}
