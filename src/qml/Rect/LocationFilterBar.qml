import QtQuick 2.15
import Search.Param 1.0
// Interim location filter (codes and IP text only) until the shared filter bar with its
// combos replaces it.
Item {
    property int nOrigin: 0
    property var codes: ["", "", "", "", ""]
    property string ipText: ""
    signal searchClicked()
    signal clearClicked()
    signal signal_SetUiData(int nType, string qstrValue, int nValue)
    function handOver() {
        var flags = [1, 2, 3, 5, 4]
        for (var i = 0; i < 5; ++i) SearchManager.setCurrentCode(codes[i], flags[i])
        SearchManager.qstrIpSearch = ipText
    }
    onSignal_SetUiData: if (nType === 0 && nValue === nOrigin) { codes = ["", "", "", "", ""]; ipText = "" }
    height: 60
    Rectangle { objectName: "searchButton"; width: 60; height: 30; MouseArea { anchors.fill: parent; onClicked: searchClicked() } }
}
