import QtQuick 2.15
import QtQuick.Controls 2.15
import Proxy.Param 1.0
import "../Style"

// The favourite star of a list row. It shows the row's `bFavorite` and follows it when
// native code changes it; a click (or the row's signal_ClickFavorite) stores the new
// state through ProxyManager.
AbstractButton {
    id: star

    property var row: null
    property int nListType: 0
    property string strSession: ""

    function store() {
        if (row)
            row.bFavorite = checked
        ProxyManager.setFavoriteByParam(strSession, nListType, checked)
    }

    implicitWidth: 24 * Theme.dp
    implicitHeight: 24 * Theme.dp
    checkable: true
    checked: row ? row.bFavorite : false
    hoverEnabled: true
    onClicked: store()

    Connections {
        target: star.row
        ignoreUnknownSignals: true
        function onBFavoriteChanged() { star.checked = star.row.bFavorite }
        function onSignal_ClickFavorite() {
            star.toggle()
            star.store()
        }
    }

    contentItem: Image {
        source: star.checked ? "qrc:/image/favorite_hot.png" : "qrc:/image/favorite_nor.png"
        fillMode: Image.PreserveAspectFit
        sourceSize.width: 48
    }
    background: Item {}

    FocusRing {}
}
