import QtQuick 2.15
import Search.Param 1.0
import "../Button"
import "../ComboBox"
import "../Edit"
import "../Style"

// The location filter of a list page: country, state, city, ISP and zip boxes, the IP
// field, "Clear All", "Search" and the outside browser. The page owns what Clear and Search
// do; the bar keeps the boxes in step with the catalogue through `handleLocationMessage`.
// Relies on the root's ids: globleParam, curlRecv, window_main, popupBrowser.
Flow {
    id: bar

    property int nOrigin: 1
    // Static list look: the titles stand before the boxes (which then have no hints) and the
    // clear button is a text.
    property bool bOuterLabels: false
    // Catalogue reloads (110-112) whatever their nValue; otherwise only for 0, 1 and 2.
    property bool bAnyCatalogue: false
    property bool bSearchEnabled: true
    readonly property var combos: [countryCombo, stateCombo, cityCombo, ispCombo, zipCombo]
    property alias ipField: ipSearch

    signal clearClicked()
    signal searchClicked()

    readonly property real dp: window_main.dp
    // The six fields share the row the buttons leave while each keeps room for its title and
    // hint; otherwise they fill the first row and the buttons wrap below. With outer titles
    // the bar wraps as it comes. No box is narrower than the longest title and hint need.
    // Shares are whole pixels: six fractional ones may add up to a hair over the row.
    readonly property real nSharedWidth: Math.floor((width - clearAllButton.width - searchButton.width
                                                     - browserButton.width - 8 * spacing) / 6)
    readonly property real nFullWidth: Math.max.apply(null, combos.map(function (box) { return box.nFullWidth }))
    readonly property real nBoxWidth: Math.max(nFullWidth, bOuterLabels ? 150 * dp
        : nSharedWidth >= 130 * dp ? nSharedWidth : Math.floor((width - 5 * spacing) / 6))

    // A box with its title before it in the static look.
    component Labelled: Row {
        property string label: ""
        spacing: 6 * bar.dp
        Text {
            visible: bar.bOuterLabels
            height: 36 * bar.dp
            verticalAlignment: Text.AlignVCenter
            text: parent.label
            color: "#042040"
            font.family: Theme.fontFamily
            font.pixelSize: 13 * bar.dp
        }
    }
    component LocationBox: ComboBoxCountry {
        width: bar.nBoxWidth
        height: 36 * bar.dp
        service: curlRecv
        nOrigin: bar.nOrigin
        levelBoxes: bar.combos
        // Tab and Down go on to the next field.
        property Item nextField: null
        Keys.onTabPressed: nextField.forceActiveFocus()
        Keys.onDownPressed: nextField.forceActiveFocus()
    }

    // The boxes' codes and the IP text become the catalogue's current filter.
    function handOver() {
        countryCombo.handOverLevels()
        SearchManager.qstrIpSearch = ipSearch.editModel.text
    }

    function clearFilters() {
        combos.forEach(function (box) { box.signal_SetUiData(0, "clear", bar.nOrigin) })
        ipSearch.editModel.text = ""
        SearchManager.clearIspByProxyType(nOrigin)
        SearchManager.clearZipByProxyType(nOrigin)
    }

    function showMatches(boxes) { boxes.forEach(function (box) { box.showMatches() }) }

    function reloadsCatalogue(nValue) { return bAnyCatalogue || [0, 1, 2].indexOf(nValue) >= 0 }

    readonly property var locationActions: ({
        0: function (s, n) { if (n === nOrigin) clearFilters() },
        110: function (s, n) { if (reloadsCatalogue(n)) showMatches([countryCombo, stateCombo, cityCombo]) },
        111: function (s, n) { if (reloadsCatalogue(n)) showMatches([ispCombo]) },
        112: function (s, n) { if (reloadsCatalogue(n)) showMatches([zipCombo]) },
        116: toBoxes, 117: toBoxes, 118: toBoxes, 119: toBoxes, 120: toBoxes, 121: toBoxes,
        122: toBoxes
    })

    function toBoxes(s, n, nType) { combos.forEach(function (box) { box.signal_SetUiData(nType, s, n) }) }

    // Acts on the location messages 0, 110-112 and 116-122; false for any other message.
    function handleLocationMessage(nType, qstrValue, nValue) {
        var action = locationActions[nType]
        if (action)
            action(qstrValue, nValue, nType)
        return action !== undefined
    }

    spacing: 8 * dp
    // The page shown searches with its own choices.
    onVisibleChanged: if (visible) handOver()

    // A new country narrows the ISP and zip choices of the page shown.
    Connections {
        target: SearchManager
        enabled: bar.visible
        function onQstrCurrentCountryCodeChanged() {
            SearchManager.refreshIspByCountry(bar.nOrigin)
            SearchManager.refreshZipByCountry(bar.nOrigin)
        }
    }
    Connections {
        target: SearchManager
        function onSignal_RefreshIsp(nPage) { if (nPage === bar.nOrigin) bar.handleLocationMessage(111, "changed", 0) }
        function onSignal_RefreshZip(nPage) { if (nPage === bar.nOrigin) bar.handleLocationMessage(112, "changed", 0) }
    }

    Labelled {
        label: qsTr("Country:") + globleParam.emptyString
        LocationBox {
            id: countryCombo
            objectName: "countryCombo" + bar.nOrigin
            typeFlag: 1
            textTitle: bar.bOuterLabels ? "" : qsTr("Country") + globleParam.emptyString
            defaultText: bar.bOuterLabels ? "" : qsTr("US") + globleParam.emptyString
            nextField: stateCombo.editTextModel
        }
    }
    Labelled {
        label: qsTr("State:") + globleParam.emptyString
        LocationBox {
            id: stateCombo
            objectName: "stateCombo" + bar.nOrigin
            typeFlag: 2
            textTitle: bar.bOuterLabels ? "" : qsTr("State") + globleParam.emptyString
            defaultText: bar.bOuterLabels ? "" : qsTr("New York") + globleParam.emptyString
            nextField: cityCombo.editTextModel
        }
    }
    Labelled {
        label: qsTr("City:") + globleParam.emptyString
        LocationBox {
            id: cityCombo
            objectName: "cityCombo" + bar.nOrigin
            typeFlag: 3
            textTitle: bar.bOuterLabels ? "" : qsTr("City") + globleParam.emptyString
            defaultText: bar.bOuterLabels ? "" : qsTr("New York") + globleParam.emptyString
            nextField: ispCombo.editTextModel
        }
    }
    Labelled {
        label: qsTr("ISP:") + globleParam.emptyString
        LocationBox {
            id: ispCombo
            objectName: "ispCombo" + bar.nOrigin
            typeFlag: 4
            textTitle: bar.bOuterLabels ? "" : qsTr("ISP") + globleParam.emptyString
            defaultText: bar.bOuterLabels ? "" : qsTr("t-mobile") + globleParam.emptyString
            nextField: zipCombo.editTextModel
        }
    }
    Labelled {
        label: qsTr("Zip:") + globleParam.emptyString
        LocationBox {
            id: zipCombo
            objectName: "zipCombo" + bar.nOrigin
            typeFlag: 5
            textTitle: bar.bOuterLabels ? "" : qsTr("Zip") + globleParam.emptyString
            defaultText: bar.bOuterLabels ? "" : qsTr("91***") + globleParam.emptyString
            nextField: ipSearch.editModel
        }
    }
    Labelled {
        label: qsTr("IP:") + globleParam.emptyString
        SearchIp {
            id: ipSearch
            objectName: "ipSearch" + bar.nOrigin
            editModel.objectName: "ipSearchEdit" + bar.nOrigin
            width: bar.nBoxWidth
            height: 36 * bar.dp
            textTitle: bar.bOuterLabels ? "" : qsTr("IP") + globleParam.emptyString
            textDefault: "114.114"
            nextField: countryCombo.editTextModel
        }
    }
    IconAndBackButton {
        id: clearAllButton
        objectName: "clearAllButton" + bar.nOrigin
        visible: !bar.bOuterLabels
        height: 36 * bar.dp
        imgNor: "qrc:/image/clear_logo.png"
        toolTips: qsTr("Clear All") + globleParam.emptyString
        btnModel.onClicked: bar.clearClicked()
    }
    TextAndBackButton {
        objectName: "clearButton" + bar.nOrigin
        visible: bar.bOuterLabels
        height: 36 * bar.dp
        btnText: qsTr("Clear") + globleParam.emptyString
        btnModel.onClicked: bar.clearClicked()
    }
    TextAndBackButton {
        id: searchButton
        objectName: "searchButton" + bar.nOrigin
        height: 36 * bar.dp
        nPixelSize: 13
        btnModel.enabled: bar.bSearchEnabled
        colorBackNor: "#FF5C00"
        colorBackHot: "#FF7A2E"
        colorUnEnable: "#FFC3A1"
        colorTextNor: "white"
        colorTextHot: "white"
        colorTextDisable: "white"
        btnText: qsTr("Search") + globleParam.emptyString
        btnModel.onClicked: bar.searchClicked()
    }
    TextAndBackButton {
        id: browserButton
        objectName: "browserButton" + bar.nOrigin
        height: 36 * bar.dp
        nPixelSize: 13
        nLeftPadding: 10
        colorBorder: "#FF5C00"
        colorBackNor: "white"
        colorTextNor: "#FF5C00"
        colorTextHot: "#FF5C00"
        btnText: qsTr("Anti-detection browser") + globleParam.emptyString
        btnModel.onClicked: globleParam.nIsLogin === 1 ? popupBrowser.windowInit(0)
                                                       : window_main.showLogin()
    }
}
