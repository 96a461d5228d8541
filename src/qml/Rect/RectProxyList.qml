import QtQuick 2.15
import "../Style"

// The Proxy List page: rotating exits for the location filter, paged as the list scrolls.
ProxyListPage {
    id: proxyList

    nOrigin: 1
    nPlan: globleParam.nMealType
    nComboCountry: 1
    requestList: function (nValue) { curlRecv.pushGetLineList(nValue) }
    bVisableEmpty: listView.count === 0 && bRequestEnabled

    readonly property bool bNoStaticBalance: bStaticPlan && globleParam.nStaticIpNums === 0

    Image {
        objectName: "emptyLogo"
        anchors.horizontalCenter: parent.horizontalCenter
        width: 64 * proxyList.dp
        height: width
        source: proxyList.bNoStaticBalance ? "qrc:/image/proxylist_empty_logo.png"
                                           : "qrc:/image/search_empty_logo.png"
    }
    Row {
        anchors.horizontalCenter: parent.horizontalCenter
        spacing: 4 * proxyList.dp
        Text {
            objectName: "emptyText"
            textFormat: Text.PlainText
            text: (proxyList.bNoStaticBalance ? qsTr("There is no Static ISP Proxy,")
                                              : proxyList.strRefusal || proxyList.strNothingFound)
                  + globleParam.emptyString
            color: "#8C92AC"
            font.family: Theme.fontFamily
            font.pixelSize: 14 * proxyList.dp
        }
        Text {
            objectName: "buyNowLink"
            visible: proxyList.bNoStaticBalance
            text: qsTr("buy now") + globleParam.emptyString
            color: "#FF5C00"
            font.underline: true
            font.family: Theme.fontFamily
            font.pixelSize: 14 * proxyList.dp
            MouseArea {
                anchors.fill: parent
                cursorShape: Qt.PointingHandCursor
                onClicked: mainLoader.signal_SetUiData(189, "buy now", 6)
            }
        }
    }
}
